// The page's side of the message FIFO. DOM handlers and the timer push; the program
// takes events only while it runs, and while it is suspended it waits on a promise
// that the next push resolves. The timer queues a tick every period (the program's
// tick) while it runs.
// May not: call into the program or drop an event other than a tick already queued;
// run the timer while nothing waits for a tick (a halted page runs nothing at all).
import { Message } from './messages.js';

export class EventQueue {
  #events = [];
  #waiter = null; // { resolve, wakeOnTimer } while the program is suspended
  #timerQueued = false;

  // Queues one event: { kind } and the fields of its kind, named as the library's
  // message names them (x, y; keyCode; character; commandId; width, height). Ticks
  // are coalesced, as a window system's timer messages are: one queued tick stands
  // for any number of them.
  push(event) {
    const { kind } = event;
    if (kind === Message.Timer) {
      if (this.#timerQueued) return;
      this.#timerQueued = true;
    }
    this.#events.push(event);
    if (this.#waiter && (kind !== Message.Timer || this.#waiter.wakeOnTimer)) {
      const { resolve } = this.#waiter;
      this.#waiter = null;
      resolve();
    }
  }

  // Resumes a suspended program without an event, so that it takes news from the page
  // (a failed save) while it waits for the user.
  wake() {
    if (!this.#waiter) return;
    const { resolve } = this.#waiter;
    this.#waiter = null;
    resolve();
  }

  // The oldest queued event, or null.
  take() {
    const e = this.#events.shift();
    if (!e) return null;
    if (e.kind === Message.Timer) this.#timerQueued = false;
    return e;
  }

  get length() {
    return this.#events.length;
  }

  get waiting() {
    return this.#waiter !== null;
  }

  // Resolves once an event that may wake the program is queued: any event but a tick,
  // and a tick too when wakeOnTimer is set. Resolves at once when one is queued already.
  wait(wakeOnTimer) {
    const wakes = this.#events.some((e) => e.kind !== Message.Timer || wakeOnTimer);
    if (wakes) return Promise.resolve();
    return new Promise((resolve) => {
      this.#waiter = { resolve, wakeOnTimer };
    });
  }
}

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
