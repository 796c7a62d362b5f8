// The picture of a run, a PNG or an animated GIF, told apart by the file's first bytes
// and read as a series of frames: one for a PNG, one per periodic event for a GIF.
#pragma once

#include <memory>
#include <string>

#include "gfx/tools/compare/gif_reader.h"
#include "gfx/tools/compare/picture.h"

namespace gfx {

enum class PictureKind { Png, Gif };

class PictureStream {
public:
    // Reads a PNG whole, or a GIF's screen; refuses any other file.
    bool open(const std::string& path, std::string& error);
    PictureKind kind() const { return kind_; }
    const std::string& path() const { return path_; }
    int width() const;
    int height() const;
    // Moves to the next frame, or returns false at the end (error empty) or on a damaged
    // file.
    bool nextFrame(std::string& error);
    // The frame moved to last.
    const Picture& frame() const { return gif_ ? gif_->frame() : png_; }
    int framesRead() const;

private:
    std::string path_;
    PictureKind kind_ = PictureKind::Png;
    Picture png_;
    bool pngTaken_ = false;
    std::unique_ptr<GifReader> gif_;
};

// "a PNG picture", "a GIF picture": for messages.
const char* describe(PictureKind kind);

}  // namespace gfx
