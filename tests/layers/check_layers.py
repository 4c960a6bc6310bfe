#!/usr/bin/env python3
"""Refuses an include that runs against the libraries' order.

    check_layers.py LAYERS_FILE SOURCE_DIR
    check_layers.py --self-test

LAYERS_FILE is what the build writes (build/layers.txt): one line per folder of src/ and the
library it belongs to, `folder: folder folder ...`, naming every folder that library may include
(its own and those of every library it links). A folder may have several lines (the program's
entry picks a front end); they add up. Every `#include "..."` of a file in a known folder must
name a header in a folder it may include. Exits 1 and names each file, line and include that may
not be there.
"""

import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def read_layers(path):
    allowed = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if ":" not in line:
                continue
            folder, rest = line.split(":", 1)
            allowed.setdefault(folder.strip(), set()).update(rest.split())
    return allowed


def folder_of(path, folders):
    """The longest known folder that holds `path` (a path relative to src/), or None."""
    best = None
    for folder in folders:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def violations(allowed, source_dir):
    found = []
    for root, _, files in os.walk(source_dir):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            relative = os.path.relpath(path, source_dir).replace(os.sep, "/")
            home = folder_of(relative, allowed)
            if home is None:
                continue
            with open(path, encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = folder_of(match.group(1), allowed)
                    if target is not None and target not in allowed[home]:
                        found.append(f"{relative}:{number}: includes {match.group(1)}, but {home} "
                                     f"does not link {target}")
    return found


def self_test():
    """The check finds an upward include and passes the same tree without it."""
    with tempfile.TemporaryDirectory() as tmp:
        layers = os.path.join(tmp, "layers.txt")
        with open(layers, "w", encoding="utf-8") as f:
            f.write("core: core\ngame: game core\n")
        src = os.path.join(tmp, "src")
        os.makedirs(os.path.join(src, "core"))
        os.makedirs(os.path.join(src, "game"))
        with open(os.path.join(src, "game", "Game.h"), "w", encoding="utf-8") as f:
            f.write('#include "core/Random.h"\n')
        bad = os.path.join(src, "core", "Random.h")
        with open(bad, "w", encoding="utf-8") as f:
            f.write('#pragma once\n#include "game/Game.h"\n')
        found = violations(read_layers(layers), src)
        assert found == ["core/Random.h:2: includes game/Game.h, but core does not link game"], found
        with open(bad, "w", encoding="utf-8") as f:
            f.write("#pragma once\n")
        assert violations(read_layers(layers), src) == []
    print("layer check: self-test passed")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    allowed = read_layers(argv[1])
    found = violations(allowed, argv[2])
    for line in found:
        print(line)
    print(f"layer check: {len(allowed)} folders, {len(found)} includes against the order")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
