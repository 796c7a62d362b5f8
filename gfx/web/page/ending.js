// The end of the program: the box with its exit status and "Start again".
// May not: start the program again by itself; only "Start again" reloads the page.
export class Ending {
  ended = false;
  status = null;
  #box;
  #restart;

  constructor(box) {
    this.#box = box;
    this.#restart = box.querySelector('#restart');
    this.#restart.addEventListener('click', () => location.reload());
  }

  // Shows the box once, with the first status the page was told.
  show(status) {
    if (this.ended) return false;
    this.ended = true;
    this.status = status;
    this.#box.querySelector('#exit-status').textContent = String(status);
    this.#box.hidden = false;
    this.#restart.focus();
    return true;
  }
}
