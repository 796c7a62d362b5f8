// A TrueType face read from a file with stb_truetype: its line metrics and its glyphs,
// drawn monochrome, at any em size in pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct stbtt_fontinfo;

namespace gfx {

// A glyph's set pixels as runs, placed from the pen position on the baseline.
struct Glyph {
    struct Run {
        std::int16_t row;       // from the baseline, negative above it
        std::int16_t from, to;  // columns from the pen position, both included
    };
    std::vector<Run> runs;
    int left = 0, right = -1;  // the columns the runs span, from the pen position
    int advance64 = 0;         // how far the pen moves on, in 1/64 pixel
};

class FontFace {
public:
    // The face in the file, or null with a one-line reason.
    static std::unique_ptr<FontFace> open(const std::string& path, std::string& error);
    // The face in the file, read once per process and kept; a file that cannot be
    // used gives null and is reported on standard error, once.
    static const FontFace* shared(const std::string& path);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    struct Metrics {
        int ascent, descent;  // pixels above and below the baseline
        int height() const { return ascent + descent; }
    };
    Metrics metrics(int emPixels) const;
    // The glyph of a Unicode code point; a code point the face lacks gives its
    // missing-glyph shape.
    Glyph glyph(int codePoint, int emPixels) const;

private:
    explicit FontFace(std::vector<unsigned char> bytes);

    std::vector<unsigned char> bytes_;
    std::unique_ptr<stbtt_fontinfo> info_;
};

}  // namespace gfx
