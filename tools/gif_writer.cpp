#include "tools/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "gfx/palette.h"

namespace {

constexpr int ColourCount = palette::ColourCount;
// A GIF colour table has a power of two entries: the palette's 24 and 8 unused.
constexpr int TableSize = 32;

// The palette's colours as 0xRRGGBB, read through the image type so that the GIF's
// table is the renderer's own.
std::array<std::uint32_t, ColourCount> paletteRgb() {
    const gfx::PixelImage reference(gfx::PixelFormat::Xrgb32);
    std::array<std::uint32_t, ColourCount> rgb{};
    for (int i = 0; i < ColourCount; ++i) rgb[i] = reference.value(i) & 0xFFFFFFu;
    return rgb;
}

// Creates a file that did not exist, so that no other file is ever overwritten.
std::FILE* createFresh(const std::string& base, std::string& name, std::string& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = base + ".tmp" + (attempt ? std::to_string(attempt) : "");
        if (std::FILE* f = std::fopen(name.c_str(), "wbx")) return f;
        if (errno != EEXIST) break;
    }
    error = "cannot create " + name + ": " + std::strerror(errno);
    return nullptr;
}

// The smallest rectangle that holds every pixel where a and b differ; empty when none.
struct Rect {
    int left = 0, top = 0, right = -1, bottom = -1;
    bool empty() const { return right < left; }
};

Rect changedRect(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, int width,
                 int rows) {
    Rect r{width, rows, -1, -1};
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* pa = &a[static_cast<std::size_t>(y) * width];
        const std::uint8_t* pb = &b[static_cast<std::size_t>(y) * width];
        if (std::memcmp(pa, pb, static_cast<std::size_t>(width)) == 0) continue;
        int x0 = 0;
        while (pa[x0] == pb[x0]) ++x0;
        int x1 = width - 1;
        while (pa[x1] == pb[x1]) --x1;
        r.left = std::min(r.left, x0);
        r.right = std::max(r.right, x1);
        r.top = std::min(r.top, y);
        r.bottom = y;
    }
    if (r.right < 0) return Rect{};
    return r;
}

}  // namespace

int GifWriter::writeBytes(GifFileType* gif, const GifByteType* bytes, int size) {
    auto* sink = static_cast<Sink*>(gif->UserData);
    errno = 0;
    const std::size_t n = std::fwrite(bytes, 1, static_cast<std::size_t>(size), sink->file);
    if (n != static_cast<std::size_t>(size)) sink->writeErrno = errno ? errno : EIO;
    return static_cast<int>(n);
}

GifWriter::~GifWriter() {
    abandon();
}

void GifWriter::abandon() {
    int code = 0;
    if (gif_) EGifCloseFile(gif_, &code);
    gif_ = nullptr;
    if (sink_.file) {
        std::fclose(sink_.file);
        std::remove(temporary_.c_str());
    }
    sink_.file = nullptr;
}

std::string GifWriter::writeFailure() const {
    return "cannot write " + temporary_ + ": " +
           std::strerror(sink_.writeErrno ? sink_.writeErrno : EIO);
}

bool GifWriter::open(const std::string& path, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        error = path + " is not a regular file";
        return false;
    }
    path_ = path;
    sink_.file = createFresh(path, temporary_, error);
    if (!sink_.file) return false;

    int code = 0;
    gif_ = EGifOpen(&sink_, writeBytes, &code);
    if (!gif_) {
        error = std::string("cannot start the GIF: ") + GifErrorString(code);
        abandon();
        return false;
    }
    EGifSetGifVersion(gif_, true);  // delays, transparency and the loop are GIF89 extensions

    std::array<GifColorType, TableSize> colours{};
    const auto rgb = paletteRgb();
    for (int i = 0; i < ColourCount; ++i)
        colours[i] = {static_cast<GifByteType>(rgb[i] >> 16), static_cast<GifByteType>(rgb[i] >> 8),
                      static_cast<GifByteType>(rgb[i])};
    ColorMapObject* map = GifMakeMapObject(TableSize, colours.data());
    const bool described =
        map && EGifPutScreenDesc(gif_, Width, Rows, 8, palette::White, map) == GIF_OK;
    GifFreeMapObject(map);
    // Played in a loop, as browsers show the README's picture.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType loopForever[] = {1, 0, 0};
    const bool looped = described &&
                        EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
                        EGifPutExtensionBlock(gif_, 11, netscape) == GIF_OK &&
                        EGifPutExtensionBlock(gif_, 3, loopForever) == GIF_OK &&
                        EGifPutExtensionTrailer(gif_) == GIF_OK;
    if (!looped) {
        error = writeFailure();
        abandon();
        return false;
    }
    const std::size_t pixels = static_cast<std::size_t>(Width) * Rows;
    previous_.assign(pixels, 0);
    current_.assign(pixels, 0);
    line_.assign(Width, 0);
    return true;
}

bool GifWriter::toIndices(const gfx::PixelImage& image, std::string& error) {
    std::array<std::uint32_t, ColourCount> values{};
    for (int i = 0; i < ColourCount; ++i) values[i] = image.value(i);
    const std::uint32_t* pixels = image.data();
    std::uint32_t lastValue = values[palette::White];
    std::uint8_t lastIndex = palette::White;
    for (std::size_t i = 0; i < current_.size(); ++i) {
        // Neighbours mostly share a colour: the last one found saves the search.
        if (pixels[i] != lastValue) {
            const auto* found = std::find(values.begin(), values.end(), pixels[i]);
            if (found == values.end()) {
                const int x = static_cast<int>(i % Width), y = static_cast<int>(i / Width);
                char rgb[8];
                std::snprintf(rgb, sizeof rgb, "%06X", image.rgbAt(x, y));
                error = "the picture holds #" + std::string(rgb) + " at pixel (" +
                        std::to_string(x) + ", " + std::to_string(y) +
                        "), which is no palette colour";
                return false;
            }
            lastValue = pixels[i];
            lastIndex = static_cast<std::uint8_t>(found - values.begin());
        }
        current_[i] = lastIndex;
    }
    return true;
}

bool GifWriter::putFrame(int left, int top, int width, int height, bool transparent) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;  // the next frame draws over this one
    control.UserInputFlag = false;
    control.DelayTime = DelayCentiseconds;
    control.TransparentColor = transparent ? TransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) !=
            GIF_OK ||
        EGifPutImageDesc(gif_, left, top, width, height, false, nullptr) != GIF_OK)
        return false;
    for (int y = top; y < top + height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * Width;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t now = current_[row + left + x];
            line_[x] = transparent && now == previous_[row + left + x] ? TransparentIndex : now;
        }
        if (EGifPutLine(gif_, line_.data(), width) != GIF_OK) return false;
    }
    return true;
}

bool GifWriter::addFrame(const gfx::PixelImage& image, std::string& error) {
    if (!gif_) {
        error = "no GIF is open";
        return false;
    }
    if (!toIndices(image, error)) {
        abandon();
        return false;
    }
    bool written;
    if (frames_ == 0) {
        written = putFrame(0, 0, Width, Rows, false);
    } else {
        Rect r = changedRect(previous_, current_, Width, Rows);
        // A frame that changed nothing still takes its 100 ms: one pixel that stayed.
        if (r.empty()) r = Rect{0, 0, 0, 0};
        written = putFrame(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1, true);
    }
    if (!written || sink_.writeErrno != 0) {
        error = writeFailure();
        abandon();
        return false;
    }
    previous_.swap(current_);
    ++frames_;
    return true;
}

bool GifWriter::finish(std::string& error) {
    if (!gif_) {
        error = "no GIF is open";
        return false;
    }
    if (frames_ == 0) {
        error = "no frame to write to " + path_;
        abandon();
        return false;
    }
    // Closing writes the trailer; the file itself is this writer's to close.
    int code = 0;
    // giflib does not check the write of the trailer: the sink does.
    const bool ended = EGifCloseFile(gif_, &code) == GIF_OK && sink_.writeErrno == 0;
    gif_ = nullptr;
    const bool flushed = ended && std::fflush(sink_.file) == 0;
    if (!flushed && sink_.writeErrno == 0) sink_.writeErrno = errno;
    const bool closed = std::fclose(sink_.file) == 0;
    if (flushed && !closed) sink_.writeErrno = errno;
    sink_.file = nullptr;
    if (!flushed || !closed) {
        error = writeFailure();
        std::remove(temporary_.c_str());
        return false;
    }
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = "cannot rename " + temporary_ + " to " + path_ + ": " + std::strerror(errno);
        std::remove(temporary_.c_str());
        return false;
    }
    return true;
}
