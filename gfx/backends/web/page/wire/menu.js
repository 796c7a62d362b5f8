// The "Run" menu of the menu bar, built item by item from the library's menu texts:
// opening and closing it, choosing with the mouse and the keyboard, check marks.
// May not: act on a choice itself; a chosen item is handed to onChoose, which queues
// the command for the program.

// A label of the library's menu: "&Halt animation" is "Halt animation" with H as its
// access key (shown underlined).
export function parseMenuText(label) {
  const i = label.indexOf('&');
  if (i < 0 || i === label.length - 1) return { before: label.replace('&', ''), key: '', after: '' };
  return { before: label.slice(0, i), key: label[i + 1], after: label.slice(i + 2) };
}

function accessKeyLabel(parsed) {
  const span = document.createElement('span');
  span.className = 'label';
  span.append(parsed.before);
  if (parsed.key) {
    const u = document.createElement('u');
    u.textContent = parsed.key;
    span.append(u);
  }
  span.append(parsed.after);
  return span;
}

// The Ctrl shortcuts a browser keeps for itself: their keys never reach the page, so
// the menu does not offer them. Firefox on Linux quits on Ctrl+Q (every tab closes);
// Chromium quits on Ctrl+Shift+Q and Safari on Cmd+Q, which leave Ctrl+Q to the page.
export function reservedShortcuts(userAgent = globalThis.navigator?.userAgent ?? '') {
  const firefoxOnLinux = /\bFirefox\//.test(userAgent) && /\bLinux\b/.test(userAgent) && !/\bAndroid\b/.test(userAgent);
  return new Set(firefoxOnLinux ? ['Q'] : []);
}

export class RunMenu {
  #button;
  #list;
  #onChoose;
  #onClose;
  #items = new Map(); // id -> element, the items that can be chosen
  #key = ''; // the access key of the menu title
  shortcutLetters = new Set(); // the letters of the items' Ctrl shortcuts, as the program gave them
  #disabled = false;
  #reserved = reservedShortcuts(); // shortcut letters the browser keeps

  // onChoose(id): an item was chosen; onClose(): the menu closed, the focus goes back.
  constructor(button, list, { onChoose, onClose }) {
    this.#button = button;
    this.#list = list;
    this.#onChoose = onChoose;
    this.#onClose = onClose;
    button.addEventListener('click', () => (this.isOpen ? this.close() : this.open()));
    document.addEventListener('mousedown', (event) => {
      if (this.isOpen && !event.target.closest('.menu')) this.close();
    });
  }

  // One item of the menu title (the first names the menu too), its fields named as the
  // library's menu item: text (null: a separator), id, shortcut (the letter of its Ctrl
  // shortcut, '' for none), checkable, checked and greyed.
  addItem(title, { text: itemText, id, shortcut: shortcutLetter, checkable, checked, greyed }) {
    if (!this.#button.childNodes.length) {
      const parsed = parseMenuText(title);
      this.#button.append(accessKeyLabel(parsed));
      this.#key = parsed.key.toUpperCase();
    }
    const li = document.createElement('li');
    if (itemText === null) {
      li.setAttribute('role', 'separator');
    } else {
      const parsed = parseMenuText(itemText);
      li.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
      if (checkable) li.setAttribute('aria-checked', String(checked));
      const check = document.createElement('span');
      check.className = 'check';
      const shortcut = document.createElement('span');
      shortcut.className = 'shortcut';
      // A shortcut the browser keeps is not offered; the item's access key still works.
      const offered = shortcutLetter && !this.#reserved.has(shortcutLetter);
      shortcut.textContent = offered ? `Ctrl+${shortcutLetter}` : '';
      li.append(check, accessKeyLabel(parsed), shortcut);
      if (greyed) {
        li.setAttribute('aria-disabled', 'true');
      } else {
        li.tabIndex = -1;
        li.dataset.id = String(id);
        li.dataset.key = parsed.key.toUpperCase();
        if (shortcutLetter) this.shortcutLetters.add(shortcutLetter);
        li.addEventListener('click', () => this.#choose(li));
        this.#items.set(id, li);
      }
      check.textContent = checked ? '\u2713' : '';
    }
    this.#list.append(li);
  }

  setCheck(id, checked) {
    const item = this.#items.get(id);
    if (!item) return;
    item.setAttribute('aria-checked', String(checked));
    item.querySelector('.check').textContent = checked ? '\u2713' : '';
  }

  isChecked(id) {
    return this.#items.get(id)?.getAttribute('aria-checked') === 'true';
  }

  get isOpen() {
    return !this.#list.hidden;
  }

  open() {
    if (this.#disabled) return;
    this.#list.hidden = false;
    this.#button.setAttribute('aria-expanded', 'true');
    this.#list.querySelector('[role^="menuitem"]:not([aria-disabled="true"])')?.focus();
  }

  // Closes the menu; the focus goes back where onClose puts it, or to the title.
  close({ toTitle = false } = {}) {
    if (!this.isOpen) return;
    this.#list.hidden = true;
    this.#button.setAttribute('aria-expanded', 'false');
    if (toTitle) this.#button.focus();
    else this.#onClose();
  }

  // The program has ended: the menu closes and no longer opens.
  disable() {
    this.close();
    this.#disabled = true;
    this.#button.disabled = true;
  }

  // A key pressed anywhere on the page; true when the menu took it.
  keyDown(event) {
    if (this.#disabled) return false;
    if (this.isOpen) {
      this.#openMenuKey(event);
      return true;
    }
    const opens =
      this.#isAccessKey(event) ||
      (event.key === 'ArrowDown' && document.activeElement === this.#button);
    if (!opens) return false;
    event.preventDefault();
    this.open();
    return true;
  }

  // By the key's place as well as its letter: Option+R on a Mac types "®".
  #isAccessKey(event) {
    if (!event.altKey || event.ctrlKey) return false;
    return event.code === `Key${this.#key}` || event.key.toUpperCase() === this.#key;
  }

  #choose(item) {
    this.close();
    this.#onChoose(Number(item.dataset.id));
  }

  #openMenuKey(event) {
    const items = [...this.#items.values()];
    const at = items.indexOf(document.activeElement);
    if (event.key === 'Tab') {
      // The focus moves on from the title, as the browser moves it.
      this.close({ toTitle: true });
      return;
    }
    if (event.key === 'Escape' || this.#isAccessKey(event)) {
      this.close({ toTitle: event.key === 'Escape' });
    } else if (event.altKey) {
      // Another Alt key chooses nothing.
    } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
      items[(Math.max(at, 0) + step) % items.length].focus();
    } else if (event.key === 'Enter' || event.key === ' ') {
      if (at >= 0) this.#choose(items[at]);
    } else {
      const item = items.find((i) => i.dataset.key === event.key.toUpperCase());
      if (item) this.#choose(item);
    }
    event.preventDefault();
  }
}
