#include "gfx/tools/compare/picture_stream.h"

#include <cstdio>
#include <cstring>

#include "gfx/files/safe_file.h"
#include "gfx/tools/compare/png_reader.h"

namespace gfx {

namespace {

// The first bytes of the file, fewer when it is shorter; false when it cannot be read.
bool firstBytes(const std::string& path, char (&bytes)[8], std::size_t& got, std::string& error) {
    std::string why;
    if (!readableFile(path, why)) {
        error = path + ": " + why;
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return true;
}

}  // namespace

const char* describe(PictureKind kind) {
    return kind == PictureKind::Png ? "a PNG picture" : "a GIF picture";
}

bool PictureStream::open(const std::string& path, std::string& error) {
    path_ = path;
    char bytes[8] = {};
    std::size_t got = 0;
    if (!firstBytes(path, bytes, got, error)) return false;
    if (got >= 4 && std::memcmp(bytes, "\x89PNG", 4) == 0) {
        kind_ = PictureKind::Png;
        return readPng(path, png_, error);
    }
    if (got >= 6 &&
        (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0)) {
        kind_ = PictureKind::Gif;
        gif_ = std::make_unique<GifReader>();
        return gif_->open(path, error);
    }
    error =
        path + (got == 0 ? " is empty, not a PNG or GIF picture" : " is not a PNG or GIF picture");
    return false;
}

int PictureStream::width() const {
    return gif_ ? gif_->width() : png_.width;
}

int PictureStream::height() const {
    return gif_ ? gif_->height() : png_.height;
}

int PictureStream::framesRead() const {
    return gif_ ? gif_->framesRead() : static_cast<int>(pngTaken_);
}

bool PictureStream::nextFrame(std::string& error) {
    error.clear();
    if (gif_) return gif_->nextFrame(error);
    if (pngTaken_) return false;
    pngTaken_ = true;
    return true;
}

}  // namespace gfx
