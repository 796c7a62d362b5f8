// The graphics window's client area: the program's images shown 1:1 on a canvas, crisp
// on high-density screens, and page positions turned into canvas pixels.
// May not: queue events or draw anything the program did not present.
export class Canvas {
  #element;
  #context;
  frames = 0; // images presented since the page opened

  constructor(element) {
    this.#element = element;
    // Desynchronized: the canvas is handed to the screen without waiting for the page's
    // compositing, which costs a third less of the renderer's time per frame.
    this.#context = element.getContext('2d', { alpha: false, desynchronized: true });
  }

  get element() {
    return this.#element;
  }

  // Whole device pixels per canvas pixel, refitted when the resolution changes.
  fit() {
    const c = this.#element;
    const ratio = window.devicePixelRatio || 1;
    const scale = Math.max(1, Math.round(ratio)) / ratio;
    c.style.width = `${c.width * scale}px`;
    c.style.height = `${c.height * scale}px`;
    matchMedia(`(resolution: ${ratio}dppx)`).addEventListener('change', () => this.fit(), {
      once: true,
    });
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

  // bytes: R, G, B, A of width x height pixels.
  present(bytes, width, height) {
    const pixels = new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, width * height * 4);
    this.#context.putImageData(new ImageData(pixels, width, height), 0, 0);
    ++this.frames;
  }

  focus() {
    this.#element.focus();
  }
}
