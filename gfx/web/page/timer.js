// The timer: it queues a tick every period (the program's tick) while it runs.
// May not: run while nothing waits for a tick (a halted page runs nothing at all), or
// call into the program.
import { Message } from './messages.js';

export class TickTimer {
  #queue;
  #interval = null;
  periodMs = 0; // the program's tick, which it gives when it opens its window

  constructor(queue) {
    this.#queue = queue;
  }

  get running() {
    return this.#interval !== null;
  }

  // Restarted, its first tick comes one period after the wait began, as the desktop's
  // timer would give it at most.
  run(on) {
    if (on && this.#interval === null) {
      this.#interval = setInterval(() => this.#queue.push({ kind: Message.Timer }), this.periodMs);
    } else if (!on && this.#interval !== null) {
      clearInterval(this.#interval);
      this.#interval = null;
    }
  }
}
