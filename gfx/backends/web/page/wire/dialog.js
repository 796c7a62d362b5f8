// The modal input dialog of DROVA_gets: a prompt, a text field and "Okay".
// May not: be left any other way than "Okay" while the program waits for its reply.
import { toLatin1 } from './text_lines.js';

export class InputDialog {
  #dialog;
  #form;
  #prompt;
  #reply;
  #answer = null; // resolves the open dialog's reply

  constructor(dialog) {
    this.#dialog = dialog;
    this.#form = dialog.querySelector('form');
    this.#prompt = dialog.querySelector('#gets-prompt');
    this.#reply = dialog.querySelector('#gets-reply');
    this.#form.addEventListener('submit', (event) => {
      event.preventDefault();
      const resolve = this.#answer;
      this.#answer = null;
      dialog.close();
      resolve?.(toLatin1(this.#reply.value));
    });
    // The dialog offers no other way out than "Okay".
    dialog.addEventListener('cancel', (event) => event.preventDefault());
    dialog.addEventListener('close', () => this.#answer && dialog.showModal());
    this.#reply.addEventListener('keydown', (event) => {
      // Enter presses "Okay"; Ctrl+Enter starts a new line in the field.
      if (event.key !== 'Enter') return;
      event.preventDefault();
      if (event.ctrlKey) {
        const field = event.target;
        field.setRangeText('\n', field.selectionStart, field.selectionEnd, 'end');
      } else {
        this.#form.requestSubmit();
      }
    });
  }

  get isOpen() {
    return this.#dialog.open;
  }

  // promptBytes: Latin-1; resolves to the reply as Latin-1 bytes.
  run(promptBytes) {
    this.#prompt.textContent = String.fromCharCode(...promptBytes);
    this.#reply.value = '';
    this.#dialog.showModal();
    this.#reply.focus();
    return new Promise((resolve) => {
      this.#answer = resolve;
    });
  }
}
