// The end of the program: a modal dialog with its exit status (or the error it stopped
// on) and "Start again", above
// everything else on the page. Enter starts again; Escape closes it, as a dialog's
// Escape does, and leaves the last picture.
// May not: start the program again by itself; only "Start again" reloads the page.
export class Ending {
  ended = false;
  status = null;
  stopped = null; // why the program stopped on an error, if it did
  #box;
  #restart;

  constructor(box) {
    this.#box = box;
    this.#restart = box.querySelector('#restart');
    this.#restart.addEventListener('click', () => location.reload());
    box.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      this.#restart.click();
    });
  }

  // Shows the box once, with the first status the page was told.
  show(status) {
    if (this.ended) return false;
    this.status = status;
    this.#box.querySelector('#exit-status').textContent = String(status);
    return this.#open();
  }

  // Shows the box once, saying that the program stopped on an error and why.
  showStopped(what) {
    if (this.ended) return false;
    this.stopped = what;
    this.#box.querySelector('#ended-text').textContent =
      `The program stopped: ${what}. Start again to run it anew; the script lines stored so far are kept.`;
    return this.#open();
  }

  #open() {
    this.ended = true;
    this.#box.showModal();
    this.#restart.focus();
    return true;
  }
}
