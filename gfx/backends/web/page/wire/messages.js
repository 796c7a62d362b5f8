// The numbers the page shares with the program: the library's message kinds, its key
// codes, and the ids of the menu items the page acts on itself. Their one source is
// the library: the program hands them over by name when it opens its window
// (defineWire), and the page's events carry them in named fields.
// May not: hold a number of its own.
export const Message = {};
export const KeyCode = {};
export const MenuId = {};

// The names the page uses; a program that gives one of them no number disagrees with
// the page, which then refuses to run rather than send wrong messages.
const Needed = {
  Message: ['Timer', 'LeftClick', 'KeyDown', 'KeyUp', 'Character', 'Command', 'Size', 'Quit'],
  KeyCode: ['Control', 'Other'],
  MenuId: ['Logging', 'RecordScript', 'PlaybackScript'],
};
const groups = { Message, KeyCode, MenuId };
let defined = false;

// wire: { Message: { Timer: 0, ... }, KeyCode: { ... }, MenuId: { ... } }.
export function defineWire(wire) {
  const missing = Object.entries(Needed).flatMap(([group, names]) =>
    names.filter((n) => !Number.isInteger(wire?.[group]?.[n])).map((n) => `${group}.${n}`),
  );
  if (missing.length) throw new Error(`The program gives the page no number for ${missing.join(', ')}`);
  for (const [group, numbers] of Object.entries(groups)) Object.assign(numbers, wire[group]);
  defined = true;
}

// Until the program has opened its window, the page has nothing to send it.
export const wireDefined = () => defined;
