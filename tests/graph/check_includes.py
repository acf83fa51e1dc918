#!/usr/bin/env python3
"""Checks that every #include under a source tree follows the library graph.

Usage: check_includes.py SRC_DIR
Prints each offending include as "path:line: text (reason)" and exits 1 when
there is one, 0 when the tree is clean.

The table engine belongs to the store: above it no file includes an engine
header, not even through a store header, and none names the engine's namespace.
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
    "mainwin": {"store", "query", "editors", "output", "exchange", "common"},
    "printengine": {"common"},
    "output": {"printengine", "store", "query", "common"},
    "exchange": {"store", "common"},
}
SUBSYSTEMS = set(ALLOWED) | {"shell"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".c"}
# What only the store may reach of the engine.
ENGINE = "dbase"
ENGINE_OWNERS = {"dbase", "store"}
ENGINE_NAME = re.compile(r"\bdbase::")


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
    if to_system == ENGINE and above_store(source):
        return "only the store reaches the table engine"
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


def above_store(relative):
    """True for files that must not see the engine (main.cpp included)."""
    here = place(relative)
    return here is None or here[0] not in ENGINE_OWNERS


def engine_chain(include, includes_of, seen):
    """The chain of headers through which `include` reaches an engine header, or None."""
    if include.split("/")[0] == ENGINE:
        return [include]
    if include in seen or include not in includes_of:
        return None
    seen.add(include)
    for _, nested in includes_of[include]:
        chain = engine_chain(nested, includes_of, seen)
        if chain:
            return [include] + chain
    return None


def main(argv):
    root = pathlib.Path(argv[1])
    problems = []
    texts = {}
    for path in sorted(root.rglob("*")):
        if path.suffix in SOURCE_SUFFIXES and path.is_file():
            texts[path.relative_to(root).as_posix()] = path.read_text(encoding="utf-8", errors="replace")
    includes_of = {}
    for relative, text in texts.items():
        includes_of[relative] = [
            (number, match.group(1))
            for number, line in enumerate(text.splitlines(), 1)
            if (match := INCLUDE.match(line))
        ]
    for relative, text in texts.items():
        for number, target in includes_of[relative]:
            line = text.splitlines()[number - 1]
            reason = violation(relative, target)
            if not reason and above_store(relative) and target.split("/")[0] != ENGINE:
                chain = engine_chain(target, includes_of, set())
                if chain:
                    reason = "reaches the table engine through " + " -> ".join(chain)
            if reason:
                problems.append(f"{root.name}/{relative}:{number}: {line.strip()} ({reason})")
        if above_store(relative):
            for number, line in enumerate(text.splitlines(), 1):
                if ENGINE_NAME.search(line):
                    problems.append(f"{root.name}/{relative}:{number}: {line.strip()} "
                                    "(names the table engine; reach records through the store)")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} forbidden include(s)" if problems else "include graph clean")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
