// The seed the run started with, shown in the tool bar, and "Share run": a link to
// this page that holds the seed and the stored DROVA.SCR, put into the clipboard.
// May not: change the stored script; a shared run opened here is held for the visit
// (ScriptFile.hold) and played, the visitor's own script stays as it was.
import { runFragment } from './share_link.js';
import { ScriptName } from './script_store.js';

export class RunShare {
  #seedElement;
  #say;
  #scriptFile;
  #seed = null;
  #openedSeed = null; // the seed it would have taken when the program opened its window

  constructor({ button, seedElement, say, scriptFile }) {
    this.#seedElement = seedElement;
    this.#say = say;
    this.#scriptFile = scriptFile;
    button.addEventListener('click', () => this.share());
  }

  // The program took its seed: the first one is the run's.
  started(seed) {
    if (this.#seed === null) {
      this.#seed = seed;
      this.#seedElement.textContent = `Seed ${seed}`;
    }
    return seed;
  }

  // The program has opened its window. A program that never asks the calendar time runs
  // alike from every seed: its run is shared with this one, which it would have taken.
  opened(seed) {
    this.#openedSeed ??= seed;
  }

  // The run's seed: the one the program took, else the one it would have taken.
  get #runSeed() {
    return this.#seed ?? this.#openedSeed;
  }

  // The clipboard is written in the click's own turn, the link following as a promise:
  // WebKit refuses a write that comes after the awaits that make the link.
  async share() {
    if (this.#runSeed === null) {
      this.#say('The run has not started yet: share it once the program has drawn its picture.');
      return;
    }
    const made = this.#link();
    const link = made.then(({ link: text, refusal }) => text ?? Promise.reject(new Error(refusal)));
    try {
      await writeToClipboard(link);
      this.#say(`A link to this run (seed ${this.#runSeed} and ${ScriptName}) is in the clipboard.`);
    } catch (error) {
      const { link: text, refusal } = await made;
      if (refusal) this.#say(refusal);
      else this.#say(`The link could not be put into the clipboard (${error.name}); copy it from here: ${text}`);
    }
  }

  // { link } or { refusal }, the sentence that says why there is none.
  async #link() {
    const script = await this.#scriptFile.newest();
    if (!script) return { refusal: `No ${ScriptName} to share yet: record one with Ctrl+R.` };
    const { fragment, refusal } = await runFragment(this.#runSeed, script);
    if (refusal) return { refusal };
    return { link: `${location.origin}${location.pathname}${fragment}` };
  }
}

// Text that is still being made, into the clipboard: as a clipboard item whose data
// is a promise where the browser has them, else written once it is there.
function writeToClipboard(text) {
  if (typeof ClipboardItem === 'function' && navigator.clipboard?.write) {
    const blob = text.then((t) => new Blob([t], { type: 'text/plain' }));
    return navigator.clipboard.write([new ClipboardItem({ 'text/plain': blob })]);
  }
  return text.then((t) => navigator.clipboard.writeText(t));
}
