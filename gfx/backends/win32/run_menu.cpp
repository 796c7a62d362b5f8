#include "gfx/backends/win32/run_menu.h"

#include "gfx/backends/win32/latin1_text.h"
#include "gfx/core/menu_items.h"

namespace gfx {

HMENU makeRunMenuBar() {
    HMENU bar = CreateMenu();
    HMENU run = CreatePopupMenu();
    if (!bar || !run) {
        if (bar) DestroyMenu(bar);
        if (run) DestroyMenu(run);
        return nullptr;
    }
    for (const MenuItem& item : runMenuItems()) {
        if (!item.text) {
            AppendMenuW(run, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        // The text after the tab is shown as the shortcut label; the shortcuts themselves
        // are the library's, from the Ctrl key state, like any key.
        const WideString label = widenLatin1(menuLabel(item));
        UINT flags = MF_STRING;
        if (item.checkable && item.checked) flags |= MF_CHECKED;
        if (item.greyed) flags |= MF_GRAYED;
        AppendMenuW(run, flags, static_cast<UINT_PTR>(item.id), label.c_str());
    }
    const WideString title = widenLatin1(RunMenuTitle);
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), title.c_str());
    return bar;
}

void setRunMenuCheck(HMENU menuBar, int id, bool checked) {
    // The credits share one identifier and carry no check mark.
    if (!menuBar || id == MenuId::Credit) return;
    CheckMenuItem(menuBar, static_cast<UINT>(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace gfx
