// The web edition carries a Latin-1 subset of the renderer's font without hinting:
// every Latin-1 character must come out in the same pixels as from the whole font.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/render/canvas.h"
#include "vehicles/library_names.h"

namespace {

// Every size the program draws text in (0 stands for 16), and the largest allowed.
constexpr int Sizes[] = {0, 9, 10, 12, 20, 30, 127};

// Each character of U+0020..U+00FF alone in a cell of a grid, so a glyph that moved,
// grew or lost a pixel shows; at 127 points one cell each, in several canvases.
void drawGrid(Canvas& canvas, int size, int first, int count, int columns, int cell) {
    for (int i = 0; i < count; ++i) {
        const int x = -290 + (i % columns) * cell, y = 240 - (i / columns + 1) * cell;
        canvas.draw(records::text(palette::Black, x, y, size,
                                  std::string(1, static_cast<char>(first + i))));
    }
}

}  // namespace

TEST(FontSubset, DrawsEveryLatin1CharacterAsTheWholeFont) {
    for (const int size : Sizes) {
        long long ink = 0;
        const int cell = size == 0 ? 24 : size + size / 4 + 4;
        const int columns = 580 / cell, rows = 480 / cell;
        for (int first = 0x20; first <= 0xFF; first += columns * rows) {
            const int count = std::min(columns * rows, 0x100 - first);
            Canvas whole(GFX_FONT_FILE), subset(TOWN_FONT_SUBSET_FILE);
            drawGrid(whole, size, first, count, columns, cell);
            drawGrid(subset, size, first, count, columns, cell);
            ink += whole.inkCount();
            EXPECT_TRUE(subset.sameAs(whole))
                << "size " << size << ", from U+00" << std::hex << first;
        }
    }
}

// Lines of text as the program gives them: advances and line heights stay too.
TEST(FontSubset, LinesOfTextKeepTheirAdvancesAndLineHeights) {
    const std::string texts[] = {"Fenn's Town", "Heavy Traffic", "Go Tarvins\nJX Stadium",
                                 "\xC0 la fa\xE7on: \xAB"
                                 "caf\xE9 na\xEFve\xBB \xA9 1\xBD\xB0"};
    for (const int size : Sizes) {
        for (const std::string& t : texts) {
            Canvas whole(GFX_FONT_FILE), subset(TOWN_FONT_SUBSET_FILE);
            whole.draw(records::text(palette::Blue, -290, 100, size, t));
            subset.draw(records::text(palette::Blue, -290, 100, size, t));
            EXPECT_TRUE(subset.sameAs(whole)) << "size " << size << ": " << t;
        }
    }
}
