"""The gallery: every example of examples/ (a folder NAME with its NAME.cpp) running in
the page beside its description, its source and its picture. The examples' pages are
made from the page's one template and share one copy of the page's code, style, font
and icons; each program's .js and .wasm lie beside them."""

import re
import struct
from dataclasses import dataclass
from html import escape
from pathlib import Path

from doc_pages import Pandoc
from site_layout import DocEntry, footer, header

FOLDER = "gallery"


@dataclass
class Example:
    name: str
    title: str
    description: str
    source_path: str  # from the repository's root
    source: str
    picture: str  # from the repository's root
    picture_size: tuple[int, int]


def png_size(path: Path) -> tuple[int, int]:
    with path.open("rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"{path} is no PNG file")
    return struct.unpack(">II", head[16:24])


def opening_comment(source: str) -> str:
    """The paragraph of // lines a source opens with."""
    lines = []
    for line in source.splitlines():
        if not line.startswith("//"):
            break
        lines.append(line[2:].strip())
    return " ".join(" ".join(lines).split())


def find_examples(source_root: Path) -> list[Example]:
    examples = []
    for cpp in sorted(source_root.glob("examples/*/*.cpp")):
        name = cpp.parent.name
        if cpp.stem != name:
            continue
        if not re.fullmatch(r"[a-z_]+", name):
            raise SystemExit(f"examples/{name}: a program's name may have only a-z and _")
        text = cpp.read_text(encoding="utf-8")
        description = opening_comment(text)
        if not description:
            raise SystemExit(f"{cpp.relative_to(source_root)} opens with no description (// lines)")
        picture = f"docs/examples/{name}.png"
        if not (source_root / picture).is_file():
            raise SystemExit(f"{picture} is missing: the gallery shows each example's picture")
        examples.append(Example(
            name=name,
            title=name.replace("_", " ").capitalize(),
            description=description,
            source_path=f"examples/{name}/{name}.cpp",
            source=text,
            picture=picture,
            picture_size=png_size(source_root / picture),
        ))
    if not examples:
        raise SystemExit("examples/ holds no example (a folder NAME with its NAME.cpp)")
    return examples


def replace_once(html: str, old: str, new: str, what: str) -> str:
    if html.count(old) != 1:
        raise SystemExit(f"the page's template has no single {what} ({old!r}): the gallery's pages "
                         "are made from it, docs/site/gallery.py needs to learn its new form")
    return html.replace(old, new)


class Gallery:
    def __init__(self, examples: list[Example], page_template: str, pandoc: Pandoc,
                 docs: list[DocEntry]):
        self.examples = examples
        self._template = page_template
        self._pandoc = pandoc
        self._docs = docs

    def page_of(self, example: Example) -> str:
        """An example's page: the page's template with the example's names, the site's
        bar above it, its description, source and picture around it."""
        page = f"{FOLDER}/{example.name}.html"
        html = self._template
        for placeholder, value in [
            ("{{program}}", example.name),
            ("{{title}}", f"{example.title} · Gallery · Fenn's Town"),
            ("{{description}}", example.description),
            ("{{picture_label}}", f"What {example.title} draws"),
        ]:
            html = html.replace(placeholder, escape(value))
        # The site's worker keeps the whole site, this page's program among it.
        html = replace_once(html, "<html ", '<html data-worker="../sw.js" ', "html element")
        html = replace_once(html, "</head>", """  <link rel="stylesheet" href="../site.css">
</head>""", "end of the head")
        html = replace_once(html, "<body>", '<body class="example-page">', "body")
        intro = f"""
  <section class="example-intro" aria-labelledby="example-title">
    <h1 id="example-title">{escape(example.title)}</h1>
    <p>{escape(example.description)}</p>
    <p class="example-links"><a href="#source-title">Its source</a>
      · <a href="#picture-title">its picture</a> · <a href="index.html">all examples</a></p>
  </section>"""
        html = re.sub(r"<header>.*?</header>", lambda _: header(page, "graphics") + intro, html,
                      count=1, flags=re.S)
        width, height = example.picture_size
        notes = f"""
  <div class="example-notes">
  <section class="example-source" aria-labelledby="source-title">
    <h2 id="source-title">The source: {escape(example.source_path)}</h2>
    {self._pandoc.highlighted(example.source.rstrip(), "cpp")}
  </section>
  <section class="example-picture" aria-labelledby="picture-title">
    <h2 id="picture-title">The picture</h2>
    <p>What the example draws in a headless run, which the tests compare with every build.</p>
    <img src="../{example.picture}" width="{width}" height="{height}" loading="lazy"
         alt="{escape(f'The picture of {example.title}')}">
  </section>
  </div>
{footer(page, self._docs)}
</body>"""
        return replace_once(html, "</body>", notes, "end of the body")

    def index_body(self) -> str:
        cards = []
        for e in self.examples:
            width, height = e.picture_size
            cards.append(f"""<li>
  <a href="{e.name}.html"><img src="../{e.picture}" width="{width}" height="{height}"
     loading="lazy" alt=""><span class="card-title">{escape(e.title)}</span></a>
  <p>{escape(e.description)}</p>
</li>""")
        return f"""<h1>Gallery</h1>
<p>Each example of the library runs here in the page, as the town does, beside its source
and its picture: click it, type to it, record and play back a script, and share its run
as a link.</p>
<ul class="gallery">
{chr(10).join(cards)}
</ul>"""
