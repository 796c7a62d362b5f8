#include "gfx/backends/win32/window_classes.h"

#include "gfx/backends/win32/graphics_window.h"
#include "gfx/backends/win32/text_window.h"
#include "gfx/backends/win32/window_procedure.h"

namespace gfx {

namespace {

// The icon resource that a program's resources give it (gfx_win32_program).
constexpr WORD ProgramIconId = 1;

HICON programIcon(HINSTANCE instance, int metricX, int metricY) {
    const int width = GetSystemMetrics(metricX), height = GetSystemMetrics(metricY);
    if (auto* own = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ProgramIconId),
                                                  IMAGE_ICON, width, height, LR_SHARED)))
        return own;
    return static_cast<HICON>(
        LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
}

bool registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW c = {};
    c.cbSize = sizeof c;
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = procedure;
    c.hInstance = instance;
    c.hIcon = programIcon(instance, SM_CXICON, SM_CYICON);
    c.hIconSm = programIcon(instance, SM_CXSMICON, SM_CYSMICON);
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = name;
    // A second back end in one process (the tests) finds its classes there already.
    return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool registerWindowClasses(HINSTANCE instance, HINSTANCE previousInstance) {
    if (previousInstance) return true;
    return registerClass(instance, GraphicsWindowClass, windowProcedure<GraphicsWindow>) &&
           registerClass(instance, TextWindowClass, windowProcedure<TextWindow>);
}

}  // namespace gfx
