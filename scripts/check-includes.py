#!/usr/bin/env python3
"""Fails when a source file includes a header of a library that the file's
own target does not link.

Every library exports the whole src/ as its include root, so such an include
compiles even when the libraries do not depend on each other: the check keeps
the dependencies the build declares and the ones the code uses the same.

It reads the targets from the CMake files (bt_library, bt_test, add_library,
add_executable, target_link_libraries): a folder's files belong to the
targets its CMakeLists.txt (or a .cmake file beside it) declares, or, without
one, to its nearest parent folder's. A quoted #include is found next to the
including file or under src/, tools/, server/ or tests/; one that lands in
another target's folder must name a target that the including folder's
targets link, directly or through public links. Headers under tests/ are the
tests' shared helpers, not a library, and are not checked.

usage: scripts/check-includes.py   (from anywhere; exit 1 on a stray include)
"""
import os
import re
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
INCLUDE_ROOTS = ["src", "tools", "server", "tests"]
CHECKED = ("src/", "tools/", "server/", "bench/", "fuzz/", "tests/")
UNCHECKED_HEADERS = ("tests/",)

COMMAND = re.compile(
    r"\b(bt_library|bt_test|add_library|add_executable|target_link_libraries)\s*\(([^()]*)\)")
KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "STATIC", "SHARED", "OBJECT", "IMPORTED",
            "GLOBAL", "ALIAS"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def tracked_files():
    out = subprocess.run(["git", "ls-files"], cwd=ROOT, capture_output=True, text=True,
                         check=True).stdout
    return out.split()


def cmake_words(text):
    text = re.sub(r"#[^\n]*", "", text)
    for match in COMMAND.finditer(text):
        yield match.group(1), match.group(2).split()


def read_targets(files):
    """folder -> names declared there; name -> [(dependency, public)]."""
    declared, links = {}, {}
    for path in files:
        if os.path.basename(path) != "CMakeLists.txt" and not path.endswith(".cmake"):
            continue
        folder = os.path.dirname(path)
        with open(os.path.join(ROOT, path), encoding="utf-8") as f:
            text = f.read()
        for command, words in cmake_words(text):
            if not words:
                continue
            name = words[0]
            if command == "bt_test":
                # bt_test(NAME FOLDER DEPS...): its sources are tests/FOLDER.
                declared.setdefault(os.path.join(folder, words[1]), set()).add(name)
                links.setdefault(name, []).extend((d, False) for d in words[2:])
                continue
            if command != "target_link_libraries":
                declared.setdefault(folder, set()).add(name)
                links.setdefault(name, [])
            if command == "bt_library":
                links[name].extend((d, True) for d in words[1:])
            elif command == "target_link_libraries":
                public = True  # the plain signature passes links on
                for word in words[1:]:
                    if word in KEYWORDS:
                        public = word != "PRIVATE"
                    else:
                        links.setdefault(name, []).append((word, public))
    return declared, links


def linked(name, links):
    """Every target name reaches: its own links, then their public ones."""
    reached, waiting = set(), [dependency for dependency, _ in links.get(name, [])]
    while waiting:
        dependency = waiting.pop()
        if dependency not in reached:
            reached.add(dependency)
            waiting.extend(d for d, public in links.get(dependency, []) if public)
    return reached


def owner(path, declared):
    folder = os.path.dirname(path)
    while folder:
        if folder in declared:
            return folder
        folder = os.path.dirname(folder)
    return None


def resolve(path, include):
    for base in [os.path.dirname(path)] + INCLUDE_ROOTS:
        candidate = os.path.normpath(os.path.join(base, include))
        if os.path.isfile(os.path.join(ROOT, candidate)):
            return candidate
    return None


def main():
    files = tracked_files()
    declared, links = read_targets(files)
    allowed = {}
    for folder, names in declared.items():
        allowed[folder] = set(names)
        for name in names:
            allowed[folder] |= linked(name, links)
    faults = []
    for path in files:
        if not path.startswith(CHECKED) or not path.endswith((".cpp", ".h")):
            continue
        mine = owner(path, declared)
        if mine is None:
            continue
        with open(os.path.join(ROOT, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        for include in INCLUDE.findall(text):
            header = resolve(path, include)
            if header is None or header.startswith(UNCHECKED_HEADERS):
                continue
            theirs = owner(header, declared)
            if theirs is None or theirs == mine or declared[theirs] & allowed[mine]:
                continue
            faults.append(f"{path}: includes \"{include}\" of {' or '.join(sorted(declared[theirs]))}, "
                          f"which {' / '.join(sorted(declared[mine]))} does not link")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) of libraries not linked (fix the include or the "
              "target_link_libraries / bt_library line)")
        return 1
    print(f"includes match the linked libraries ({len(files)} tracked files)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
