#include "gfx/tools/compare/gif_reader.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

#include "gfx/files/safe_file.h"

namespace gfx {

namespace {

std::uint32_t opaque(const GifColorType& c) {
    return 0xFF000000u | static_cast<std::uint32_t>(c.Red) << 16 |
           static_cast<std::uint32_t>(c.Green) << 8 | c.Blue;
}

// The rows of an interlaced image in the order they are stored: every 8th from 0, every
// 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    constexpr int Start[] = {0, 4, 2, 1}, Step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = Start[pass]; y < height; y += Step[pass]) rows.push_back(y);
    return rows;
}

}  // namespace

GifReader::~GifReader() {
    int code = 0;
    if (gif_) DGifCloseFile(gif_, &code);
}

bool GifReader::fail(const std::string& what, std::string& error) {
    const int code = gif_ ? gif_->Error : 0;
    // giflib reports a file that ends early as a failed read.
    if (code == D_GIF_ERR_READ_FAILED)
        error = path_ + " is cut short: the GIF ends " + what;
    else
        error = path_ + " is a damaged GIF: " + (code ? GifErrorString(code) : what);
    return false;
}

bool GifReader::open(const std::string& path, std::string& error) {
    std::string why;
    if (!readableFile(path, why)) {
        error = path + ": " + why;
        return false;
    }
    path_ = path;
    int code = 0;
    gif_ = DGifOpenFileName(path.c_str(), &code);
    if (!gif_) {
        error = code == D_GIF_ERR_NOT_GIF_FILE || code == D_GIF_ERR_READ_FAILED
                    ? path + " is not a GIF file"
                    : path + " is a damaged GIF: " + GifErrorString(code);
        return false;
    }
    if (gif_->SWidth < 1 || gif_->SHeight < 1 || gif_->SWidth > Picture::MaxSide ||
        gif_->SHeight > Picture::MaxSide) {
        error = path + " is " + std::to_string(gif_->SWidth) + " x " +
                std::to_string(gif_->SHeight) + " pixels, outside the 1 to " +
                std::to_string(Picture::MaxSide) + " a side this command compares";
        return false;
    }
    const ColorMapObject* map = gif_->SColorMap;
    if (map && gif_->SBackGroundColor < map->ColorCount)
        background_ = opaque(map->Colors[gif_->SBackGroundColor]);
    canvas_.width = gif_->SWidth;
    canvas_.height = gif_->SHeight;
    canvas_.pixels.assign(static_cast<std::size_t>(canvas_.width) * canvas_.height, background_);
    return true;
}

bool GifReader::readExtension(std::string& error) {
    GifByteType* block = nullptr;
    int code = 0;
    if (DGifGetExtension(gif_, &code, &block) != GIF_OK) return fail("inside an extension", error);
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock control{};
        DGifExtensionToGCB(block[0], block + 1, &control);
        transparent_ = control.TransparentColor;
        disposal_ = control.DisposalMode;
    }
    while (block) {
        if (DGifGetExtensionNext(gif_, &block) != GIF_OK) return fail("inside an extension", error);
    }
    return true;
}

// What the frame before asked to be done with its rectangle before the next is drawn.
void GifReader::dispose() {
    if (lastDisposal_ == DISPOSE_PREVIOUS) {
        canvas_.pixels = saved_.pixels;
    } else if (lastDisposal_ == DISPOSE_BACKGROUND) {
        for (int y = lastTop_; y < lastTop_ + lastHeight_; ++y)
            std::fill_n(canvas_.pixels.begin() + static_cast<long>(y) * canvas_.width + lastLeft_,
                        lastWidth_, background_);
    }
}

bool GifReader::drawImage(std::string& error) {
    if (DGifGetImageDesc(gif_) != GIF_OK) return fail("inside a frame's header", error);
    const GifImageDesc& d = gif_->Image;
    if (d.Left < 0 || d.Top < 0 || d.Width < 1 || d.Height < 1 ||
        d.Left + d.Width > canvas_.width || d.Top + d.Height > canvas_.height) {
        error = path_ + " is a damaged GIF: frame " + std::to_string(frames_ + 1) +
                " lies outside the picture";
        return false;
    }
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif_->SColorMap;
    if (!map) {
        error =
            path_ + " is a damaged GIF: frame " + std::to_string(frames_ + 1) + " has no colours";
        return false;
    }
    dispose();
    if (disposal_ == DISPOSE_PREVIOUS) saved_.pixels = canvas_.pixels;
    std::vector<GifPixelType> line(static_cast<std::size_t>(d.Width));
    for (int y : rowOrder(d.Height, d.Interlace)) {
        if (DGifGetLine(gif_, line.data(), d.Width) != GIF_OK)
            return fail("inside frame " + std::to_string(frames_ + 1), error);
        std::uint32_t* row =
            canvas_.pixels.data() + static_cast<std::size_t>(d.Top + y) * canvas_.width + d.Left;
        for (int x = 0; x < d.Width; ++x) {
            const int index = line[static_cast<std::size_t>(x)];
            if (index == transparent_) continue;
            // An index past the table is drawn as the background, as viewers do.
            row[x] = index < map->ColorCount ? opaque(map->Colors[index]) : background_;
        }
    }
    lastLeft_ = d.Left;
    lastTop_ = d.Top;
    lastWidth_ = d.Width;
    lastHeight_ = d.Height;
    lastDisposal_ = disposal_;
    transparent_ = -1;
    disposal_ = DISPOSAL_UNSPECIFIED;
    ++frames_;
    return true;
}

bool GifReader::nextFrame(std::string& error) {
    error.clear();
    if (!gif_) return false;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif_, &type) != GIF_OK)
            return fail("after frame " + std::to_string(frames_), error);
        switch (type) {
            case IMAGE_DESC_RECORD_TYPE:
                return drawImage(error);
            case EXTENSION_RECORD_TYPE:
                if (!readExtension(error)) return false;
                break;
            case TERMINATE_RECORD_TYPE:
                if (frames_ == 0) {
                    error = path_ + " holds no frame";
                    return false;
                }
                return false;
            default:
                error = path_ + " is a damaged GIF: an unknown record after frame " +
                        std::to_string(frames_);
                return false;
        }
    }
}

}  // namespace gfx
