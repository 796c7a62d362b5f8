#include "tests/tools/gif_frames.h"

#include <gif_lib.h>

#include <cstring>

bool readGifFrames(const std::string& path, GifFrames& out, std::string& error) {
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    if (!gif) {
        error = GifErrorString(code);
        return false;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &code);
        return false;
    }
    out = GifFrames{};
    out.width = gif->SWidth;
    out.height = gif->SHeight;
    if (gif->SColorMap)
        for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType& c = gif->SColorMap->Colors[i];
            out.colourTable.push_back(static_cast<std::uint32_t>(c.Red) << 16 |
                                      static_cast<std::uint32_t>(c.Green) << 8 | c.Blue);
        }
    // Extensions before the first image hang on that image in giflib 5.
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        for (int e = 0; e + 1 < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& b = image.ExtensionBlocks[e];
            if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 &&
                std::memcmp(b.Bytes, "NETSCAPE2.0", 11) == 0)
                out.loops = true;
        }
    }
    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(out.width) * out.height, 0xFFFFFFu);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif, i, &control);
        const GifImageDesc& d = image.ImageDesc;
        out.info.push_back({d.Left, d.Top, d.Width, d.Height, control.DelayTime,
                            control.DisposalMode, control.TransparentColor});
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
                if (index == control.TransparentColor) continue;
                const std::size_t at = static_cast<std::size_t>(d.Top + y) * out.width + d.Left + x;
                if (at < canvas.size() && index < static_cast<int>(out.colourTable.size()))
                    canvas[at] = out.colourTable[index];
            }
        out.pictures.push_back(canvas);
    }
    DGifCloseFile(gif, &code);
    return true;
}
