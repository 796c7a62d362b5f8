// Writes the pictures of a run as an animated GIF, one frame at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/core/client_area.h"
#include "gfx/files/safe_file.h"
#include "gfx/render/pixel_image.h"

struct GifFileType;

// The frames are the graphics window's client area (the top left of the off-screen
// image), each shown for one tick as on the screen, and looped. Every pixel is one of
// the palette's 24 colours, which are the GIF's colour table, so the picture is exact.
// Each frame after the first holds only the rectangle that changed, and in it the pixels
// that stayed are transparent: traffic moves a few pixels here and there, and runs of
// one transparent index cost next to nothing.
//
// Like the PNG writer it writes through a gfx::FileReplacement: a temporary file beside
// the path, every write checked, renamed over the path only when the file is complete;
// a writer that is not finished removes its temporary file.
class GifWriter {
public:
    static constexpr int Width = gfx::ClientWidth;
    static constexpr int Rows = gfx::ClientHeight;
    static constexpr int DelayCentiseconds = gfx::TickMilliseconds / 10;
    // The palette's 24 colours and one index past them that marks a pixel that stayed.
    static constexpr int TransparentIndex = 24;

    GifWriter() = default;
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;
    ~GifWriter();

    // Creates the temporary file and writes the header. A path that names something
    // other than a regular file is refused, so that nothing but a file is ever replaced.
    bool open(const std::string& path, std::string& error);
    // Appends the image as the next frame.
    bool addFrame(const gfx::PixelImage& image, std::string& error);
    // Ends the file and renames it over the path. A GIF needs one frame at least.
    bool finish(std::string& error);

    int frames() const { return frames_; }
    // The file being written until finish() renames it.
    const std::string& temporaryPath() const { return file_.temporaryPath(); }

private:
    static int writeBytes(GifFileType* gif, const unsigned char* bytes, int size);
    bool toIndices(const gfx::PixelImage& image, std::string& error);
    bool putFrame(int left, int top, int width, int height, bool transparent);
    void abandon();

    std::string path_;
    gfx::FileReplacement file_;  // where giflib's bytes go
    GifFileType* gif_ = nullptr;
    int frames_ = 0;
    std::vector<std::uint8_t> previous_;  // the last frame's palette indices
    std::vector<std::uint8_t> current_;
    std::vector<std::uint8_t> line_;
};
