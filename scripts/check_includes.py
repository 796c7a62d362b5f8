#!/usr/bin/env python3
"""Which way the project's includes point.

    scripts/check_includes.py [SOURCE_DIR]          file:line of every include that points up
    scripts/check_includes.py --graph [SOURCE_DIR]  the include graph between folders

Layers, lowest first; a file may include its own layer's headers and those below.
Files outside the layers (tests, tools, bench, fuzz) sit above all of them.
"""
import os
import re
import sys
from collections import Counter

# (layer, the folders and files that make it up). Safe files serve the renderer's
# pictures and the core's scripts alike. The library's public headers (gfx/include/gfx/)
# sit in the layers that implement them: the colour numbers with the colour table in the
# renderer; gfx.h, the kinds of event, the animation modes and the application's entry
# with the core. The facade and the back ends sit side by side over the core: the
# facade reaches a back end only through the core's seam.
PUBLIC = "gfx/include/gfx/"
BACKENDS = "gfx/backends/"
FACADE = [PUBLIC + "display.h", "gfx/display.cpp"]
LAYERS = [
    ("gfx/files", ["gfx/files/"]),
    ("gfx/render", ["gfx/render/", PUBLIC + "palette.h"]),
    ("gfx/core", ["gfx/core/", PUBLIC + "gfx.h", PUBLIC + "event_kind.h",
                  PUBLIC + "animation.h", PUBLIC + "app_entry.h"]),
    ("gfx back ends and facade", [BACKENDS] + FACADE),
    # The headless runner drives the headless back end from a command line; the compare
    # command reads what the runner writes and needs only the pictures and files.
    ("gfx tools", ["gfx/tools/"]),
    ("vehicles", ["vehicles/"]),
    ("traffic", ["traffic/"]),
    ("app", ["app/"]),
]
# Every vehicle is a town object: the one include that points up, by the system's own
# layout.
ALLOWED = {("vehicles/vehicle.h", "traffic/town_object.h")}

SCANNED = ["app", "traffic", "vehicles", "gfx", "tools", "tests", "bench", "fuzz"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
# Where an include is looked for: beside the file, the source root, the public folder.
ROOTS = ["", "gfx/include"]


def layer_of(path):
    for rank, (_, parts) in enumerate(LAYERS):
        if any(path == p or (p.endswith("/") and path.startswith(p)) for p in parts):
            return rank
    return len(LAYERS)


def side_of(path):
    """Which of the side-by-side parts a file is in: a back end's folder, or the facade."""
    if path in FACADE:
        return "facade"
    if path.startswith(BACKENDS):
        return BACKENDS + path[len(BACKENDS):].split("/")[0]
    return None


def node_of(path):
    """The graph's node: a file's folder; the facade and the files at the top of gfx/
    by name; tests, tools, bench and fuzz as one each."""
    folder = os.path.dirname(path)
    if path in ("gfx/display.cpp", PUBLIC + "display.h"):
        return "gfx/display"
    if folder in ("gfx", PUBLIC.rstrip("/")):
        return path
    top = folder.split("/")[0]
    return top if top in ("tests", "tools", "bench", "fuzz") else folder


def includes(root):
    for top in SCANNED:
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        target = m.group(1)
                        found = [os.path.normpath(os.path.join(os.path.dirname(path), target))]
                        found += [os.path.join(r, target) for r in ROOTS]
                        found = [f for f in found if os.path.exists(os.path.join(root, f))]
                        if found:  # else not one of ours
                            yield path, number, os.path.normpath(found[0])


def check(root):
    faults = 0
    for path, number, target in includes(root):
        if (path, target) in ALLOWED:
            continue
        here, there = layer_of(path), layer_of(target)
        up = there > here
        across = here == there and side_of(path) and side_of(target) != side_of(path)
        if up:
            print(f"{path}:{number}: includes {target} from a layer above "
                  f"({LAYERS[there][0]}, this file is in {LAYERS[here][0]})")
        elif across:
            print(f"{path}:{number}: includes {target} from beside it "
                  f"({side_of(target)} and {side_of(path)} sit side by side)")
        faults += 1 if up or across else 0
    if faults:
        print(f"{faults} include(s) point the wrong way; layers, lowest first: "
              + " <- ".join(name for name, _ in LAYERS))
    return 1 if faults else 0


def graph(root):
    edges = Counter()
    for path, _, target in includes(root):
        a, b = node_of(path), node_of(target)
        if a != b:
            edges[(a, b)] += 1
    print("layers, lowest first: " + "; ".join(
        f"{name} ({', '.join(parts)})" for name, parts in LAYERS) + "; then tools, tests, bench, fuzz")
    for (a, b), n in sorted(edges.items()):
        mark = "  (allowed: every vehicle is a town object)" if any(
            node_of(p) == a and node_of(t) == b for p, t in ALLOWED) else ""
        print(f"{a} -> {b}  {n}{mark}")
    return 0


def main(argv):
    args = [a for a in argv if a != "--graph"]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    return graph(root) if "--graph" in argv else check(root)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
