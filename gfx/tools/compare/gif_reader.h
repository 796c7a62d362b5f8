// Reads an animated GIF one frame at a time, each frame as a viewer shows it: drawn
// over the picture before it, transparent pixels keeping what was there. A run of any
// length is compared in the memory of two pictures.
#pragma once

#include <string>

#include "gfx/tools/compare/picture.h"

struct GifFileType;

namespace gfx {

class GifReader {
public:
    GifReader() = default;
    GifReader(const GifReader&) = delete;
    GifReader& operator=(const GifReader&) = delete;
    ~GifReader();

    // Opens a regular file and reads the GIF's screen: its size and colours.
    bool open(const std::string& path, std::string& error);
    int width() const { return canvas_.width; }
    int height() const { return canvas_.height; }
    // Draws the next frame, or returns false at the end (error empty) or on a damaged or
    // cut-short file (error says so).
    bool nextFrame(std::string& error);
    // The last frame drawn, as shown.
    const Picture& frame() const { return canvas_; }
    int framesRead() const { return frames_; }

private:
    bool fail(const std::string& what, std::string& error);
    // Takes the transparency and disposal of a graphic control block, skips the rest.
    bool readExtension(std::string& error);
    bool drawImage(std::string& error);
    void dispose();

    std::string path_;
    GifFileType* gif_ = nullptr;
    Picture canvas_;
    Picture saved_;  // the picture before the last frame, for its disposal
    std::uint32_t background_ = 0xFFFFFFFFu;
    // The last graphic control block's values, for the next image and its disposal.
    int transparent_ = -1;
    int disposal_ = 0;
    int lastLeft_ = 0, lastTop_ = 0, lastWidth_ = 0, lastHeight_ = 0, lastDisposal_ = 0;
    int frames_ = 0;
};

}  // namespace gfx
