// The template for a new back end runs the library from open to close as it stands:
// drawing goes to the image, and the first wait ends the run instead of hanging it.
#include "gfx/backends/template/template_backend.h"

#include <gtest/gtest.h>

#include "gfx/core/library_reset.h"
#include "gfx/core/state.h"
#include "vehicles/library_names.h"

namespace {

TEST(TemplateBackend, RunsTheLibraryToACleanEnd) {
    gfx::resetLibraryWith<gfx::TemplateBackend>();
    {
        Display display;
        EXPECT_TRUE(gfx::state().window.open);
        display.setAnimation(AnimationMode::Animate);
        display.drawCircle(0, 0, 10, palette::Blue);
        int x = 0, y = 0;
        char key = 0;
        EXPECT_EQ(display.awaitEvent(x, y, key), EventKind::Quit);
    }
    gfx::resetLibrary();
}

}  // namespace
