#include "gfx/render/png_writer.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "gfx/render/regular_file.h"

namespace gfx {

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::string reason() {
    return std::strerror(errno);
}

// Creates a file that did not exist, so that no other file is ever overwritten.
std::FILE* createFresh(const std::string& base, std::string& name, std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + ".tmp" + (attempt ? std::to_string(attempt) : "");
        if (std::FILE* f = std::fopen(name.c_str(), "wbx")) return f;
        if (errno != EEXIST) break;
    }
    error = "cannot create " + name + ": " + reason();
    return nullptr;
}

}  // namespace

bool writePng(const PixelImage& image, const std::string& path, std::string& error) {
    const FileKind kind = fileKind(path);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
        error = path + " is not a regular file";
        return false;
    }

    const int w = image.width(), h = image.height();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = image.rgbAt(x, y);
            unsigned char* p = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
            p[0] = static_cast<unsigned char>(v >> 16);
            p[1] = static_cast<unsigned char>(v >> 8);
            p[2] = static_cast<unsigned char>(v);
        }
    std::vector<unsigned char> png;
    if (!stbi_write_png_to_func(append, &png, w, h, 3, rgb.data(), w * 3)) {
        error = "cannot encode the picture as PNG";
        return false;
    }

    std::string temporary;
    std::FILE* f = createFresh(path, temporary, error);
    if (!f) return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    const std::string writeError = written ? "" : reason();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        error = "cannot write " + temporary + ": " + (written ? reason() : writeError);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temporary + " to " + path + ": " + reason();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace gfx
