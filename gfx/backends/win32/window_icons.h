// The icon that the program names for its windows: a picture file, read into a large
// and a small icon, and given to each window.
#pragma once

#include "gfx/backends/win32/wide_string.h"
#include "gfx/backends/win32/windows_api.h"

namespace gfx {

class WindowIcons {
public:
    WindowIcons() = default;
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;
    ~WindowIcons();

    // Reads the picture (a PNG file) in both sizes; false when the file cannot be read or
    // holds no picture the system takes, and the icons read before stay.
    bool load(const WideString& path);
    // Gives the window the icons read; without any, it keeps its class's.
    void applyTo(HWND window) const;
    bool loaded() const { return big_ != nullptr; }

private:
    void release();

    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace gfx
