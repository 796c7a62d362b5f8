#include "gfx/render/png_writer.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <vector>

#include "gfx/files/safe_file.h"

namespace gfx {

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<unsigned char>*>(context);
    const auto* bytes = static_cast<const unsigned char*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool writePng(const PixelImage& image, const std::string& path, std::string& error) {
    FileReplacement file;
    if (!file.open(path, error)) return false;

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
    file.write(png.data(), png.size());
    return file.commit(error);
}

}  // namespace gfx
