// A ball that bounces off the edges of the drawing area; a click gives it the next
// colour. The Display facade only: events, animation, shapes and text.
#include <iterator>

#include "gfx/display.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::ColorIndex;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr int Radius = 20;
constexpr ColorIndex Colours[] = {palette::Red, palette::Blue, palette::ForestGreen,
                                  palette::Orange, palette::Purple};

// One step along an axis, turned back at either edge.
void step(int& position, int& speed, int limit) {
    position += speed;
    if (position > limit || position < -limit) {
        speed = -speed;
        position += 2 * speed;
    }
}

}  // namespace

int appMain() {
    Display display;
    display.setAnimation(AnimationMode::Animate);
    const int right = display.width() / 2 - Radius;
    const int top = display.height() / 2 - Radius;
    int x = 0, y = 0, dx = 9, dy = 6;
    int colour = 0;
    for (;;) {
        int clickX = 0, clickY = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(clickX, clickY, key);
        if (kind == EventKind::Quit) break;
        if (kind == EventKind::Mouse) colour = (colour + 1) % static_cast<int>(std::size(Colours));
        if (kind == EventKind::Periodic) {
            step(x, dx, right);
            step(y, dy, top);
        }
        display.clear(palette::IceBlue);
        display.drawCircle(x, y, Radius, Colours[colour]);
        display.drawOval(x - Radius, y - Radius, x + Radius, y + Radius, palette::Black, 2);
        display.drawText(-290, 235, "Click anywhere: the ball changes colour", palette::NavyBlue,
                         14);
    }
    return 0;
}
