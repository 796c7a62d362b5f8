"""The project's Markdown documents as pages of the site, converted by pandoc: GitHub's
Markdown (its tables, and its heading anchors, so that a link to docs/x.md#a-heading
finds its heading here too), code highlighted, links between documents made links
between pages (links.lua)."""

import re
import subprocess
from dataclasses import dataclass
from html import unescape
from pathlib import Path

from site_layout import DocEntry

HERE = Path(__file__).resolve().parent
DESCRIPTION_CHARS = 155  # what a search engine shows of a page's description


@dataclass
class Converted:
    path: str  # the page's path from the site's root
    title: str
    description: str
    body: str


def page_path(markdown: str) -> str:
    """docs/x.md -> docs/x.html; README.md is the front page."""
    return "index.html" if markdown == "README.md" else re.sub(r"\.md$", ".html", markdown)


def markdown_files(source: Path) -> list[str]:
    """README.md and docs/*.md, as paths from the repository's root."""
    return ["README.md"] + sorted(f"docs/{p.name}" for p in (source / "docs").glob("*.md"))


def first_heading(text: str) -> str | None:
    fenced = False
    for line in text.splitlines():
        if line.startswith(("```", "~~~")):
            fenced = not fenced
        elif not fenced and line.startswith("# "):
            return line[2:].strip()
    return None


def doc_entries(source: Path) -> list[DocEntry]:
    """Every document with its title: the front page first, then the documents in the
    order in which the README first links to them, then the rest by name."""
    readme = (source / "README.md").read_text(encoding="utf-8")
    entries = []
    for md in markdown_files(source):
        title = first_heading((source / md).read_text(encoding="utf-8"))
        if not title:
            raise SystemExit(f"{md} has no title (a first line '# ...')")
        entries.append(DocEntry(page_path(md), title))

    def order(entry: DocEntry) -> tuple[int, str]:
        if entry.path == "index.html":
            return (-1, "")
        name = Path(entry.path).stem + ".md"
        at = readme.find(f"docs/{name}")
        return (at if at >= 0 else len(readme), entry.path)

    return sorted(entries, key=order)


def plain(html: str) -> str:
    return " ".join(unescape(re.sub(r"<[^>]+>", "", html)).split())


def shortened(text: str) -> str:
    if len(text) <= DESCRIPTION_CHARS:
        return text
    cut = text[:DESCRIPTION_CHARS].rsplit(" ", 1)[0].rstrip(",;:")
    return cut + " ..."


def scrollable(html: str) -> str:
    """Code and tables may be wider than a phone: each scrolls sideways on its own, and
    takes the focus, so that a keyboard scrolls it too."""
    html = re.sub(r"<pre(?=[ >])", '<pre tabindex="0"', html)
    html = html.replace("<table>", '<div class="wide" tabindex="0"><table>')
    return html.replace("</table>", "</table></div>")


class Pandoc:
    def __init__(self, program: str, source: Path):
        self._program = program
        self._source = source

    def fragment(self, markdown_path: str | None = None, text: str | None = None) -> str:
        """HTML of a Markdown file of the repository (its links made the site's), or of a
        Markdown text."""
        args = [self._program, "--from=gfm", "--to=html5", "--wrap=none"]
        if markdown_path:
            args += [f"--lua-filter={HERE / 'links.lua'}", markdown_path]
        run = subprocess.run(args, input=text, cwd=self._source, capture_output=True, text=True)
        if run.returncode != 0 or run.stderr.strip():
            raise SystemExit(f"pandoc {markdown_path or ''}: {run.stderr.strip()}")
        return scrollable(run.stdout)

    def highlighted(self, code: str, language: str) -> str:
        fence = "`" * max(3, max((len(m) for m in re.findall(r"`+", code)), default=0) + 1)
        return self.fragment(text=f"{fence}{language}\n{code}\n{fence}\n")

    def highlighting_css(self, theme: Path) -> str:
        """The style of highlighted code, one file for every page."""
        template = self._source / "docs/site/code.css.template"
        run = subprocess.run(
            [self._program, "--from=gfm", "--to=html5", "--standalone", f"--template={template}",
             f"--highlight-style={theme}", "--metadata=pagetitle:code"],
            input="```cpp\nint x;\n```\n", capture_output=True, text=True, check=True)
        return run.stdout


def convert(pandoc: Pandoc, markdown: str) -> Converted:
    body = pandoc.fragment(markdown)
    title = re.search(r"<h1[^>]*>(.*?)</h1>", body, re.S)
    said = (plain(p) for p in re.findall(r"<p>(.*?)</p>", body, re.S))
    return Converted(
        path=page_path(markdown),
        title=plain(title.group(1)) if title else markdown,
        description=shortened(next((p for p in said if p), "")),
        body=body,
    )
