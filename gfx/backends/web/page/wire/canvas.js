// The graphics window's client area: the program's images shown 1:1 on a canvas, crisp
// on high-density screens, and page positions turned into canvas pixels.
// May not: queue events or draw anything the program did not present.

// Between two images on the canvas while images come fast: 20 a second, twice the
// town's own pace, while each costs WebKit without a GPU some 20 ms of rendering.
const MinGapMs = 50;

export class Canvas {
  #element;
  #context;
  #watchedRatio = null; // the resolution whose change refits
  #fittedRoom = 0; // the room the canvas was last fitted to
  frames = 0; // images presented since the page opened
  #newest = null; // { bytes, width, height } presented and not yet on the canvas
  #shownAt = -Infinity; // when an image last reached the canvas
  #frameRequested = false;

  constructor(element) {
    this.#element = element;
    // Desynchronized: the canvas is handed to the screen without waiting for the page's
    // compositing, which costs a third less of the renderer's time per frame.
    this.#context = element.getContext('2d', { alpha: false, desynchronized: true });
  }

  get element() {
    return this.#element;
  }

  // Whole device pixels per canvas pixel: as many as the screen's ratio gives, fewer
  // where the window is too narrow for them, one at least (a window narrower than the
  // canvas at one device pixel per pixel shrinks it to its width). Refitted when the
  // page's width or the resolution changes.
  fit() {
    const c = this.#element;
    const ratio = window.devicePixelRatio || 1;
    const room = this.#room();
    this.#fittedRoom = room;
    const most = Math.max(1, Math.round(ratio));
    const fitting = Math.floor((room * ratio) / c.width);
    const width = fitting >= 1 ? (c.width * Math.min(most, fitting)) / ratio : room;
    const scale = width / c.width;
    c.style.width = `${width}px`;
    c.style.height = `${c.height * scale}px`;
    document.documentElement.classList.add('canvas-fitted');
    // The page's box, not the window: a classic scroll bar that comes or goes changes
    // the room without a resize of the window.
    if (this.#watchedRatio === null) new ResizeObserver(() => this.#refit()).observe(document.documentElement);
    if (this.#watchedRatio !== ratio) {
      this.#watchedRatio = ratio;
      matchMedia(`(resolution: ${ratio}dppx)`).addEventListener('change', () => this.fit(), {
        once: true,
      });
    }
  }

  #refit() {
    if (this.#room() !== this.#fittedRoom) this.fit();
  }

  // The CSS pixels the canvas may take across: the window's width less what stands
  // beside the canvas (the page's padding, the frame).
  #room() {
    const c = this.#element;
    const beside = c.closest('#graphics') ?? c.parentElement;
    const page = getComputedStyle(document.body);
    const frame = getComputedStyle(beside);
    const px = (v) => parseFloat(v) || 0;
    return (
      document.documentElement.clientWidth -
      px(page.paddingLeft) -
      px(page.paddingRight) -
      px(frame.borderLeftWidth) -
      px(frame.borderRightWidth)
    );
  }

  // The canvas pixel under a mouse event, as [x, y].
  pixelOf(event) {
    const c = this.#element;
    const r = c.getBoundingClientRect();
    return [
      Math.floor(((event.clientX - r.left) * c.width) / r.width),
      Math.floor(((event.clientY - r.top) * c.height) / r.height),
    ];
  }

  // bytes: R, G, B, A of width x height pixels, a view of the program's image. While
  // images come faster than the screen shows them (a playback presents hundreds a
  // second), at most one every MinGapMs reaches the canvas, the newest: putImageData
  // and the rendering it causes cost WebKit milliseconds each. Between two of the page's
  // tasks the program's image is always a whole picture, the presented one or the next.
  present(bytes, width, height) {
    ++this.frames;
    this.#newest = { bytes, width, height };
    if (performance.now() - this.#shownAt >= MinGapMs) this.showNewest();
    else this.#nextFrame();
  }

  // Puts the newest presented image on the canvas now, if it is not there yet: the
  // program waits or has ended, and what it showed last must be on the screen.
  showNewest() {
    if (!this.#newest) return;
    const { bytes, width, height } = this.#newest;
    this.#newest = null;
    // A grown memory leaves the view empty; the program presents again before it waits.
    if (bytes.length < width * height * 4) return;
    const pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, width * height * 4);
    // The canvas is as large as the program's client area; the page's markup only
    // gives it that size before the first image, so that nothing moves when it comes.
    const c = this.#element;
    if (c.width !== width || c.height !== height) {
      [c.width, c.height] = [width, height];
      this.fit();
    }
    this.#context.putImageData(new ImageData(pixels, width, height), 0, 0);
    this.#shownAt = performance.now();
  }

  #nextFrame() {
    if (this.#frameRequested) return;
    this.#frameRequested = true;
    requestAnimationFrame(() => {
      this.#frameRequested = false;
      if (!this.#newest) return;
      if (performance.now() - this.#shownAt >= MinGapMs) this.showNewest();
      else this.#nextFrame();
    });
  }

  // Without scrolling: at load the menu bar stays in view on a short window.
  focus() {
    this.#element.focus({ preventScroll: true });
  }
}
