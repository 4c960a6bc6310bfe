#!/usr/bin/env python3
"""Refuses a relative link of the README or the manual that leads nowhere.

    check_links.py SOURCE_DIR
    check_links.py --self-test

Reads SOURCE_DIR/README.md and every SOURCE_DIR/docs/*.md. Every link `[text](target)` and
picture `src="target"` that is not a web address must name a file or folder that exists, and a
`#fragment` must name a heading of the Markdown file it leads to (as GitHub makes the fragment:
lower case, punctuation dropped, spaces as hyphens). Code blocks are skipped. Exits 1 and names
each file, line and target that leads nowhere.
"""

import glob
import os
import re
import sys
import tempfile

LINK = re.compile(r'\]\(([^)\s]+)\)|\bsrc="([^"]+)"')
HEADING = re.compile(r"^#{1,6}\s+(.*?)\s*#*\s*$")


def prose_lines(path):
    """(number, line) of each line outside fenced code blocks."""
    fenced = False
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if line.lstrip().startswith("```"):
                fenced = not fenced
            elif not fenced:
                yield number, line


def fragments(path):
    found = set()
    for _, line in prose_lines(path):
        match = HEADING.match(line)
        if match:
            text = re.sub(r"[^\w\- ]", "", match.group(1).lower())
            found.add(text.replace(" ", "-"))
    return found


def broken_links(source_dir):
    pages = [os.path.join(source_dir, "README.md")]
    pages += sorted(glob.glob(os.path.join(source_dir, "docs", "*.md")))
    faults = []
    for page in pages:
        for number, line in prose_lines(page):
            for match in LINK.finditer(line):
                target = match.group(1) or match.group(2)
                if re.match(r"^[a-z]+:", target):
                    continue
                path, _, fragment = target.partition("#")
                resolved = os.path.normpath(os.path.join(os.path.dirname(page), path)) if path else page
                where = f"{os.path.relpath(page, source_dir)}:{number}: {target}"
                if not os.path.exists(resolved):
                    faults.append(f"{where}: no such file")
                elif fragment and resolved.endswith(".md") and fragment not in fragments(resolved):
                    faults.append(f"{where}: no such heading")
    return faults


def self_test():
    with tempfile.TemporaryDirectory() as root:
        os.mkdir(os.path.join(root, "docs"))
        with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as f:
            f.write("[fine](docs/a.md#the-keys-f1) [gone](docs/b.md) [web](https://x.org/y)\n"
                    "```\n[in code](nowhere.md)\n```\n")
        with open(os.path.join(root, "docs", "a.md"), "w", encoding="utf-8") as f:
            f.write("# A\n\n## The keys (F1)\n\n[back](../README.md) [lost](#the-mouse)\n"
                    '<img src="shot.png">\n')
        faults = broken_links(root)
    expected = ["README.md:1: docs/b.md: no such file", "docs/a.md:5: #the-mouse: no such heading",
                "docs/a.md:6: shot.png: no such file"]
    if faults != expected:
        print("link check: self-test failed; found", faults, file=sys.stderr)
        return 1
    print("link check: self-test passed")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    faults = broken_links(argv[1])
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
