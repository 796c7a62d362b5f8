#include "app/traffic_buttons.h"

#include "traffic/random_sequence.h"
#include "vehicles/library_names.h"

namespace {

using namespace palette;

constexpr int LabelSize = 12;
const char* const labels[2] = {"Heavy Traffic", "Light Traffic"};
const int labelX[2] = {110, 215};
constexpr int LabelY = -235;
}  // namespace

void drawTrafficButtons(Display& display) {
    // The second button is drawn over the right edge of the first.
    for (int i = 0; i < 2; ++i)
        display.drawRectangle(100 * i + 91, -215, 100 * i + 197, -247, Gray20, 0);
    for (int i = 0; i < 2; ++i) display.drawText(labelX[i], LabelY, labels[i], Black, LabelSize);
}

void highlightTrafficButton(Display& display, int mode) {
    if (mode != Heavy && mode != Light) return;
    const int b = 100 * mode;
    display.drawRectangle(b + 95, -220, b + 193, -240, Gray50, 2);
    display.drawRectangle(b + 97, -222, b + 194, -242, White, 2);
    display.drawRectangle(b + 97, -222, b + 192, -240, Gray20, 2);
    // A fresh colour on every repaint: the selected label flickers.
    display.drawText(labelX[mode], LabelY, labels[mode], nextRandom() % 24, LabelSize);
}

int selectTrafficMode(Display& display, int x, int y) {
    int mode = NoSelection;
    // The hit strip is narrower than the drawn buttons.
    if (y >= -240 && y <= -220 && x >= 95) mode = (x - 95) / 100;
    std::string label = "Mode: ";
    label += (mode == Heavy || mode == Light) ? labels[mode] : "No Selection";
    showModeLabel(display, label);
    return mode;
}

// The text is handed over by value, and released here.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void showModeLabel(Display& display, std::string text) {
    display.drawText(-290, -240, text.c_str(), Gray50, LabelSize);
}
