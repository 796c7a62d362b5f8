// The GIF writer of a build without giflib (Windows: Debian has no MinGW build of it):
// the run is refused before it starts, with the reason, and nothing is written.
#include "gfx/tools/runner/gif_writer.h"

GifWriter::~GifWriter() = default;

bool GifWriter::open(const std::string& path, std::string& error) {
    error = "cannot write " + path +
            ": this build writes no GIF pictures (it was built without giflib); --png "
            "writes the last picture";
    return false;
}

bool GifWriter::addFrame(const gfx::PixelImage&, std::string& error) {
    error = "no GIF is open";
    return false;
}

bool GifWriter::finish(std::string& error) {
    error = "no GIF is open";
    return false;
}
