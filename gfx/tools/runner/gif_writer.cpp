#include "gfx/tools/runner/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "gfx/palette.h"

namespace {

constexpr int ColourCount = gfx::palette::ColourCount;
// A frame's rows are read straight from the image's.
static_assert(GifWriter::Width == gfx::PixelImage::Width);
// A GIF colour table has a power of two entries: the palette's 24 and 8 unused.
constexpr int TableSize = 32;

// The palette's colours as 0xRRGGBB, read through the image type so that the GIF's
// table is the renderer's own.
std::array<std::uint32_t, ColourCount> paletteRgb() {
    const gfx::PixelImage reference(gfx::PixelFormat::Xrgb32);
    std::array<std::uint32_t, ColourCount> rgb{};
    for (int i = 0; i < ColourCount; ++i) rgb[i] = reference.value(i) & 0xFFFFFFu;
    return rgb;
}

// The smallest rectangle that holds every pixel where a and b differ; empty when none.
struct Rect {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
};

Rect changedRect(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, int width,
                 int rows) {
    Rect r{width, rows, -1, -1};
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* pa = &a[static_cast<std::size_t>(y) * width];
        const std::uint8_t* pb = &b[static_cast<std::size_t>(y) * width];
        if (std::memcmp(pa, pb, static_cast<std::size_t>(width)) == 0) continue;
        int x0 = 0;
        while (pa[x0] == pb[x0]) ++x0;
        int x1 = width - 1;
        while (pa[x1] == pb[x1]) --x1;
        r.left = std::min(r.left, x0);
        r.right = std::max(r.right, x1);
        r.top = std::min(r.top, y);
        r.bottom = y;
    }
    if (r.right < 0) return Rect{};
    return r;
}

}  // namespace

int GifWriter::writeBytes(GifFileType* gif, const GifByteType* bytes, int size) {
    auto* file = static_cast<gfx::FileReplacement*>(gif->UserData);
    return file->write(bytes, static_cast<std::size_t>(size)) ? size : 0;
}

GifWriter::~GifWriter() {
    abandon();
}

void GifWriter::abandon() {
    int code = 0;
    if (gif_) EGifCloseFile(gif_, &code);
    gif_ = nullptr;
    file_.abandon();
}

bool GifWriter::open(const std::string& path, std::string& error) {
    if (!file_.open(path, error)) return false;
    path_ = path;

    int code = 0;
    gif_ = EGifOpen(&file_, writeBytes, &code);
    if (!gif_) {
        error = std::string("cannot start the GIF: ") + GifErrorString(code);
        abandon();
        return false;
    }
    EGifSetGifVersion(gif_, true);  // delays, transparency and the loop are GIF89 extensions

    std::array<GifColorType, TableSize> colours{};
    const auto rgb = paletteRgb();
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = {static_cast<GifByteType>(rgb[i] >> 16), static_cast<GifByteType>(rgb[i] >> 8),
                      static_cast<GifByteType>(rgb[i])};
    ColorMapObject* map = GifMakeMapObject(TableSize, colours.data());
    const bool described =
        map && EGifPutScreenDesc(gif_, Width, Rows, 8, gfx::palette::White, map) == GIF_OK;
    GifFreeMapObject(map);
    // Played in a loop, as browsers show the README's picture.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType loopForever[] = {1, 0, 0};
    const bool looped = described &&
                        EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
                        EGifPutExtensionBlock(gif_, 11, netscape) == GIF_OK &&
                        EGifPutExtensionBlock(gif_, 3, loopForever) == GIF_OK &&
                        EGifPutExtensionTrailer(gif_) == GIF_OK;
    if (!looped) {
        error = file_.writeFailure();
        abandon();
        return false;
    }
    const std::size_t pixels = static_cast<std::size_t>(Width) * Rows;
    previous_.assign(pixels, 0);
    current_.assign(pixels, 0);
    line_.assign(Width, 0);
    return true;
}

bool GifWriter::toIndices(const gfx::PixelImage& image, std::string& error) {
    std::array<std::uint32_t, ColourCount> values{};
    for (int i = 0; i < ColourCount; ++i) values[i] = image.value(i);
    const std::uint32_t* pixels = image.data();
    std::uint32_t lastValue = values[gfx::palette::White];
    std::uint8_t lastIndex = gfx::palette::White;
    for (std::size_t i = 0; i < current_.size(); ++i) {
        // Neighbours mostly share a colour: the last one found saves the search.
        if (pixels[i] != lastValue) {
            const auto* found = std::find(values.begin(), values.end(), pixels[i]);
            if (found == values.end()) {
                const int x = static_cast<int>(i % Width), y = static_cast<int>(i / Width);
                char rgb[8];
                std::snprintf(rgb, sizeof rgb, "%06X", image.rgbAt(x, y));
                error = "the picture holds #" + std::string(rgb) + " at pixel (" +
                        std::to_string(x) + ", " + std::to_string(y) +
                        "), which is no palette colour";
                return false;
            }
            lastValue = pixels[i];
            lastIndex = static_cast<std::uint8_t>(found - values.begin());
        }
        current_[i] = lastIndex;
    }
    return true;
}

bool GifWriter::putFrame(int left, int top, int width, int height, bool transparent) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;  // the next frame draws over this one
    control.UserInputFlag = false;
    control.DelayTime = DelayCentiseconds;
    control.TransparentColor = transparent ? TransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
            GIF_OK ||
        EGifPutImageDesc(gif_, left, top, width, height, false, nullptr) != GIF_OK)
        return false;
    for (int y = top; y < top + height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * Width;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t now = current_[row + left + x];
            line_[x] = transparent && now == previous_[row + left + x] ? TransparentIndex : now;
        }
        if (EGifPutLine(gif_, line_.data(), width) != GIF_OK) return false;
    }
    return true;
}

bool GifWriter::addFrame(const gfx::PixelImage& image, std::string& error) {
    if (!gif_) {
        error = "no GIF is open";
        return false;
    }
    if (!toIndices(image, error)) {
        abandon();
        return false;
    }
    bool written;
    if (frames_ == 0) {
        written = putFrame(0, 0, Width, Rows, false);
    } else {
        Rect r = changedRect(previous_, current_, Width, Rows);
        // A frame that changed nothing still takes its tick: one pixel that stayed.
        if (r.empty()) r = Rect{0, 0, 0, 0};
        written = putFrame(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1, true);
    }
    if (!written || file_.writeFailed()) {
        error = file_.writeFailure();
        abandon();
        return false;
    }
    previous_.swap(current_);
    ++frames_;
    return true;
}

bool GifWriter::finish(std::string& error) {
    if (!gif_) {
        error = "no GIF is open";
        return false;
    }
    if (frames_ == 0) {
        error = "no frame to write to " + path_;
        abandon();
        return false;
    }
    // Closing writes the trailer; the file itself is this writer's to close.
    int code = 0;
    // giflib does not check the write of the trailer: the file does.
    const bool ended = EGifCloseFile(gif_, &code) == GIF_OK && !file_.writeFailed();
    gif_ = nullptr;
    if (!ended) {
        error = file_.writeFailure();
        file_.abandon();
        return false;
    }
    return file_.commit(error);
}
