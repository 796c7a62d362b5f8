// One writer of DROVA.SCR at a time among the tabs of this page, through the Web Locks
// API: a tab that records, or stores an upload, holds the lock.
// May not: wait for the lock; a tab that does not get it at once is refused.
import { StorageName } from './script_store.js';

export class RecorderLock {
  #locks;
  #state = 'free'; // 'pending', 'held' or 'refused'
  #release = null;
  #granted = Promise.resolve(false);

  // Without the Web Locks API (an old browser) every request is granted.
  constructor(locks = globalThis.navigator?.locks) {
    this.#locks = locks;
  }

  get state() {
    return this.#state;
  }

  // Asks for the lock without waiting for it; the state tells the answer.
  request() {
    if (this.#state !== 'free') return this.#granted;
    if (!this.#locks) {
      this.#state = 'held';
      this.#granted = Promise.resolve(true);
      return this.#granted;
    }
    this.#state = 'pending';
    this.#granted = new Promise((resolve) => {
      this.#locks
        .request(StorageName, { ifAvailable: true }, (lock) => {
          if (!lock || this.#state !== 'pending') {
            if (this.#state === 'pending') this.#state = 'refused';
            resolve(false);
            return undefined;
          }
          this.#state = 'held';
          resolve(true);
          return new Promise((done) => {
            this.#release = done;
          });
        })
        .catch(() => {
          this.#state = 'refused';
          resolve(false);
        });
    });
    return this.#granted;
  }

  release() {
    this.#release?.();
    this.#release = null;
    this.#state = 'free';
  }
}
