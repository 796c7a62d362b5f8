#!/usr/bin/env python3
"""Makes the project's static site in one folder:
  index.html, docs/*.html  the README and docs/*.md, converted by pandoc
  gallery/                 every example running in the page beside its source
  reference/               the library's reference, made by Doxygen
  town/                    the town's own site, as add_web_site made it, kept by sw.js
  sw.js                    a service worker that keeps all of it for an offline start
The folder is made anew each time. A link to a page or file that the site lacks stops
the build, naming the document that holds it."""

import argparse
import re
import shutil
import subprocess
from html.parser import HTMLParser
from pathlib import Path, PurePosixPath
from urllib.parse import unquote, urlsplit

from doc_pages import Pandoc, convert, doc_entries, markdown_files
from gallery import FOLDER as GALLERY, Gallery, find_examples
from site_layout import Shell, header

HERE = Path(__file__).resolve().parent


class Links(HTMLParser):
    """The addresses a page refers to."""

    ATTRIBUTES = {("a", "href"), ("img", "src"), ("link", "href"), ("script", "src"),
                  ("source", "src")}

    def __init__(self):
        super().__init__()
        self.targets = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if (tag, name) in self.ATTRIBUTES and value:
                self.targets.append(value)


def local_targets(page: str, html: str) -> set[str]:
    """The site's paths a page refers to (no anchors, no addresses elsewhere)."""
    parser = Links()
    parser.feed(html)
    found = set()
    for target in parser.targets:
        url = urlsplit(target)
        if url.scheme or url.netloc or not url.path:
            continue
        path = PurePosixPath(page).parent / unquote(url.path)
        parts = []
        for part in path.parts:
            if part == "..":
                if not parts:
                    raise SystemExit(f"{page} links to {target}, outside the site")
                parts.pop()
            elif part != ".":
                parts.append(part)
        found.add("/".join(parts))
    return found


def town_files(town_site: Path) -> tuple[list[str], str]:
    """The files of the town's site that its service worker keeps, and the town's
    program's name."""
    worker = (town_site / "sw.js").read_text(encoding="utf-8")
    files = re.search(r"const Files = '([^']*)'", worker).group(1).split(" ")
    program = re.search(r'data-program="([a-z_]+)"', (town_site / "index.html").read_text()).group(1)
    return files, program


def into_site(html: str, page: str) -> str:
    """A page of Doxygen's as a page of the site: in English, with the site's style and
    its bar above it, its navigation and its content as landmarks, its title a heading,
    and the site's worker, which keeps the site for an offline start (shell.html)."""
    root = "../" * page.count("/")
    for old, new in [
        ("</head>", f'<link rel="icon" href="{root}gallery/icons/icon-48.png" type="image/png">\n'
                    f'<link rel="stylesheet" href="{root}site.css">\n</head>'),
        ('<div id="top">', '<div id="top" role="navigation" aria-label="Reference">'),
        ("</div><!-- top -->", '</div><!-- top -->\n<main id="doc-content">'),
        ("</body>", "</main>\n<script>\n  addEventListener('load', () => "
                    f"navigator.serviceWorker?.register('{root}sw.js').catch(() => {{}}));\n</script>\n</body>"),
    ]:
        if html.count(old) != 1:
            raise SystemExit(f"{page}: Doxygen's page has no single {old!r}, which make_site.py "
                             "needs to make it a page of the site")
        html = html.replace(old, new)
    html = re.sub(r"<html(?![^>]*\blang=)", '<html lang="en"', html, count=1)
    if '<div class="title">' in html:
        html = re.sub(r'<div class="title">(.*?)</div>', r'<h1 class="title">\1</h1>', html, count=1)
    else:  # a list of members: its title only in the head
        title = re.search(r"<title>[^<:]*: ([^<]*)</title>", html).group(1)
        html = html.replace('<main id="doc-content">', f'<main id="doc-content">\n<h1 class="title">{title}</h1>')
    # A list of members heads its letters h3 under the h1: a level up, with no level left out.
    levels = set(re.findall(r"<h([1-6])[ >]", html))
    if "2" not in levels and "3" in levels:
        for level in range(3, 7):
            html = html.replace(f"<h{level}", f"<h{level - 1}").replace(f"</h{level}>", f"</h{level - 1}>")
    return re.sub(r"<body[^>]*>", lambda _: f'<body class="reference-page">\n{header(page, "doc-content")}',
                  html, count=1)


def copy(source: Path, target: Path):
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source, target)


def write(path: Path, text: str):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding="utf-8")


def main():
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--source", type=Path, required=True, help="the repository's root")
    args.add_argument("--out", type=Path, required=True)
    args.add_argument("--pandoc", required=True)
    args.add_argument("--cmake", required=True)
    args.add_argument("--town-site", type=Path, required=True, help="the town's built site")
    args.add_argument("--reference", type=Path, required=True, help="Doxygen's HTML folder")
    args.add_argument("--page", type=Path, required=True,
                      help="the page's template with {{program}}, {{title}}, ... to fill in")
    args.add_argument("--manifest", type=Path, required=True, help="the manifest's, as --page")
    args.add_argument("--worker", type=Path, required=True, help="the service worker's template")
    args.add_argument("--theme-colour", required=True)
    args.add_argument("programs", nargs="*", type=Path, help="each example's built NAME.js")
    a = args.parse_args()
    source, out = a.source.resolve(), a.out.resolve()
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)

    pandoc = Pandoc(a.pandoc, source)
    docs = doc_entries(source)
    shell = Shell(HERE / "shell.html", a.theme_colour, docs)
    pages = {}  # path from the root -> HTML

    for md in markdown_files(source):
        doc = convert(pandoc, md)
        pages[doc.path] = shell.render(doc.path, doc.title, doc.description, doc.body)

    # The gallery: its pages, the page's shared files from the town's site, the programs.
    examples = find_examples(source)
    gallery = Gallery(examples, a.page.read_text(encoding="utf-8"), pandoc, docs)
    for e in examples:
        pages[f"{GALLERY}/{e.name}.html"] = gallery.page_of(e)
    pages[f"{GALLERY}/index.html"] = shell.render(
        f"{GALLERY}/index.html", "Gallery · Fenn's Town",
        "Every example of the Fenn's Town graphics library running in the browser, beside "
        "its source and its picture.", gallery.index_body())
    manifest = a.manifest.read_text(encoding="utf-8").replace("{{title}}", "Fenn's Town gallery")
    write(out / GALLERY / "manifest.webmanifest", manifest.replace(
        "{{description}}", "The examples of the Fenn's Town graphics library, running."))
    kept, town_program = town_files(a.town_site)
    for f in kept:
        copy(a.town_site / f, out / "town" / f)
        own = f in ("index.html", "manifest.webmanifest", f"{town_program}.js", f"{town_program}.wasm")
        if not own:
            copy(a.town_site / f, out / GALLERY / f)
    # The town's page is kept by the site's worker, as every page of the site is.
    town_page = out / "town/index.html"
    town_page.write_text(town_page.read_text(encoding="utf-8").replace(
        "<html ", '<html data-worker="../sw.js" ', 1), encoding="utf-8")
    built = {p.stem: p for p in a.programs}
    for e in examples:
        if e.name not in built:
            raise SystemExit(f"examples/{e.name} was not built for the web: configure again")
        for suffix in (".js", ".wasm"):
            copy(built[e.name].with_suffix(suffix), out / GALLERY / f"{e.name}{suffix}")

    shutil.copytree(a.reference, out / "reference")
    for html in (out / "reference").glob("*.html"):
        page = f"reference/{html.name}"
        html.write_text(into_site(html.read_text(encoding="utf-8"), page), encoding="utf-8")
    # One style for every page, the colours of highlighted code in it: one request.
    write(out / "site.css", (HERE / "site.css").read_text(encoding="utf-8") + "\n"
          + pandoc.highlighting_css(HERE / "code.theme"))
    for path, html in pages.items():
        write(out / path, html)

    # What the pages refer to: a file of the project is copied (a picture, a script);
    # anything else must be there already.
    for path, html in pages.items():
        for target in sorted(local_targets(path, html)):
            if (out / target).is_file():
                continue
            if (source / target).is_file():
                copy(source / target, out / target)
            else:
                raise SystemExit(f"{path} links to {target}, which is neither a page of the site "
                                 "nor a file of the project")

    files = sorted(str(p.relative_to(out)) for p in out.rglob("*") if p.is_file())
    if any(" " in f for f in files):
        raise SystemExit("a file name of the site has a space, which the service worker's list cannot hold")
    subprocess.run([a.cmake, f"-DSITE={out}", f"-DFILES={';'.join(files)}", "-DPROGRAM=guide",
                    f"-DTEMPLATE={a.worker}", "-P", str(source / "scripts/site/service_worker.cmake")],
                   check=True)
    print(f"The site: {out} ({len(files) + 1} files, {sum(1 for f in files if f.endswith('.html'))} pages)")


if __name__ == "__main__":
    main()
