#include "gfx/render/font_face.h"

#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace gfx {

namespace {

// Coverage from which a pixel of a glyph is set: text is drawn without antialiasing.
constexpr unsigned char Threshold = 128;
// The widest stretch across a stroke that still counts as one stroke, in pixels.
constexpr int MaxStrokeSpan = 3;

unsigned readU16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<unsigned>(b[at]) << 8 | b[at + 1];
}
std::uint32_t readU32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(readU16(b, at)) << 16 | readU16(b, at + 2);
}

// stb_truetype trusts the file it is given; a truncated or foreign file is turned
// away here, before it reads past the end: the table directory must lie in the file.
bool plausibleFont(const std::vector<unsigned char>& b) {
    if (b.size() < 12) return false;
    const std::uint32_t tag = readU32(b, 0);
    if (tag != 0x00010000u && tag != 0x74727565u /* true */ && tag != 0x4F54544Fu /* OTTO */)
        return false;
    const std::size_t tables = readU16(b, 4);
    if (tables == 0 || 12 + 16 * tables > b.size()) return false;
    for (std::size_t i = 0; i < tables; ++i) {
        const std::size_t record = 12 + 16 * i;
        const std::uint64_t offset = readU32(b, record + 8), length = readU32(b, record + 12);
        if (offset + length > b.size()) return false;
    }
    return true;
}

// Each pixel at least half covered is set, and then strokes are fitted to whole
// pixels, as hinting would: where a row (or a column) crosses a stroke in a short
// stretch of coverage, the stretch gets as many set pixels as it holds pixels' worth
// of coverage, at least one, on its most covered pixels. So a stroke thinner than a
// pixel that falls across two is not lost, and one a little wider than a pixel is not
// drawn two pixels wide.
std::vector<bool> monochrome(const std::vector<unsigned char>& coverage, int w, int h) {
    std::vector<bool> on(coverage.size());
    for (std::size_t i = 0; i < coverage.size(); ++i) on[i] = coverage[i] >= Threshold;
    auto fitStrokes = [&](int count, int length, auto at) {
        for (int i = 0; i < count; ++i)
            for (int k = 0; k < length;) {
                if (coverage[at(i, k)] == 0) {
                    ++k;
                    continue;
                }
                int end = k, sum = 0;
                while (end < length && coverage[at(i, end)] > 0) sum += coverage[at(i, end++)];
                const int span = end - k;
                if (span <= MaxStrokeSpan && sum >= Threshold) {
                    const int pixels = std::clamp((sum + 127) / 255, 1, span);
                    int best = k, bestSum = -1;
                    for (int from = k; from + pixels <= end; ++from) {
                        int s = 0;
                        for (int j = from; j < from + pixels; ++j) s += coverage[at(i, j)];
                        if (s > bestSum) best = from, bestSum = s;
                    }
                    for (int j = k; j < end; ++j) on[at(i, j)] = j >= best && j < best + pixels;
                }
                k = end;
            }
    };
    fitStrokes(h, w, [w](int r, int c) { return static_cast<std::size_t>(r) * w + c; });
    fitStrokes(w, h, [w](int c, int r) { return static_cast<std::size_t>(r) * w + c; });
    return on;
}

bool readFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    // On the heap: a web program's whole stack may be no larger than this.
    std::vector<unsigned char> chunk(65536);
    std::size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), f)) > 0)
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    const bool failed = std::ferror(f) != 0;
    const int savedErrno = errno;
    std::fclose(f);
    if (failed) {
        error = path + ": " + std::strerror(savedErrno);
        return false;
    }
    return true;
}

}  // namespace

FontFace::FontFace(std::vector<unsigned char> bytes)
    : bytes_(std::move(bytes)), info_(std::make_unique<stbtt_fontinfo>()) {}

FontFace::~FontFace() = default;

std::unique_ptr<FontFace> FontFace::open(const std::string& path, std::string& error) {
    std::vector<unsigned char> bytes;
    if (!readFile(path, bytes, error)) return nullptr;
    if (!plausibleFont(bytes)) {
        error = path + ": not a TrueType font";
        return nullptr;
    }
    std::unique_ptr<FontFace> face(new FontFace(std::move(bytes)));
    const int offset = stbtt_GetFontOffsetForIndex(face->bytes_.data(), 0);
    if (offset < 0 || !stbtt_InitFont(face->info_.get(), face->bytes_.data(), offset)) {
        error = path + ": not a usable TrueType font";
        return nullptr;
    }
    return face;
}

const FontFace* FontFace::shared(const std::string& path) {
    static std::map<std::string, std::unique_ptr<FontFace>> faces;
    const auto found = faces.find(path);
    if (found != faces.end()) return found->second.get();
    std::string error;
    std::unique_ptr<FontFace>& face = faces[path];
    face = open(path, error);
    if (!face)
        std::fprintf(stderr, "Cannot use the font file %s; text is not drawn\n", error.c_str());
    return face.get();
}

FontFace::Metrics FontFace::metrics(int emPixels) const {
    int ascent = 0, descent = 0, gap = 0;
    stbtt_GetFontVMetrics(info_.get(), &ascent, &descent, &gap);
    const float scale = stbtt_ScaleForMappingEmToPixels(info_.get(), static_cast<float>(emPixels));
    return {static_cast<int>(std::lround(ascent * scale)),
            static_cast<int>(std::lround(-descent * scale))};
}

Glyph FontFace::glyph(int codePoint, int emPixels) const {
    Glyph g;
    const float scale = stbtt_ScaleForMappingEmToPixels(info_.get(), static_cast<float>(emPixels));
    const int index = stbtt_FindGlyphIndex(info_.get(), codePoint);
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(info_.get(), index, &advance, &bearing);
    g.advance64 = static_cast<int>(std::lround(advance * scale * 64));
    int x0, y0, x1, y1;
    stbtt_GetGlyphBitmapBox(info_.get(), index, scale, scale, &x0, &y0, &x1, &y1);
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0) return g;
    std::vector<unsigned char> coverage(static_cast<std::size_t>(w) * h);
    stbtt_MakeGlyphBitmap(info_.get(), coverage.data(), w, h, w, scale, scale, index);
    const std::vector<bool> on = monochrome(coverage, w, h);
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w;) {
            if (!on[static_cast<std::size_t>(r) * w + c]) {
                ++c;
                continue;
            }
            const int from = c;
            while (c < w && on[static_cast<std::size_t>(r) * w + c]) ++c;
            g.runs.push_back({static_cast<std::int16_t>(y0 + r),
                              static_cast<std::int16_t>(x0 + from),
                              static_cast<std::int16_t>(x0 + c - 1)});
            if (g.right < g.left) g.left = x0 + from, g.right = x0 + c - 1;
            g.left = std::min(g.left, x0 + from);
            g.right = std::max(g.right, x0 + c - 1);
        }
    }
    return g;
}

}  // namespace gfx
