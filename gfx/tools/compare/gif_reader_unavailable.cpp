// The GIF reader of a build without giflib (Windows: Debian has no MinGW build of it):
// a GIF is refused with the reason; PNG pictures compare as ever.
#include "gfx/tools/compare/gif_reader.h"

namespace gfx {

GifReader::~GifReader() = default;

bool GifReader::open(const std::string& path, std::string& error) {
    error = "cannot read " + path +
            ": this build reads no GIF pictures (it was built without giflib); compare "
            "PNG pictures instead";
    return false;
}

bool GifReader::nextFrame(std::string& error) {
    error.clear();
    return false;
}

}  // namespace gfx
