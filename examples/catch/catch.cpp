// catch: a small game. A ball falls from a place at the top that chance picks; move
// the basket with a and d, or click where it should go, and catch the ball for a
// point. Three balls missed end the game, and the animation halts. Chance is a
// generator of the program's own seeded with the calendar time, which the headless
// runner's --seed fixes, so a run with a script of clicks can be repeated exactly. Its
// windows carry its name, "Catch Graphics" and "Catch Text" (gfxSetIdentity).
#include <algorithm>
#include <cstdint>

#include "gfx/display.h"
#include "gfx/gfx.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr int BasketHalf = 45, BasketTop = -200, BallRadius = 12, Fall = 20, Step = 30, Lives = 3;

// Lehmer's generator: the same numbers on every platform, unlike std::rand.
struct Chance {
    std::uint64_t state;
    int below(int n) { return static_cast<int>((state = state * 48271 % 2147483647) % n); }
};

struct Game {
    int basketX = 0, ballX = 0, ballY = 0, score = 0, missed = 0;

    void dropBall(Chance& chance) {
        ballX = chance.below(500) - 250;
        ballY = 250 - BallRadius;
    }
    // The ball reaches the basket's rim: caught or missed, and the next one falls.
    void fall(Chance& chance) {
        ballY -= Fall;
        if (ballY - BallRadius > BasketTop) return;
        ++(ballX >= basketX - BasketHalf && ballX <= basketX + BasketHalf ? score : missed);
        dropBall(chance);
    }
};

}  // namespace

int appMain() {
    gfxSetIdentity("Catch", nullptr);  // "Catch Graphics" and "Catch Text", before they open
    Display display;
    Chance chance{static_cast<std::uint64_t>(Display::calendarTime()) % 2147483646 + 1};
    Game game;
    game.dropBall(chance);
    display.setAnimation(AnimationMode::Animate);
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(x, y, key);
        if (kind == EventKind::Quit) break;
        if (kind == EventKind::Keyboard) game.basketX += key == 'a' ? -Step : key == 'd' ? Step : 0;
        if (kind == EventKind::Mouse) game.basketX = x;
        game.basketX = std::clamp(game.basketX, -300 + BasketHalf, 300 - BasketHalf);
        if (kind == EventKind::Periodic && game.missed < Lives) game.fall(chance);
        display.clear(palette::IceBlue);
        display.drawRectangle(-300, BasketTop - 20, 300, -250, palette::ForestGreen, 0);
        display.drawCircle(game.ballX, game.ballY, BallRadius, palette::Orange);
        display.drawRectangle(game.basketX - BasketHalf, BasketTop, game.basketX + BasketHalf,
                              BasketTop - 30, palette::Brown, 0);
        gfxTextf(palette::NavyBlue, -290, 225, 16, "Caught %d   missed %d of %d", game.score,
                 game.missed, Lives);
        if (game.missed == Lives) {
            display.drawText(-110, 0, "Game over", palette::Red, 40);
            display.setAnimation(AnimationMode::Halt);
        }
    }
    display.close();  // as the destructor would: closes a script file still open
    return 0;
}
