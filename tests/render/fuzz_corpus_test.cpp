// The renderer's fuzz entry replays every committed seed; a failed check aborts the
// test program.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(RenderFuzzCorpus, EverySeedIsDrawnWithOnlyPaletteColours) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TOWN_RENDER_FUZZ_CORPUS_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
        ++seeds;
    }
    EXPECT_GE(seeds, 6);
}
