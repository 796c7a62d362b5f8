#include "gfx/backends/win32/window_icons.h"

#include <vector>

namespace gfx {

namespace {

// The version of the icon format that CreateIconFromResourceEx reads, PNG data included.
constexpr DWORD IconFormatVersion = 0x00030000;
// A picture file larger than this is no icon.
constexpr LONGLONG MaxIconFileSize = 16 * 1024 * 1024;

bool readFile(const WideString& path, std::vector<BYTE>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size = {};
    bool read = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= MaxIconFileSize;
    if (read) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        read = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) &&
               got == bytes.size();
    }
    CloseHandle(file);
    return read;
}

HICON iconOfSize(std::vector<BYTE>& bytes, int width, int height) {
    return CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE,
                                    IconFormatVersion, width, height, LR_DEFAULTCOLOR);
}

}  // namespace

WindowIcons::~WindowIcons() {
    release();
}

bool WindowIcons::load(const WideString& path) {
    std::vector<BYTE> bytes;
    if (!readFile(path, bytes)) return false;
    // The large one at the picture's own size, the small one as the system's small icons.
    HICON big = iconOfSize(bytes, 0, 0);
    HICON small = iconOfSize(bytes, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    if (!big || !small) {
        if (big) DestroyIcon(big);
        if (small) DestroyIcon(small);
        return false;
    }
    release();
    big_ = big;
    small_ = small;
    return true;
}

void WindowIcons::applyTo(HWND window) const {
    if (!window || !loaded()) return;
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_));
}

void WindowIcons::release() {
    // Windows that still show them are given new ones, or are gone, first.
    if (big_) DestroyIcon(big_);
    if (small_) DestroyIcon(small_);
    big_ = small_ = nullptr;
}

}  // namespace gfx
