// The page functions as emscripten imports. Bytes cross as pointers into the heap;
// texts the library makes are Latin-1, so they are passed with their length and
// decoded by the page, never as UTF-8.
#include "gfx/backends/web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>
#include <cstring>

namespace {

// clang-format off
EM_JS(void, gfx_mount_storage, (const char* folder), {
    gfxPage.mountStorage(UTF8ToString(folder), FS);
});

EM_ASYNC_JS(void, gfx_await_storage, (), { await gfxPage.storageMounted(); });

EM_JS(void, gfx_define_wire, (const char* json), {
    gfxPage.defineWire(JSON.parse(UTF8ToString(json)));
});

EM_JS(void, gfx_add_menu_item,
      (const char* title, const char* text, int id, int shortcut, int checkable, int checked,
       int greyed), {
    gfxPage.addMenuItem(UTF8ToString(title), {
        text: text ? UTF8ToString(text) : null,
        id: id,
        shortcut: shortcut ? String.fromCharCode(shortcut) : "",
        checkable: checkable != 0,
        checked: checked != 0,
        greyed: greyed != 0
    });
});

EM_JS(void, gfx_open, (int historyCapacity, int tickMilliseconds), {
    gfxPage.open(historyCapacity, tickMilliseconds);
});

// The fields in the order of takeEvent's array below; a field the kind has not is 0.
EM_JS(int, gfx_take_event, (int* out), {
    var e = gfxPage.takeEvent();
    if (!e) return 0;
    var fields = ['kind', 'x', 'y', 'width', 'height', 'keyCode', 'character', 'commandId'];
    for (var i = 0; i < fields.length; ++i) HEAP32[(out >> 2) + i] = e[fields[i]] | 0;
    return 1;
});

EM_ASYNC_JS(void, gfx_wait_for_event, (int wakeOnTimer), {
    await gfxPage.waitForEvent(wakeOnTimer != 0);
});

EM_JS(int, gfx_slice_over, (), { return gfxPage.sliceOver() ? 1 : 0; });

EM_ASYNC_JS(void, gfx_yield_to_browser, (), { await gfxPage.yieldToBrowser(); });

EM_JS(int, gfx_may_write_script, (), { return gfxPage.mayWriteScript() ? 1 : 0; });

EM_JS(void, gfx_script_changed, (const char* change), {
    gfxPage.scriptChanged(UTF8ToString(change));
});

EM_JS(int, gfx_take_save_failures, (), { return gfxPage.takeSaveFailures(); });

EM_JS(void, gfx_present, (const void* rgba, int width, int height), {
    gfxPage.present(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});

EM_JS(void, gfx_set_menu_check, (int id, int checked), {
    gfxPage.setMenuCheck(id, checked != 0);
});

EM_JS(void, gfx_set_titles, (const char* graphics, const char* text, const char* dialog), {
    gfxPage.setTitles({
        graphics : UTF8ToString(graphics),
        text : UTF8ToString(text),
        dialog : UTF8ToString(dialog)
    });
});

EM_JS(void, gfx_append_text, (const char* line, int length), {
    gfxPage.appendText(HEAPU8.subarray(line, line + length));
});

// The reply comes back as a zero-terminated Latin-1 copy in the heap, freed by the
// caller; null when no dialog can be shown.
EM_ASYNC_JS(char*, gfx_run_dialog, (const char* prompt, int length), {
    var reply = await gfxPage.runDialog(HEAPU8.slice(prompt, prompt + length));
    if (reply === null) return 0;
    var p = _malloc(reply.length + 1);
    HEAPU8.set(reply, p);
    HEAPU8[p + reply.length] = 0;
    return p;
});

EM_JS(double, gfx_calendar_time, (), { return gfxPage.calendarTime(); });

EM_JS(void, gfx_program_ended, (int status), { gfxPage.programEnded(status); });
// clang-format on

}  // namespace

namespace gfx::page {

void mountStorage(const char* folder) {
    gfx_mount_storage(folder);
}

void awaitStorage() {
    gfx_await_storage();
}

void defineWire(const std::string& json) {
    gfx_define_wire(json.c_str());
}

void addMenuItem(const char* title, const MenuItem& item) {
    gfx_add_menu_item(title, item.text, item.id, item.shortcut, item.checkable, item.checked,
                      item.greyed);
}

void open(int historyCapacity, int tickMilliseconds) {
    gfx_open(historyCapacity, tickMilliseconds);
}

bool takeEvent(Message& message) {
    for (;;) {
        int f[8] = {};
        if (!gfx_take_event(f)) return false;
        if (f[0] < 0 || f[0] > static_cast<int>(MessageKind::Quit)) continue;
        message = {.kind = static_cast<MessageKind>(f[0]),
                   .x = f[1],
                   .y = f[2],
                   .width = f[3],
                   .height = f[4],
                   .keyCode = f[5],
                   .character = f[6],
                   .commandId = f[7]};
        return true;
    }
}

void waitForEvent(bool wakeOnTimer) {
    gfx_wait_for_event(wakeOnTimer);
}

bool sliceOver() {
    return gfx_slice_over() != 0;
}

void yieldToBrowser() {
    gfx_yield_to_browser();
}

bool mayWriteScript() {
    return gfx_may_write_script() != 0;
}

void scriptChanged(const char* change) {
    gfx_script_changed(change);
}

int takeSaveFailures() {
    return gfx_take_save_failures();
}

void present(const void* rgba, int width, int height) {
    gfx_present(rgba, width, height);
}

void setMenuCheck(int id, bool checked) {
    gfx_set_menu_check(id, checked);
}

void setTitles(const std::string& graphics, const std::string& text, const std::string& dialog) {
    gfx_set_titles(graphics.c_str(), text.c_str(), dialog.c_str());
}

void appendText(const char* line, int length) {
    gfx_append_text(line, length);
}

std::optional<std::string> runDialog(const std::string& prompt) {
    char* reply = gfx_run_dialog(prompt.data(), static_cast<int>(prompt.size()));
    if (!reply) return std::nullopt;
    std::string text(reply, std::strlen(reply));
    std::free(reply);
    return text;
}

double calendarTime() {
    return gfx_calendar_time();
}

void programEnded(int status) {
    gfx_program_ended(status);
}

}  // namespace gfx::page
