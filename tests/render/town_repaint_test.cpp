// The town's own repaints drawn by both renderers: text aside, which comes from another
// rasteriser, every pixel agrees; and every label lands where it did.
#include "tests/support/town_repaint.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "gfx/render/renderer.h"
#include "tests/render/shape_records.h"
#include "tests/support/reference_renderer.h"

namespace {

constexpr int W = gfx::PixelImage::Width, H = gfx::PixelImage::Height;

struct InkBox {
    int left = W, top = H, right = -1, bottom = -1;
    void take(int x, int y) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
};

TEST(TownRepaint, EverythingButTheTextIsDrawnAsBefore) {
    for (int ticks : {0, 3000, 20000}) {
        SCOPED_TRACE(ticks);
        const TownRepaint repaint = captureTownRepaint(ticks);
        ASSERT_GT(repaint.records.size(), 300u);
        gfx::ReferenceRenderer reference;
        gfx::PixelImage image;
        gfx::Renderer renderer(image);
        int texts = 0;
        for (const gfx::ShapeRecord& r : repaint.records) {
            if (r.kind == gfx::ShapeKind::Text) {
                ++texts;
                continue;
            }
            reference.render(r, repaint.centreX, repaint.centreY);
            renderer.render(r, repaint.centreX, repaint.centreY);
        }
        EXPECT_GT(texts, 7);
        long long differing = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                differing += (reference.image().pixel(x, y) & 0xFFFFFF) != image.rgbAt(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST(TownRepaint, EveryLabelLandsWhereItDid) {
    const TownRepaint repaint = captureTownRepaint(3000);
    int texts = 0;
    for (const gfx::ShapeRecord& r : repaint.records) {
        if (r.kind != gfx::ShapeKind::Text) continue;
        SCOPED_TRACE(r.text);
        ++texts;
        gfx::ReferenceRenderer reference;
        gfx::PixelImage image;
        gfx::Renderer renderer(image);
        gfx::ShapeRecord black = r;
        black.colour = records::Black;
        reference.render(black, repaint.centreX, repaint.centreY);
        renderer.render(black, repaint.centreX, repaint.centreY);
        InkBox before, now;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                if ((reference.image().pixel(x, y) & 0xFFFFFF) == 0) before.take(x, y);
                if (image.rgbAt(x, y) == 0) now.take(x, y);
            }
        if (before.right < 0) continue;  // off the image
        EXPECT_NEAR(now.left, before.left, 1);
        EXPECT_NEAR(now.top, before.top, 1);
        EXPECT_NEAR(now.bottom, before.bottom, 1);
        // Each advance may be a pixel off the reference's hinted one.
        EXPECT_NEAR(now.right, before.right, 1 + static_cast<int>(r.text.size()));
    }
    EXPECT_GT(texts, 7);
}

}  // namespace
