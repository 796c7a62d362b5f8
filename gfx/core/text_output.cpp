// gfxPrintf into the text window's history, and the string-input dialog.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/core/backend.h"
#include "gfx/core/format_buffer.h"
#include "gfx/core/log_line.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/gfx.h"

using namespace gfx;

namespace {
constexpr int PromptWidth = 79;
constexpr int ReplySize = 256;
}  // namespace

int gfxPrintf(const char* format, ...) {
    char buffer[FormatBufferSize];
    va_list args;
    va_start(args, format);
    const int n = formatInto(buffer, format, args);
    va_end(args);
    writeTextLine(std::string_view(buffer, static_cast<std::size_t>(n)));
    return n;
}

void gfx::writeTextLine(std::string_view line) {
    TextHistory& history = state().log.history;
    history.add(line);
    if (toolHooks().echoText) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        if (line.empty() || line.back() != '\n') std::fputc('\n', stdout);
    }
    if (Backend* b = backend()) b->textAppended(history);
}

// Named in the web build's ASYNCIFY_ADD (gfx/backends/web/CMakeLists.txt): its virtual call of the
// back end's dialog may suspend the program.
int gfxGets(const char* prompt, char* reply) {
    std::string shown(prompt);
    shown.resize(PromptWidth, ' ');  // cut or padded to exactly 79 characters
    std::string text;
    Backend* b = backend();
    if (!b || !b->runInputDialog(shown, text)) return 0;
    std::size_t n = std::min<std::size_t>(text.size(), ReplySize - 1);
    std::memcpy(reply, text.data(), n);
    reply[n] = '\0';
    return 1;
}
