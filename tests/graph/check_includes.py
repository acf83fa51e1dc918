#!/usr/bin/env python3
"""Checks that every #include under a source tree follows the library graph.

Usage: check_includes.py SRC_DIR
Prints each offending include as "path:line: text (reason)" and exits 1 when
there is one, 0 when the tree is clean.
"""
import pathlib
import re
import sys

# Which subsystems each subsystem may include besides itself.
ALLOWED = {
    "dbase": set(),
    "common": set(),
    "store": {"dbase", "common"},
    "query": {"store", "editors", "common"},
    "editors": {"common"},
    "mainwin": {"store", "query", "editors", "output", "common"},
    "printengine": {"common"},
    "output": {"printengine", "store", "query", "common"},
    "exchange": {"store", "common"},
}
SUBSYSTEMS = set(ALLOWED) | {"shell"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".c"}


def place(relative):
    """(subsystem, is_ui) of a file or include path, or None outside the subsystems."""
    parts = relative.split("/")
    if parts[0] not in SUBSYSTEMS:
        return None
    return parts[0], len(parts) > 2 and parts[1] == "ui"


def violation(source, target):
    """Why `source` (a path under src) may not include `target`, or None."""
    if ".." in target.split("/"):
        return "includes must name a subsystem, not climb out of one"
    to = place(target)
    if to is None:
        return None  # the file's own folder, Qt, the standard library
    to_system, to_ui = to
    here = place(source)
    if here is None:  # the program's entry point
        return None if source == "main.cpp" else "only main.cpp lives outside the subsystems"
    system, ui = here
    if to_system == "shell" and system != "shell":
        return "only main.cpp and the shell include the shell"
    if to_ui and not ui:
        return "logic never includes widgets"
    if system == "shell" or to_system == system:
        return None
    if to_system not in ALLOWED[system]:
        return f"{system} may not include {to_system}"
    return None


def main(argv):
    root = pathlib.Path(argv[1])
    problems = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        relative = path.relative_to(root).as_posix()
        text = path.read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            reason = violation(relative, match.group(1))
            if reason:
                problems.append(f"{root.name}/{relative}:{number}: {line.strip()} ({reason})")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} forbidden include(s)" if problems else "include graph clean")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
