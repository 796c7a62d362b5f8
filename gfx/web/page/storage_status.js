// The storage status line beside Download and Upload: the last thing the page has to
// say about DROVA.SCR, and once, for a whole visit, that scripts will not outlive the
// page when the browser gives no lasting storage.
// May not: hide a message behind a later one of less weight; the note that scripts
// are kept in this page only stays in front of every later line.
export class StorageStatus {
  #element;
  #standing = '';

  constructor(element) {
    this.#element = element;
  }

  // A note that holds for the whole visit.
  stand(text) {
    this.#standing = text;
    this.#element.textContent = text;
  }

  say(text) {
    this.#element.textContent = this.#standing ? `${this.#standing} ${text}` : text;
  }
}
