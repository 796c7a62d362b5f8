#include "gfx/backends/win32/dpi_awareness.h"

#include "gfx/backends/win32/dpi_scale.h"

namespace gfx {

namespace {

using SetAwarenessContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using SetAware = BOOL(WINAPI*)();
using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForSystem = UINT(WINAPI*)();
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Looked up at run time: linked directly, the program would not start where user32
// lacks them.
template <class Function>
Function user32Function(const char* name) {
    static const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (!user32) return nullptr;
    // Through the generic function type, the one cast between function types that
    // says it changes the type on purpose.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : BaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : BaseDpi;
}

}  // namespace

void becomeDpiAware() {
    // Fails harmlessly when the manifest has set the awareness already.
    if (const auto set = user32Function<SetAwarenessContext>("SetProcessDpiAwarenessContext")) {
        set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        return;
    }
    if (const auto set = user32Function<SetAware>("SetProcessDPIAware")) set();
}

int windowDpi(HWND window) {
    static const auto forWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    if (window && forWindow)
        if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
    return systemDpi();
}

int systemDpi() {
    static const auto forSystem = user32Function<DpiForSystem>("GetDpiForSystem");
    if (forSystem)
        if (const UINT dpi = forSystem()) return static_cast<int>(dpi);
    return screenDpi();
}

RECT outerRectOf(const RECT& client, DWORD style, bool hasMenu, DWORD exStyle, int dpi) {
    static const auto adjust = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT outer = client;
    if (adjust && adjust(&outer, style, hasMenu, exStyle, static_cast<UINT>(dpi))) return outer;
    // Without it, the metrics are the system DPI's: right wherever the system has only one.
    outer = client;
    AdjustWindowRectEx(&outer, style, hasMenu, exStyle);
    return outer;
}

}  // namespace gfx
