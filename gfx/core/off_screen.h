// The off-screen image all drawing goes to, drawn by the portable renderer; back ends
// only present it.
#pragma once

#include "gfx/render/pixel_image.h"
#include "gfx/render/renderer.h"
#include "gfx/render/shape_record.h"

namespace gfx {

class OffScreen {
public:
    explicit OffScreen(PixelFormat format) : image_(format), renderer_(image_) {}
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;

    const PixelImage& image() const { return image_; }
    void render(const ShapeRecord& record, int centreX, int centreY) {
        renderer_.render(record, centreX, centreY);
    }
    void clear() { renderer_.clear(); }

private:
    PixelImage image_;
    Renderer renderer_;
};

// The library's off-screen image, made on first use in the back end's pixel format.
OffScreen& offScreen();

}  // namespace gfx
