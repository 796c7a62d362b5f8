// Opening the library, the message pump and the event wait.
#include <memory>

#include "gfx/core/backend.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/opening.h"
#include "gfx/core/script.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {
// Deliberately not destroyed at process exit: a back end's windows must not outlive
// the window system, which exit() may already have torn down.
Backend* currentBackend = nullptr;
Startup startupValues;

void setCentre(int clientWidth, int clientHeight) {
    // Integer centre of the client rectangle (left and top are 0).
    state().window.centreX = clientWidth / 2;
    state().window.centreY = clientHeight / 2;
}

void advanceOneFrame() {
    AnimationState& a = state().animation;
    const bool armedForAnimation =
        state().input.pendingKind == EventKind::Periodic && a.armedByAnimation;
    a.animating = false;
    // A periodic event the animation armed becomes the one frame; otherwise every
    // press asks for a frame of its own, however quickly the presses follow.
    if (armedForAnimation)
        a.armedByAnimation = false;
    else
        ++a.framesRequested;
}

void menuAction(int id) {
    State& s = state();
    switch (id) {
        case MenuId::Animate:
            s.animation.animating = true;
            break;
        case MenuId::Halt:
            s.animation.animating = false;
            break;
        case MenuId::AdvanceFrame:
            advanceOneFrame();
            break;
        case MenuId::Logging:
            gfxSetLogging(!s.log.loggingOn);
            break;
        case MenuId::RecordScript:
            toggleRecording();
            break;
        case MenuId::PlaybackScript:
            togglePlayback();
            break;
        case MenuId::PlayOne:
            requestPlayOne();
            break;
        case MenuId::Quit:
            // The quit request reaches the application as one Quit at this wait.
            s.input.pendingKind = EventKind::Quit;
            break;
        default:
            break;  // greyed credits and unknown identifiers do nothing
    }
}

// The graphics window's handling of one message.
void dispatch(const Message& m) {
    State& s = state();
    InputState& in = s.input;
    switch (m.kind) {
        case MessageKind::Timer:
            s.animation.timerFired = true;
            break;
        case MessageKind::LeftClick:
            in.pendingKind = EventKind::Mouse;
            in.eventX = (m.x & 0xFFFF) - s.window.centreX;
            in.eventY = s.window.centreY - (m.y & 0xFFFF);
            break;
        case MessageKind::KeyDown:
            if (m.keyCode == KeyCode::Control) {
                in.ctrlDown = true;
            } else if (in.ctrlDown) {
                if (int id = shortcutMenuId(m.keyCode)) menuAction(id);
            }
            break;
        case MessageKind::KeyUp:
            if (m.keyCode == KeyCode::Control) in.ctrlDown = false;
            break;
        case MessageKind::Character:
            if (!in.ctrlDown) {
                in.pendingKind = EventKind::Keyboard;
                in.eventKey = static_cast<char>(m.character);
            }
            break;
        case MessageKind::Command:
            if (m.commandId >= MenuId::Animate && m.commandId <= MenuId::Quit)
                menuAction(m.commandId);
            break;
        case MessageKind::Size:
            setCentre(m.width, m.height);
            break;
        case MessageKind::Quit:
            break;  // handled by the pump
    }
}

// One pump pass: at most one message. When the caller allows it and nothing is
// pending, the pass blocks (after showing a dirty image) instead of spinning.
// Named in the web build's ASYNCIFY_ADD (gfx/backends/web/CMakeLists.txt): its virtual call of
// the back end's wait may suspend the program.
void pumpPass(bool mayBlock) {
    Message m;
    bool got = currentBackend->take(m);
    if (!got && mayBlock) {
        showIfDirty();
        currentBackend->waitForMessage(state().input.pendingKind == EventKind::Periodic);
        got = currentBackend->take(m);
    }
    if (got) {
        if (m.kind == MessageKind::Quit) {
            state().input.pendingKind = EventKind::Quit;
            return;
        }
        dispatch(m);
    }
    showIfDirty();
}

bool eventSettled() {
    const State& s = state();
    const EventKind k = s.input.pendingKind;
    return k != EventKind::None && !(k == EventKind::Periodic && !s.animation.timerFired);
}

bool wantsPeriodic() {
    const AnimationState& a = state().animation;
    return (a.framesRequested > 0 || a.animating) && state().input.pendingKind == EventKind::None;
}

void armPeriodic() {
    State& s = state();
    AnimationState& a = s.animation;
    s.input.pendingKind = EventKind::Periodic;
    a.timerFired = false;
    a.armedByAnimation = a.framesRequested == 0;
    if (a.framesRequested > 0) --a.framesRequested;
    s.script.playOnePending = false;
}

}  // namespace

void showIfDirty() {
    WindowState& w = state().window;
    if (!w.imageDirty) return;
    w.imageDirty = false;
    // Nothing drawn yet: the window still shows the white it starts with, and the image
    // need not be made (runs that never draw, such as the script fuzzer, stay light).
    if (w.offScreen) currentBackend->present(w.offScreen->image());
}

// Named in the web build's ASYNCIFY_ADD (gfx/backends/web/CMakeLists.txt): its virtual call of
// poll() may suspend the program.
bool Backend::take(Message& message) {
    if (queue_.empty()) poll();
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void setBackend(std::unique_ptr<Backend> b) {
    delete currentBackend;
    currentBackend = b.release();
}
Backend* backend() {
    return currentBackend;
}

}  // namespace gfx

using namespace gfx;

void gfxStoreStartup(const Startup& startup) {
    startupValues = startup;
}
const Startup& gfxStartup() {
    return startupValues;
}

int gfxOpen(void*, void*, const char*, int showMode) {
    if (!currentBackend) return 0;  // no window system to open
    State& s = state();
    s.animation.animating = false;
    s.animation.framesRequested = 0;
    identityBeforeOpening();
    currentBackend->open(showMode);
    setCentre(ClientWidth, ClientHeight);
    s.window.open = true;
    currentBackend->setMenuCheck(MenuId::Logging, s.log.loggingOn);
    identityAfterOpening();
    return 1;
}

int gfxClaimDisplay() {
    bool& made = state().window.displayMade;
    if (made) return 0;
    made = true;
    return 1;
}

int gfxClose() {
    closeScript();
    return 1;
}

int gfxSetAnimation(int code) {
    State& s = state();
    AnimationState& a = s.animation;
    if (!s.window.open) return 0;
    switch (code) {
        case AnimationCode::Halt:
            a.framesRequested = 0;
            a.animating = false;
            break;
        case AnimationCode::OneFrame:
            if (a.framesRequested == 0) a.framesRequested = 1;
            break;
        case AnimationCode::Animate:
            a.animating = true;
            break;
        case AnimationCode::Quit:
            a.quitRequested = true;
            break;
        default:
            break;
    }
    return 1;
}

EventKind gfxAwaitEvent(int& x, int& y, char& key) {
    State& s = state();
    InputState& in = s.input;
    in.pendingKind = EventKind::None;
    in.eventKey = 0;
    in.eventY = 0;
    in.eventX = 0;
    while (!eventSettled()) {
        // Block only when nothing can change without a new message.
        const bool scripted = s.script.playOnePending || s.script.playingBack;
        pumpPass(!scripted && !wantsPeriodic());
        if (in.pendingKind == EventKind::Quit) break;  // the platform's quit ends the pass at once
        if (s.script.playOnePending || s.script.playingBack) {
            s.script.playOnePending = false;
            if (readScriptEvent()) break;  // scripted events do not wait for the timer
            stopPlayback();
        }
        if (wantsPeriodic()) armPeriodic();
    }
    // What is recorded is what the application sees.
    const EventKind kind = s.animation.quitRequested ? EventKind::Quit : in.pendingKind;
    if (s.script.recording) recordEvent(kind, in.eventX, in.eventY, in.eventKey);
    x = in.eventX;
    y = in.eventY;
    key = in.eventKey;
    if (toolHooks().eventObserver) toolHooks().eventObserver(kind, x, y, key);
    return kind;
}

long long gfxCalendarTime() {
    Backend* b = currentBackend;
    return b ? static_cast<long long>(b->calendarTime())
             : static_cast<long long>(std::time(nullptr));
}
