#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How a book's justified text is set, from `stronix-cli pages BOOK --json`.

    stronix-cli pages BOOK --json | bench/hyphen_figures.py [--loose PX]

Prints the pages, the full lines (justified or hyphenated), the share of them that end
in a hyphen, the runs of three or more hyphenated lines in a row and the longest, and
the share of justified lines whose spaces are each widened by PX pixels or more (6).
"""
import argparse
import json
import sys


def figures(book, loose):
    full = hyphenated = wide = 0
    run = longest = 0
    long_runs = 0
    for page in book["pages"]:
        if page["kind"] != "text":
            continue
        for line in page["lines"]:
            if line.get("hyphen"):
                run += 1
            else:
                long_runs += run >= 3
                run = 0
            longest = max(longest, run)
            if line.get("justified") or line.get("hyphen"):
                full += 1
                hyphenated += bool(line.get("hyphen"))
                wide += line.get("wordSpacing", 0) >= loose
    long_runs += run >= 3
    share = lambda n: 100.0 * n / full if full else 0.0
    return {
        "pages": len(book["pages"]),
        "full lines": full,
        "hyphenated %": round(share(hyphenated), 1),
        "runs of 3+": long_runs,
        "longest run": longest,
        f"spaces +{loose:g} px or more %": round(share(wide), 2),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("json", nargs="?", help="the pages as JSON (default: standard input)")
    parser.add_argument("--loose", type=float, default=6, help="pixels per space that count as loose")
    args = parser.parse_args()
    with open(args.json, encoding="utf-8") if args.json else sys.stdin as source:
        book = json.load(source)
    for name, value in figures(book, args.loose).items():
        print(f"{name}: {value}")


if __name__ == "__main__":
    main()
