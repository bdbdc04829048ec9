#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a source file includes from a room its library does not link, or when files
include one another in a cycle. A room is a folder of one library; a file and its header are
one unit for the cycles, and headers may never include one another in a cycle. Usage: check_includes.py SOURCE_DIR"""
import re
import sys
from pathlib import Path

# Each room and the rooms its library links, as the CMakeLists say; a room may include from
# these and from what they link in turn. cli and app/windows link app, never each other.
LINKS = {
    "platform": [],
    "gif/colour": ["platform"],
    "gif/encode": ["platform"],
    "gif/model": ["gif/colour", "gif/encode"],
    "app/l10n": ["platform"],
    "app/document": ["platform"],
    "app/books": ["app/document", "app/css"],
    "app/css": ["platform"],
    "app/delivery": ["platform"],
    "app/text": ["app/books"],
    "app/layout": ["app/text"],
    "app/glyphs": [],
    "app/drawing": ["app/layout", "app/glyphs"],
    "app/pictures": ["app/drawing", "gif/model"],
    "app/typeset": ["app/drawing", "app/pictures"],
    "app/run": ["app/drawing", "app/typeset", "app/pictures", "app/delivery", "app/l10n", "gif/model"],
    "app": ["app/run"],
    "app/windows": ["app", "app/l10n"],
    "cli": ["app", "app/l10n"],
}
# Rooms whose units may know one another through their .cpp files: the GIF model's items
# and the image that holds them point to each other, their headers declaring no more than
# the class. A cycle of headers is refused there too.
MUTUAL_ROOMS = {"gif/model"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def reachable(room):
    seen, todo = {room}, [room]
    while todo:
        for linked in LINKS[todo.pop()]:
            if linked not in seen:
                seen.add(linked)
                todo.append(linked)
    return seen


def room_of(path):
    folder = path.parent.as_posix()
    return folder if folder in LINKS else None


def find_cycles(graph):
    """The groups of units that reach one another (Tarjan), largest first."""
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for other in graph.get(unit, ()):
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            group = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.add(member)
                if member == unit:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return sorted(groups, key=len, reverse=True)


def main(source_dir):
    root = Path(source_dir)
    sys.setrecursionlimit(10000)
    problems, units, headers = [], {}, {}
    for file in sorted(p for top in ("platform", "gif", "app", "cli") for p in (root / top).rglob("*")):
        if file.suffix not in (".h", ".cpp"):
            continue
        relative = file.relative_to(root)
        room = room_of(relative)
        if room is None:
            problems.append(f"{relative}: in no known room; add its folder to LINKS")
            continue
        unit = relative.with_suffix("").as_posix()
        for included in INCLUDE.findall(file.read_text(encoding="utf-8")):
            target = Path(included)
            target_room = room_of(target)
            if target_room is None or not (root / target).is_file():
                continue  # a header Qt's moc makes, or one of a test's own
            if target.suffix != ".h":
                problems.append(f"{relative}: includes {included}, which is no header")
            if target_room not in reachable(room):
                problems.append(f"{relative}: includes {included} from {target_room}, which {room} does not link")
            if relative.suffix == ".h":
                headers.setdefault(relative.as_posix(), set()).add(target.as_posix())
            other = target.with_suffix("").as_posix()
            if other != unit and not (room == target_room and room in MUTUAL_ROOMS):
                units.setdefault(unit, set()).add(other)
    for group in find_cycles(headers) + find_cycles(units):
        problems.append("include cycle among: " + ", ".join(group))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]))
