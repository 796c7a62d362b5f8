// Fuzz entry of the renderer: the input becomes a list of shape records of every kind,
// drawn in turn into an image (smaller than the library's, the origin in its middle unless
// a record moves it). Whatever the records hold (coordinates from
// anywhere in 64 bits' reach, vast pens, colours out of range, texts of any bytes), the
// drawing must neither misuse memory nor take long, and leave only palette colours.
//
// Every other input goes through the library's drawing functions instead, with the drawing
// log on: their checks and corrections, the log lines of any text, then the renderer.
//
// Input: one byte choosing the pixel format (bit 0) and the way in (bit 1), then records, each
//   kind (byte % 5; byte / 5 also says whether an ellipse comes as a circle, whether
//   corners are left unordered, and whether the centre is moved), colour (byte % 26 - 1,
//   so -1 and 24 appear), width (byte < 240: byte % 8; else (byte - 240) * 400),
//   then the kind's numbers, each a selector byte and its value: a small offset (one
//   byte, times 5), 16 or 32 bits, or one of a few extremes; a text has its point size
//   (byte % 128), its length (byte) and its bytes (NUL read as a space).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/off_screen.h"
#include "gfx/gfx.h"
#include "gfx/render/colour_table.h"
#include "gfx/render/pixel_image.h"
#include "gfx/render/renderer.h"
#include "gfx/render/shape_record.h"

namespace {

constexpr int MaxRecords = 24;
constexpr int DirectWidth = 121, DirectHeight = 108;

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint32_t bits(int count) {
        std::uint32_t v = 0;
        for (int i = 0; i < count / 8; ++i) v = v << 8 | byte();
        return v;
    }
    long long number() {
        static constexpr long long extremes[] = {
            -2147483648LL, 2147483647LL, 0,         -1,           1,
            1LL << 20,     -(1LL << 20), 1LL << 30, -(1LL << 32), 1LL << 32};
        switch (byte() % 4) {
            case 0:
                return static_cast<std::int8_t>(byte()) * 5LL;
            case 1:
                return static_cast<std::int16_t>(bits(16));
            case 2:
                return static_cast<std::int32_t>(bits(32));
            default:
                return extremes[byte() % 10];
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

int asInt(long long v) {
    return static_cast<int>(v < -2147483648LL  ? -2147483648LL
                            : v > 2147483647LL ? 2147483647LL
                                               : v);
}

gfx::ShapeRecord decode(Bytes& in, std::uint8_t how, int& centreX, int& centreY) {
    gfx::ShapeRecord r;
    r.kind = static_cast<gfx::ShapeKind>(how % 5);
    r.colour = in.byte() % 26 - 1;
    const std::uint8_t w = in.byte();
    r.width = w < 240 ? w % 8 : (w - 240) * 400;
    const bool circle = (how / 5) % 2 == 1, unordered = (how / 10) % 2 == 1;
    if ((how / 20) % 4 == 3) centreX = asInt(in.number()), centreY = asInt(in.number());
    switch (r.kind) {
        case gfx::ShapeKind::Text: {
            r.at.x = asInt(in.number());
            r.at.y = asInt(in.number());
            r.pointSize = in.byte() % 128;
            const int length = in.byte();
            for (int i = 0; i < length && !in.empty(); ++i) {
                const char c = static_cast<char>(in.byte());
                r.text += c == '\0' ? ' ' : c;
            }
            break;
        }
        case gfx::ShapeKind::Oval:
            if (circle) {
                // As gfxCircle boxes it: any centre, any radius.
                const long long x = asInt(in.number()), y = asInt(in.number());
                const long long radius = std::llabs(asInt(in.number()));
                r.box = {x - radius, y + radius, x + radius, y - radius};
                break;
            }
            [[fallthrough]];
        default: {
            // Six numbers for every kind but text, whether it uses them all or not.
            long long v[6];
            for (long long& n : v) n = asInt(in.number());
            if (r.kind == gfx::ShapeKind::Triangle) {
                r.corners = {{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}}};
            } else if (r.kind == gfx::ShapeKind::Line) {
                r.from = {v[0], v[1]};
                r.to = {v[2], v[3]};
            } else {
                r.box = {v[0], v[1], v[2], v[3]};
                if (!unordered) {
                    if (r.box.left > r.box.right) std::swap(r.box.left, r.box.right);
                    if (r.box.top < r.box.bottom) std::swap(r.box.top, r.box.bottom);
                }
            }
            break;
        }
    }
    return r;
}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "render fuzz check failed: %s\n", what);
    std::abort();
}

// Every pixel of a sample of rows holds a palette colour. Its loop over the pixels is
// left out of the coverage, which it would only slow down.
#if defined(__clang__)
__attribute__((no_sanitize("coverage"), noinline))
#endif
void checkPalette(const gfx::PixelImage& image, int firstRow) {
    std::uint32_t palette[gfx::ColourCount];
    for (int i = 0; i < gfx::ColourCount; ++i) palette[i] = image.value(i);
    for (int y = firstRow; y < image.height(); y += 7) {
        const std::uint32_t* row = image.data() + static_cast<std::size_t>(y) * image.width();
        std::uint32_t last = palette[1];
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == last) continue;
            bool known = false;
            for (std::uint32_t p : palette) known = known || row[x] == p;
            check(known, "a pixel of no palette colour");
            last = row[x];
        }
    }
}

// Decodes the records one after the other and hands each to draw with its centre.
template <class Draw>
void eachRecord(Bytes& in, int originX, int originY, Draw draw) {
    for (int n = 0; n < MaxRecords && !in.empty(); ++n) {
        int centreX = originX, centreY = originY;
        const std::uint8_t how = in.byte();
        const gfx::ShapeRecord r = decode(in, how, centreX, centreY);
        draw(r, how, centreX, centreY);
    }
}

// A headless library in the format's pixel layout, where nothing but drawing happens.
class FormatBackend : public gfx::HeadlessBackend {
public:
    explicit FormatBackend(gfx::PixelFormat format) : format_(format) {}
    gfx::PixelFormat pixelFormat() const override { return format_; }

private:
    gfx::PixelFormat format_;
};

// The record as the drawing call that would have made it; widths may come negative too.
void drawCall(const gfx::ShapeRecord& r, std::uint8_t how) {
    const gfx::WorldBox& b = r.box;
    const int width = (how / 80) % 2 ? -r.width : r.width;
    switch (r.kind) {
        case gfx::ShapeKind::Triangle: {
            const auto& [p, q, s] = r.corners;
            gfxTriangle(r.colour, asInt(p.x), asInt(p.y), asInt(q.x), asInt(q.y), asInt(s.x),
                        asInt(s.y), width);
            break;
        }
        case gfx::ShapeKind::Rectangle:
            gfxRectangle(r.colour, asInt(b.left), asInt(b.top), asInt(b.right), asInt(b.bottom),
                         width);
            break;
        case gfx::ShapeKind::Oval:
            if ((how / 5) % 2 == 1)  // a circle: any centre, a radius of either sign
                gfxCircle(r.colour, asInt((b.left + b.right) / 2), asInt((b.top + b.bottom) / 2),
                          asInt((b.left - b.right) / 2));
            else
                gfxOval(r.colour, asInt(b.left), asInt(b.top), asInt(b.right), asInt(b.bottom),
                        width);
            break;
        case gfx::ShapeKind::Line:
            gfxLine(r.colour, asInt(r.from.x), asInt(r.from.y), asInt(r.to.x), asInt(r.to.y),
                    width);
            break;
        case gfx::ShapeKind::Text:
            gfxText(r.colour, asInt(r.at.x), asInt(r.at.y),
                    (how / 80) % 2 ? -r.pointSize * 3 : r.pointSize * 3, r.text.c_str());
            break;
    }
}

int drawThroughLibrary(Bytes& in, std::uint8_t format) {
    const gfx::PixelFormat layout = format % 2 ? gfx::PixelFormat::Rgba8 : gfx::PixelFormat::Xrgb32;
    // The library is made again only for another layout (or after another back end): making
    // it costs more than most inputs' drawing. Otherwise a clear image is all it needs.
    const auto* current = dynamic_cast<const FormatBackend*>(gfx::backend());
    if (current && current->pixelFormat() == layout)
        gfx::offScreen().clear();
    else
        gfx::resetLibraryWith<FormatBackend>(layout).setKeepLines(false);
    // The library keeps its own centre: a record's moved centre is left out.
    eachRecord(in, 300, 250,
               [](const gfx::ShapeRecord& r, std::uint8_t how, int, int) { drawCall(r, how); });
    checkPalette(gfx::offScreen().image(), format % 7);
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const std::uint8_t format = in.byte();
    if (format & 2) return drawThroughLibrary(in, format);
    // A smaller image than the library's: what is drawn near its edges and beyond them
    // is the same, and clearing it and filling it across cost a fraction.
    static gfx::PixelImage xrgb(gfx::PixelFormat::Xrgb32, DirectWidth, DirectHeight),
        rgba(gfx::PixelFormat::Rgba8, DirectWidth, DirectHeight);
    static gfx::Renderer xrgbRenderer(xrgb), rgbaRenderer(rgba);
    gfx::PixelImage& image = format % 2 ? rgba : xrgb;
    gfx::Renderer& renderer = format % 2 ? rgbaRenderer : xrgbRenderer;
    renderer.clear();
    eachRecord(in, DirectWidth / 2, DirectHeight / 2,
               [&renderer](const gfx::ShapeRecord& r, std::uint8_t, int centreX, int centreY) {
                   renderer.render(r, centreX, centreY);
               });
    checkPalette(image, format % 7);
    return 0;
}
