#include "gfx/backends/win32/picture_painter.h"

#include <algorithm>

#include "gfx/core/client_area.h"

namespace gfx {

void paintPicture(HDC dc, const PixelImage& image, int scale) {
    const int width = std::min(ClientWidth, image.width());
    const int height = std::min(ClientHeight, image.height());
    BITMAPINFO info = {};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    // The image's rows are its full width apart (a multiple of four bytes, as DIB rows
    // are); only the rows shown are declared, so the DIB is exactly the picture and its
    // origin needs no reckoning.
    header.biWidth = image.width();
    header.biHeight = -height;  // top-down: the first row is the top one
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    if (scale <= 1) {
        SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, image.data(), &info,
                          DIB_RGB_COLORS);
        return;
    }
    // Each picture pixel becomes a whole square of device pixels: no blending.
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, width * scale, height * scale, 0, 0, width, height, image.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
    if (oldMode) SetStretchBltMode(dc, oldMode);
}

}  // namespace gfx
