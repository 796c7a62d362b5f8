// The seed the run started with, shown in the tool bar, and "Share run": a link to
// this page that holds the seed and the stored DROVA.SCR, put into the clipboard.
// May not: change the stored script; a shared run opened here is held for the visit
// (ScriptFile.hold) and played, the visitor's own script stays as it was.
import { runFragment } from './share_link.js';

export class RunShare {
  #seedElement;
  #say;
  #scriptFile;
  #seed = null;

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

  async share() {
    if (this.#seed === null) {
      this.#say('The run has not started yet: share it once the town is drawn.');
      return;
    }
    const script = await this.#scriptFile.newest();
    if (!script) {
      this.#say('No DROVA.SCR to share yet: record one with Ctrl+R.');
      return;
    }
    const { fragment, refusal } = await runFragment(this.#seed, script);
    if (refusal) {
      this.#say(`The run is not shared: ${refusal}.`);
      return;
    }
    const link = `${location.origin}${location.pathname}${fragment}`;
    try {
      await navigator.clipboard.writeText(link);
      this.#say(`A link to this run (seed ${this.#seed} and DROVA.SCR) is in the clipboard.`);
    } catch (error) {
      this.#say(`The link could not be put into the clipboard (${error.name}); copy it from here: ${link}`);
    }
  }
}
