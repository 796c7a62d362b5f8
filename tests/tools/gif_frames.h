// Reads an animated GIF back with giflib, as a viewer shows it: each frame drawn over the
// one before, transparent pixels leaving what was there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct GifFrameInfo {
    int left, top, width, height;
    int delayCentiseconds;
    int disposal;
    int transparentIndex;  // -1 for none
};

struct GifFrames {
    int width = 0, height = 0;
    std::vector<std::uint32_t> colourTable;  // 0xRRGGBB, the global table
    bool loops = false;                      // a NETSCAPE2.0 block asks for a loop
    std::vector<GifFrameInfo> info;
    std::vector<std::vector<std::uint32_t>> pictures;  // 0xRRGGBB, row by row, as shown

    std::uint32_t rgbAt(int frame, int x, int y) const {
        return pictures[frame][static_cast<std::size_t>(y) * width + x];
    }
};

// Reads the file; on failure returns false with giflib's reason.
bool readGifFrames(const std::string& path, GifFrames& out, std::string& error);
