"""What every page of the site shares: the bar of the site's parts at the top, the list
of documents at the bottom, and the shell of a page of prose (shell.html)."""

from dataclasses import dataclass
from html import escape
from pathlib import Path
from string import Template

SITE_NAME = "Fenn's Town"
# The site's parts, as the bar at the top names them: (path from the root, label).
PARTS = [
    ("gallery/index.html", "Gallery"),
    ("reference/index.html", "Reference"),
    ("town/index.html", "Play the town"),
]


@dataclass
class DocEntry:
    """A document of the site: its page's path from the root, and its title."""

    path: str
    title: str


def root_of(page: str) -> str:
    """The way from a page (a path from the root) back to the root: '', '../', ..."""
    return "../" * page.count("/")


def link(page: str, target: str, label: str) -> str:
    current = ' aria-current="page"' if target == page else ""
    return f'<a href="{root_of(page)}{target}"{current}>{escape(label)}</a>'


def header(page: str, skip_to: str) -> str:
    parts = "".join(f"<li>{link(page, path, label)}</li>" for path, label in PARTS)
    return f"""  <header class="site-header">
    <a class="skip-link" href="#{skip_to}">Skip to the content</a>
    <nav aria-label="Site">
      {link(page, "index.html", SITE_NAME).replace("<a ", '<a class="site-name" ', 1)}
      <ul>{parts}</ul>
    </nav>
  </header>"""


def footer(page: str, docs: list[DocEntry]) -> str:
    items = "".join(f"<li>{link(page, d.path, d.title)}</li>" for d in docs)
    return f"""  <footer class="site-footer">
    <nav aria-label="Documents">
      <h2>Documents</h2>
      <ul>{items}</ul>
    </nav>
  </footer>"""


class Shell:
    """A page of prose: a document, or the gallery's list of examples."""

    def __init__(self, template: Path, theme_colour: str, docs: list[DocEntry]):
        self._template = Template(template.read_text(encoding="utf-8"))
        self._theme_colour = theme_colour
        self._docs = docs

    def render(self, page: str, title: str, description: str, body: str) -> str:
        return self._template.substitute(
            title=escape(title),
            description=escape(description),
            theme_colour=self._theme_colour,
            root=root_of(page),
            header=header(page, "content"),
            footer=footer(page, self._docs),
            body=body,
        )
