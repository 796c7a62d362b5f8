// How the animation runs: the one set of modes the application and the tools ask for,
// and the numbers the library's gfxSetAnimation takes for them.
#pragma once

// Values outside 0..3 may be passed; they reach the library unchanged.
enum class AnimationMode : int { Halt = 0, AdvanceFrame = 1, Animate = 2, Quit = 3 };

// The codes of gfxSetAnimation; any other number is accepted and changes nothing.
namespace AnimationCode {
constexpr int Halt = 0;
constexpr int OneFrame = 1;  // one more periodic event, unless one is already asked for
constexpr int Animate = 2;
constexpr int Quit = 5;  // the next event awaited is a quit
}  // namespace AnimationCode

// The library's code for a mode: Quit has a code of its own, the others are their number.
constexpr int animationCode(AnimationMode mode) {
    return mode == AnimationMode::Quit ? AnimationCode::Quit : static_cast<int>(mode);
}
static_assert(animationCode(AnimationMode::Halt) == AnimationCode::Halt &&
              animationCode(AnimationMode::AdvanceFrame) == AnimationCode::OneFrame &&
              animationCode(AnimationMode::Animate) == AnimationCode::Animate);
