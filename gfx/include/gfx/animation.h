// How the animation runs: the one set of modes the application and the tools ask for,
// and the numbers the library's gfxSetAnimation takes for them.
#pragma once

/// @file
/// The animation modes and the codes of gfxSetAnimation.

namespace gfx {

/// What Display::setAnimation asks for. Values outside 0..3 may be passed; they reach the
/// library unchanged, which ignores them.
enum class AnimationMode : int {
    Halt = 0,          ///< no more periodic events until asked for
    AdvanceFrame = 1,  ///< one more periodic event
    Animate = 2,       ///< a periodic event every 100 ms
    Quit = 3           ///< the next event awaited is a quit
};

/// The codes gfxSetAnimation takes; any other number is accepted and changes nothing.
namespace AnimationCode {
constexpr int Halt = 0;      ///< no more periodic events
constexpr int OneFrame = 1;  ///< one more periodic event, unless one is already asked for
constexpr int Animate = 2;   ///< a periodic event every 100 ms
constexpr int Quit = 5;      ///< the next event awaited is a quit
}  // namespace AnimationCode

/// The library's code for a mode: Quit has a code of its own, the others are their number.
/// @param mode the mode
/// @return its AnimationCode
constexpr int animationCode(AnimationMode mode) {
    return mode == AnimationMode::Quit ? AnimationCode::Quit : static_cast<int>(mode);
}
static_assert(animationCode(AnimationMode::Halt) == AnimationCode::Halt &&
              animationCode(AnimationMode::AdvanceFrame) == AnimationCode::OneFrame &&
              animationCode(AnimationMode::Animate) == AnimationCode::Animate);

}  // namespace gfx
