// The page of the web edition: it gives the program (the emscripten module loaded
// below) its window system. DOM handlers and the 100 ms timer only queue events; the
// program takes them while it runs and waits on the queue while it is suspended.
import { EventQueue } from './event_queue.js';
import { isShortcut, keyDownMessages, keyUpMessages } from './keys.js';
import { parseMenuText } from './menu_text.js';
import { Message } from './messages.js';
import { TextLines, toLatin1 } from './text_lines.js';

const ScriptName = 'DROVA.SCR';
const TimerPeriodMs = 100;

const params = new URLSearchParams(location.search);
const queue = new EventQueue();
const text = new TextLines();
const $ = (id) => document.getElementById(id);
const canvas = $('canvas');
// Desynchronized: the canvas is handed to the screen without waiting for the page's
// compositing, which costs a third less of the renderer's time per frame.
const context = canvas.getContext('2d', { alpha: false, desynchronized: true });

let textDirty = false;
let timer = null;
let storage = null; // { fs, idbfs, folder, synced, pending }
const menuItems = new Map(); // id -> element, the items that can be chosen
let menuKey = ''; // the access key of the menu title

// ---- what the tests and measurements read; the program never looks at it ----
const town = {
  frames: 0,
  waits: 0, // how often the program was suspended
  get ticking() {
    return timer !== null;
  },
  ended: false,
  status: null,
  get logCount() {
    return text.count;
  },
  get logDigest() {
    return text.digest;
  },
  lines: () => text.lines(),
  onLine: null, // when set, called with every line the panel is given
  menuChecked: (id) => menuItems.get(id)?.getAttribute('aria-checked') === 'true',
};
window.town = town;

// ---- the 100 ms timer ----
// It runs only while a periodic event waits for its tick: a wait for the user needs
// none, so a halted page runs nothing at all. Restarted, its first tick comes 100 ms
// after the wait began, as the desktop's timer would give it at most.
function runTimer(on) {
  if (on && timer === null) {
    timer = setInterval(() => queue.push(Message.Timer), TimerPeriodMs);
  } else if (!on && timer !== null) {
    clearInterval(timer);
    timer = null;
  }
}

// ---- the canvas: 1:1, crisp on high-density screens ----
function fitCanvas() {
  const ratio = window.devicePixelRatio || 1;
  const scale = Math.max(1, Math.round(ratio)) / ratio; // whole device pixels per pixel
  canvas.style.width = `${canvas.width * scale}px`;
  canvas.style.height = `${canvas.height * scale}px`;
  matchMedia(`(resolution: ${ratio}dppx)`).addEventListener('change', fitCanvas, {
    once: true,
  });
}

function clientPixel(event) {
  const r = canvas.getBoundingClientRect();
  return [
    Math.floor(((event.clientX - r.left) * canvas.width) / r.width),
    Math.floor(((event.clientY - r.top) * canvas.height) / r.height),
  ];
}

// ---- the text panel ----
function flushText() {
  if (!textDirty) return;
  textDirty = false;
  const lines = text.lines();
  // The newest line at the bottom, as the text window draws them.
  $('text-lines').textContent = '\n'.repeat(25 - lines.length) + lines.join('\n');
}

// ---- the menu ----
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

function menuOpen() {
  return !$('run-menu').hidden;
}

function openMenu() {
  $('run-menu').hidden = false;
  $('run-button').setAttribute('aria-expanded', 'true');
  $('run-menu').querySelector('[role^="menuitem"]:not([aria-disabled="true"])')?.focus();
}

function closeMenu() {
  if (!menuOpen()) return;
  $('run-menu').hidden = true;
  $('run-button').setAttribute('aria-expanded', 'false');
  canvas.focus();
}

function choose(item) {
  closeMenu();
  queue.push(Message.Command, Number(item.dataset.id));
}

function menuKeyDown(event) {
  const items = [...menuItems.values()];
  const at = items.indexOf(document.activeElement);
  if (event.key === 'Escape') {
    closeMenu();
  } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
    const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
    items[(Math.max(at, 0) + step) % items.length].focus();
  } else if (event.key === 'Enter' || event.key === ' ') {
    if (at >= 0) choose(items[at]);
  } else {
    const item = items.find((i) => i.dataset.key === event.key.toUpperCase());
    if (item) choose(item);
  }
  event.preventDefault();
}

// ---- storage of DROVA.SCR ----
function syncfs(populate) {
  return new Promise((resolve, reject) =>
    storage.fs.syncfs(populate, (error) => (error ? reject(error) : resolve())),
  );
}

function scriptPath() {
  return `${storage.folder}/${ScriptName}`;
}

function scriptStamp() {
  try {
    const st = storage.fs.stat(scriptPath());
    return `${st.mtime.getTime()}:${st.size}`;
  } catch {
    return '';
  }
}

// Writes the folder to IndexedDB when the script changed; one write at a time.
function saveScript(force = false) {
  if (!storage) return Promise.resolve();
  const stamp = scriptStamp();
  if (!force && stamp === storage.synced) return storage.pending;
  storage.synced = stamp;
  storage.pending = storage.pending.then(() => syncfs(false)).catch((e) => console.warn(e));
  return storage.pending;
}

function showStorageStatus(message) {
  $('storage-status').textContent = message;
}

function downloadScript() {
  let bytes;
  try {
    bytes = storage.fs.readFile(scriptPath());
  } catch {
    showStorageStatus(`No ${ScriptName} yet: record one with Ctrl+R.`);
    return;
  }
  const url = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
  const a = document.createElement('a');
  a.href = url;
  a.download = ScriptName;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 0);
  showStorageStatus(`${ScriptName} downloaded.`);
}

async function uploadScript(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  storage.fs.writeFile(scriptPath(), bytes);
  await saveScript(true);
  showStorageStatus(`${ScriptName} uploaded (${bytes.length} bytes): play it with Ctrl+P.`);
}

// ---- the dialog ----
let answerDialog = null; // resolves the open dialog's reply

function runDialog(promptBytes) {
  $('gets-prompt').textContent = String.fromCharCode(...promptBytes);
  $('gets-reply').value = '';
  $('gets').showModal();
  $('gets-reply').focus();
  return new Promise((resolve) => {
    answerDialog = resolve;
  });
}

$('gets-form').addEventListener('submit', (event) => {
  event.preventDefault();
  const resolve = answerDialog;
  answerDialog = null;
  $('gets').close();
  resolve?.(toLatin1($('gets-reply').value));
});
// The dialog offers no other way out than "Okay".
$('gets').addEventListener('cancel', (event) => event.preventDefault());
$('gets').addEventListener('close', () => answerDialog && $('gets').showModal());

// ---- what the program calls (through gfx/web/page_bridge.cpp) ----
const townPage = {
  async mountStorage(folder, fs, idbfs) {
    fs.mkdir(folder);
    fs.mount(idbfs, {}, folder);
    storage = { fs, idbfs, folder, synced: '', pending: Promise.resolve() };
    try {
      await syncfs(true);
    } catch (e) {
      console.warn(`Stored files could not be read: ${e}`);
    }
    storage.synced = scriptStamp();
  },

  addMenuItem(title, itemText, id, checkable, checked, greyed) {
    const button = $('run-button');
    if (!button.childNodes.length) {
      const parsed = parseMenuText(title);
      button.append(accessKeyLabel(parsed));
      menuKey = parsed.key.toUpperCase();
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
      shortcut.textContent = parsed.shortcut;
      li.append(check, accessKeyLabel(parsed), shortcut);
      if (greyed) {
        li.setAttribute('aria-disabled', 'true');
      } else {
        li.tabIndex = -1;
        li.dataset.id = String(id);
        li.dataset.key = parsed.key.toUpperCase();
        li.addEventListener('click', () => choose(li));
        menuItems.set(id, li);
      }
      check.textContent = checked ? '\u2713' : '';
    }
    $('run-menu').append(li);
  },

  open() {
    // Menu commands given with ?menu=4,6 come before any tick (tests only).
    for (const id of (params.get('menu') || '').split(',').filter(Boolean)) {
      queue.push(Message.Command, Number(id));
    }
    runTimer(true);
    canvas.focus();
  },

  takeEvent: () => queue.take(),

  waitForEvent(wakeOnTimer) {
    ++town.waits;
    runTimer(wakeOnTimer);
    flushText();
    saveScript();
    return queue.wait(wakeOnTimer);
  },

  present(bytes, width, height) {
    const pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, width * height * 4);
    context.putImageData(new ImageData(pixels, width, height), 0, 0);
    ++town.frames;
    flushText();
  },

  setMenuCheck(id, checked) {
    const item = menuItems.get(id);
    if (!item) return;
    item.setAttribute('aria-checked', String(checked));
    item.querySelector('.check').textContent = checked ? '\u2713' : '';
  },

  appendText(bytes) {
    const line = text.add(bytes);
    town.onLine?.(line);
    textDirty = true;
  },

  showTextPanel() {
    $('text-window').hidden = false;
  },

  runDialog,

  calendarTime() {
    // ?seed=N fixes the seed, so that a run can be repeated (tests only).
    const seed = params.get('seed');
    return seed !== null && /^\d+$/.test(seed) ? Number(seed) : Math.floor(Date.now() / 1000);
  },

  programEnded(status) {
    if (town.ended) return;
    town.ended = true;
    town.status = status;
    runTimer(false);
    flushText();
    saveScript(true);
    $('exit-status').textContent = String(status);
    $('ended').hidden = false;
    $('restart').focus();
  },
};
window.townPage = townPage;

// ---- DOM events into the queue ----
canvas.addEventListener('mousedown', (event) => {
  if (event.button !== 0 || town.ended) return;
  closeMenu();
  canvas.focus();
  event.preventDefault();
  queue.push(Message.LeftClick, ...clientPixel(event));
});

document.addEventListener('keydown', (event) => {
  if ($('gets').open || town.ended) return;
  if (menuOpen()) {
    menuKeyDown(event);
    return;
  }
  if (event.altKey && !event.ctrlKey && event.key.toUpperCase() === menuKey) {
    event.preventDefault();
    openMenu();
    return;
  }
  if (isShortcut(event)) event.preventDefault();
  for (const m of keyDownMessages(event)) queue.push(...m);
});

document.addEventListener('keyup', (event) => {
  if ($('gets').open || town.ended) return;
  for (const m of keyUpMessages(event)) queue.push(...m);
});

// A Ctrl released while another window has the focus is never seen.
window.addEventListener('blur', () => queue.push(Message.KeyUp, 0x11));

$('run-button').addEventListener('click', () => (menuOpen() ? closeMenu() : openMenu()));
document.addEventListener('mousedown', (event) => {
  if (menuOpen() && !event.target.closest('.menu')) closeMenu();
});

$('gets-reply').addEventListener('keydown', (event) => {
  // Enter presses "Okay"; Ctrl+Enter starts a new line in the field.
  if (event.key !== 'Enter') return;
  event.preventDefault();
  if (event.ctrlKey) {
    event.target.setRangeText('\n', event.target.selectionStart, event.target.selectionEnd, 'end');
  } else {
    $('gets-form').requestSubmit();
  }
});

$('download').addEventListener('click', downloadScript);
$('upload').addEventListener('click', () => $('upload-file').click());
$('upload-file').addEventListener('change', async (event) => {
  const [file] = event.target.files;
  event.target.value = '';
  if (file) await uploadScript(file);
});
$('restart').addEventListener('click', () => location.reload());
window.addEventListener('pagehide', () => saveScript(true));

fitCanvas();

// ---- the program ----
window.Module = {
  onExit: (status) => townPage.programEnded(status),
  onAbort: (what) => console.error(`The program stopped: ${what}`),
};
const program = /^[a-z_]+$/.test(params.get('program') || '') ? params.get('program') : 'town';
const script = document.createElement('script');
script.src = `${program}.js`;
document.body.append(script);
