// The drawing log of a fixed-seed run of 3,000 heavy-traffic ticks against a stored
// trace: one line per turn of the main loop with the number of log lines of that turn
// and a digest of them. To accept a deliberate change of behaviour, run this test
// with TOWN_UPDATE_GOLDEN=1 and commit the rewritten trace.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/core/library_reset.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/script.h"
#include "gfx/core/tool_hooks.h"
#include "tests/support/headless_session.h"
#include "tests/support/scratch_folder.h"

namespace {

// Digests the text-window lines of each turn instead of keeping them all.
class DigestingBackend : public gfx::HeadlessBackend {
public:
    void textAppended(const gfx::TextHistory& history) override {
        for (unsigned char c : history.newest()) hash_ = (hash_ ^ c) * 1099511628211ull;
        ++lines_;
    }
    void endTurn() {
        std::ostringstream out;
        out << lines_ << ' ' << std::hex << hash_;
        turns.push_back(out.str());
        hash_ = 14695981039346656037ull;
        lines_ = 0;
    }
    std::vector<std::string> turns;

private:
    std::uint64_t hash_ = 14695981039346656037ull;
    int lines_ = 0;
};

std::vector<std::string> runTrace() {
    // The script by its name alone, which its end's message holds: the same everywhere.
    const TemporaryWorkingDirectory folder;
    const std::string script = "heavy.scr";
    std::ofstream(script, std::ios::binary) << "DROVA_MOUSE(150, -230);\nDROVA_PERIODIC(3000);\n";

    DigestingBackend& backend = gfx::resetLibraryWith<DigestingBackend>();
    backend.setCalendarTime(1);
    gfx::toolHooks().scriptFileName = script;
    backend.post(gfx::Message::command(gfx::MenuId::Logging));
    backend.post(gfx::Message::command(gfx::MenuId::PlaybackScript));
    // When the script has ended nothing is left to do: quit.
    backend.setIdleHandler([](gfx::HeadlessBackend& b) { b.post(gfx::Message::quit()); });
    gfx::toolHooks().eventObserver = [&backend](EventKind, int, int, char) { backend.endTurn(); };
    appMain();
    backend.endTurn();
    std::vector<std::string> turns = std::move(backend.turns);
    gfx::resetLibrary();
    return turns;
}

TEST(GoldenTrace, HeavyTrafficRunMatchesTheStoredTrace) {
    const std::vector<std::string> actual = runTrace();
    ASSERT_GT(actual.size(), 3000u);

    if (std::getenv("TOWN_UPDATE_GOLDEN")) {
        std::ofstream out(GOLDEN_TRACE_FILE, std::ios::binary);
        for (const auto& t : actual) out << t << '\n';
        GTEST_SKIP() << "trace rewritten: " << GOLDEN_TRACE_FILE;
    }

    std::ifstream in(GOLDEN_TRACE_FILE);
    ASSERT_TRUE(in) << "no stored trace at " << GOLDEN_TRACE_FILE;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);

    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i])
            << "first difference in turn " << i << " (lines and digest of the turn's drawing log)";
    EXPECT_EQ(actual.size(), expected.size());
}

}  // namespace
