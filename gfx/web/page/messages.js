// The numbers of the library's message kinds (gfx/core/message.h, MessageKind) and
// key codes, as the page queues them for the program.
// May not: hold anything but numbers the library defines.
export const Message = Object.freeze({
  Timer: 0,
  LeftClick: 1,
  KeyDown: 2,
  KeyUp: 3,
  Character: 4,
  Command: 5,
  Size: 6,
  Quit: 7,
});

export const KeyCode = Object.freeze({ Control: 0x11, Other: 0xff });

// The menu items whose check marks the page follows (gfx/core/menu_items.h, MenuId).
export const MenuId = Object.freeze({ Logging: 4, RecordScript: 5, PlaybackScript: 6 });
