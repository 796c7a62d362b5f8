// Opening the library, the message pump and the event wait.
#include <memory>

#include "gfx/core/backend.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/script.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {
// Deliberately not destroyed at process exit: a back end's windows must not outlive
// the window system, which exit() may already have torn down.
Backend* currentBackend = nullptr;
GfxStartup startupValues;

void setCentre(int clientWidth, int clientHeight) {
    // Integer centre of the client rectangle (left and top are 0).
    state().centreX = clientWidth / 2;
    state().centreY = clientHeight / 2;
}

void postQuit() {
    // The quit request travels as a message, so it reaches the event wait in order.
    state().pendingKind = 4;
}

void menuAction(int id) {
    State& s = state();
    switch (id) {
        case MenuId::Animate:
            s.animating = true;
            break;
        case MenuId::Halt:
            s.animating = false;
            break;
        case MenuId::AdvanceFrame:
            s.animating = false;
            // A periodic event already waiting for its tick is the one frame asked for.
            s.stepPending = s.pendingKind != 3;
            break;
        case MenuId::Logging:
            gfxSetLogging(!s.loggingOn);
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
            postQuit();
            break;
        default:
            break;  // greyed credits and unknown identifiers do nothing
    }
}

int shortcutMenuId(int keyCode) {
    switch (keyCode) {
        case 'A':
            return MenuId::Animate;
        case 'H':
            return MenuId::Halt;
        case 'F':
            return MenuId::AdvanceFrame;
        case 'L':
            return MenuId::Logging;
        case 'R':
            return MenuId::RecordScript;
        case 'P':
            return MenuId::PlaybackScript;
        case 'O':
            return MenuId::PlayOne;
        case 'Q':
            return MenuId::Quit;
        default:
            return 0;
    }
}

// The graphics window's handling of one message.
void dispatch(const Message& m) {
    State& s = state();
    switch (m.kind) {
        case MessageKind::Timer:
            s.timerFired = true;
            break;
        case MessageKind::LeftClick:
            s.pendingKind = 1;
            s.eventX = (m.a & 0xFFFF) - s.centreX;
            s.eventY = s.centreY - (m.b & 0xFFFF);
            break;
        case MessageKind::KeyDown:
            if (m.a == KeyCode::Control) {
                s.ctrlDown = true;
            } else if (s.ctrlDown) {
                if (int id = shortcutMenuId(m.a)) menuAction(id);
            }
            break;
        case MessageKind::KeyUp:
            if (m.a == KeyCode::Control) s.ctrlDown = false;
            break;
        case MessageKind::Character:
            if (!s.ctrlDown) {
                s.pendingKind = 2;
                s.eventKey = static_cast<char>(m.a);
            }
            break;
        case MessageKind::Command:
            if (m.a >= MenuId::Animate && m.a <= MenuId::Quit) menuAction(m.a);
            break;
        case MessageKind::Size:
            setCentre(m.a, m.b);
            break;
        case MessageKind::Quit:
            break;  // handled by the pump
    }
}

void showIfDirty() {
    State& s = state();
    if (s.imageDirty) {
        currentBackend->showImage();
        s.imageDirty = false;
    }
}

// One pump pass: at most one message. When the caller allows it and nothing is
// pending, the pass blocks (after showing a dirty image) instead of spinning.
void pumpPass(bool mayBlock) {
    Message m{MessageKind::Timer};
    bool got = currentBackend->takeMessage(m);
    if (!got && mayBlock) {
        showIfDirty();
        currentBackend->waitForMessage();
        got = currentBackend->takeMessage(m);
    }
    if (got) {
        if (m.kind == MessageKind::Quit) {
            state().pendingKind = 4;
            return;
        }
        dispatch(m);
    }
    showIfDirty();
}

bool eventSettled() {
    const State& s = state();
    return s.pendingKind != -1 && !(s.pendingKind == 3 && !s.timerFired);
}

}  // namespace

void setBackend(std::unique_ptr<Backend> b) {
    delete currentBackend;
    currentBackend = b.release();
}
Backend* backend() {
    return currentBackend;
}


}  // namespace gfx

using namespace gfx;

void gfxStoreStartup(const GfxStartup& startup) {
    startupValues = startup;
}
const GfxStartup& gfxStartup() {
    return startupValues;
}

int gfxOpen(void*, void*, const char*, int showMode) {
    State& s = state();
    s.animating = false;
    s.stepPending = false;
    int w = 601, h = 501;
    currentBackend->open(showMode, w, h);
    setCentre(w, h);
    s.open = true;
    currentBackend->setMenuCheck(MenuId::Logging, s.loggingOn);
    return 1;
}

int gfxClose() {
    closeScript();
    return 1;
}

int gfxSetAnimation(int code) {
    State& s = state();
    if (!s.open) return 0;
    switch (code) {
        case 0:
            s.stepPending = false;
            s.animating = false;
            break;
        case 1:
            s.stepPending = true;
            break;
        case 2:
            s.animating = true;
            break;
        case 5:
            s.quitRequested = true;
            break;
        default:
            break;
    }
    return 1;
}

int gfxAwaitEvent(int& x, int& y, char& key) {
    State& s = state();
    s.pendingKind = -1;
    s.eventKey = 0;
    s.eventY = 0;
    s.eventX = 0;
    while (!eventSettled()) {
        // Block only when nothing can change without a new message.
        bool scripted = s.playOnePending || s.playingBack;
        bool willArm = (s.stepPending || s.animating) && s.pendingKind == -1;
        pumpPass(!scripted && !willArm);
        if (s.pendingKind == 4) break;  // the platform's quit ends the pass at once
        if (s.playOnePending || s.playingBack) {
            s.playOnePending = false;
            if (readScriptEvent()) break;  // scripted events do not wait for the timer
            stopPlayback();
        }
        if ((s.stepPending || s.animating) && s.pendingKind == -1) {
            s.pendingKind = 3;
            s.timerFired = false;
            s.stepPending = false;
            s.playOnePending = false;
        }
    }
    // What is recorded is what the application sees.
    const int kind = s.quitRequested ? 4 : s.pendingKind;
    if (s.recording) recordEvent(kind, s.eventX, s.eventY, s.eventKey);
    x = s.eventX;
    y = s.eventY;
    key = s.eventKey;
    if (s.eventObserver) s.eventObserver(kind);
    return kind;
}

long long gfxCalendarTime() {
    Backend* b = currentBackend;
    return b ? static_cast<long long>(b->calendarTime())
             : static_cast<long long>(std::time(nullptr));
}
