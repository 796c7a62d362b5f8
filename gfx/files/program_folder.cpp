#include "gfx/files/program_folder.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace gfx {

#ifdef _WIN32
namespace {

bool isAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() > 1 && path[1] == ':');
}

// The program's own file name, asked in UTF-16 (its folder may hold any character) and
// handed on in UTF-8, the programs' code page (their manifest says so).
std::string programFile() {
    std::vector<wchar_t> name(MAX_PATH);
    DWORD n = 0;
    while ((n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()))) ==
               name.size() &&
           name.size() < 32768)
        name.resize(name.size() * 2);
    if (n == 0 || n == name.size()) return "";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, name.data(), static_cast<int>(n), nullptr, 0,
                                          nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name.data(), static_cast<int>(n), out.data(), bytes, nullptr,
                        nullptr);
    return out;
}

}  // namespace
#endif

std::string besideProgram(const std::string& path) {
#ifdef _WIN32
    if (isAbsolute(path)) return path;
    const std::string program = programFile();
    const auto slash = program.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return program.substr(0, slash + 1) + path;
#else
    return path;
#endif
}

}  // namespace gfx
