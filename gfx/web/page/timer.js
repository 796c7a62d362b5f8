// The 100 ms timer: it queues a tick every period while it runs.
// May not: run while nothing waits for a tick (a halted page runs nothing at all), or
// call into the program.
import { Message } from './messages.js';

const TimerPeriodMs = 100;

export class TickTimer {
  #queue;
  #interval = null;

  constructor(queue) {
    this.#queue = queue;
  }

  get running() {
    return this.#interval !== null;
  }

  // Restarted, its first tick comes 100 ms after the wait began, as the desktop's
  // timer would give it at most.
  run(on) {
    if (on && this.#interval === null) {
      this.#interval = setInterval(() => this.#queue.push({ kind: Message.Timer }), TimerPeriodMs);
    } else if (!on && this.#interval !== null) {
      clearInterval(this.#interval);
      this.#interval = null;
    }
  }
}
