// The Windows entry: a program that links it and defines appMain gets the windows, the
// menu and the text window.
#include <memory>
#include <string>

#include "gfx/backends/win32/ending_guard.h"
#include "gfx/backends/win32/utf8_text.h"
#include "gfx/backends/win32/win32_backend.h"
#include "gfx/backends/win32/windows_api.h"
#include "gfx/core/opening.h"
#include "gfx/gfx.h"

namespace {

// The command line in UTF-8, as the library's text is.
std::string narrowUtf8(const wchar_t* text) {
    if (!text || !*text) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.pop_back();  // the terminating zero
    return narrow;
}

// The program's file name, for the message that it cannot start.
std::wstring programName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring full(path, n);
    return full.substr(full.find_last_of(L"\\/") + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previousInstance, PWSTR commandLine,
                    int showMode) {
    const gfx::EndingGuard guard;
    auto backend = std::make_unique<gfx::Win32Backend>(instance, previousInstance,
                                                       gfx::EndingGuard::endWithSession);
    if (!backend->started()) {
        const std::wstring name = programName();
        const std::wstring text = name + L" cannot start: " + backend->startProblem();
        MessageBoxW(nullptr, text.c_str(), name.c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    // Kept for the whole run: the library keeps the pointer.
    static const std::string arguments = narrowUtf8(commandLine);
    gfx::setBackend(std::move(backend));
    gfxStoreStartup({instance, previousInstance, arguments.c_str(), showMode});
    appMain();
    gfx::setBackend(nullptr);
    return 0;
}
