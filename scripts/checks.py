#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the code's shape that a newcomer can run:

    scripts/checks.py

- no GameScreen member is defined outside src/game;
- no test double is defined under src/;
- nothing in src/ includes from or links tools/;
- no screen reaches into another screen's records;
- no rule in src/game decides on a record's `enabled` or `visible`;
- no include cycle between the folders of src/;
- no function in src/ is longer than 60 lines;
- every source file starts with its SPDX licence and copyright lines.

It also prints the share of test code against the program's code, every test
language counted (blank lines and comments left out), which the project keeps
at a quarter to a third, and says so when it is above a third.

Prints each breach and exits 1 if there is one. Runs in the test command.
"""
import os
import re
import subprocess
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE = re.compile(r"\.(cpp|cc|h|hpp)$")
DOUBLES = ("FakeDesktop", "MemorySaveFile", "RecordingSound", "ScriptedRandom", "ManualClock")
MAX_LINES = 60


def files(*folders, pattern=SOURCE):
    out = []
    for folder in folders:
        for root, _, names in os.walk(os.path.join(TOP, folder)):
            out += [os.path.join(root, n) for n in sorted(names) if pattern.search(n)]
    return out


def rel(path):
    return os.path.relpath(path, TOP)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def members_outside_game():
    return ["%s defines GameScreen members" % rel(p) for p in files("src")
            if not rel(p).startswith("src/game/") and re.search(r"\bGameScreen::\w+\s*\(", read(p))]


def doubles_in_src():
    return ["%s defines the test double %s" % (rel(p), d) for p in files("src") for d in DOUBLES
            if re.search(r"\b(class|struct)\s+%s\b" % d, read(p))]


def tools_in_src():
    cmake = re.compile(r"CMakeLists\.txt$")
    made_in_tools = set()
    for p in files("tools", pattern=cmake):
        made_in_tools |= set(re.findall(r"add_library\(\s*(\w+)", read(p)))
    out = ["%s includes from tools/" % rel(p) for p in files("src") if re.search(r"#include\s+\"[^\"]*tools/", read(p))]
    for p in files("src", pattern=cmake):
        text = "\n".join(line.split("#")[0] for line in read(p).splitlines())
        out += ["%s links %s, made in tools/" % (rel(p), lib) for lib in sorted(made_in_tools)
                if re.search(r"\b%s\b" % lib, text)]
        if re.search(r"tools/", text):
            out.append("%s refers to tools/" % rel(p))
    return out


def screens_reaching_in():
    # The game screen's records are its own; other screens start a game through the flow.
    return ["%s reaches into the game screen's records" % rel(p) for p in files("src/screens", "src/help")
            if re.search(r"\brecords\(\)|->st\.|\.st\.", read(p))]


def rules_on_records():
    # In the game's rules, enabled and visible are only ever drawn, never read.
    read_flag = re.compile(r"\.(enabled|visible)\b(?!\s*=[^=])")
    out = []
    for p in files("src/game"):
        for n, line in enumerate(read(p).splitlines(), 1):
            code = line.split("//")[0]
            if read_flag.search(code):
                out.append("%s:%d reads a record's enabled or visible: %s" % (rel(p), n, line.strip()))
    return out


def include_cycles():
    graph = {}
    for p in files("src"):
        folder = rel(p).split("/")[1] if rel(p).count("/") > 1 else "."
        for target in re.findall(r"#include\s+\"(\w+)/", read(p)):
            if target != folder:
                graph.setdefault(folder, set()).add(target)
    cycles = []

    def walk(node, path):
        for nxt in sorted(graph.get(node, ())):
            if nxt in path:
                cycles.append(" -> ".join(path[path.index(nxt):] + [nxt]))
            elif len(path) < 12:
                walk(nxt, path + [nxt])

    for start in sorted(graph):
        walk(start, [start])
    return sorted({"include cycle between folders: " + c for c in cycles})


def long_functions():
    # Functions start at the left margin and end at the first brace back there.
    out = []
    for p in files("src", pattern=re.compile(r"\.(cpp|cc|h)$")):
        lines = read(p).splitlines()
        start = None
        for n, line in enumerate(lines):
            if start is None and re.match(r"[A-Za-z].*\)\s*(const\s*)?(override\s*)?\{\s*$", line) \
                    and not line.startswith(("namespace", "struct", "class", "enum")):
                start = n
            elif start is None and re.match(r"[A-Za-z].*\)\s*$", line) and n + 1 < len(lines) \
                    and lines[n + 1].startswith("    :"):
                start = n
            elif start is not None and line.startswith("}"):
                if n - start + 1 > MAX_LINES:
                    out.append("%s:%d: a function of %d lines" % (rel(p), start + 1, n - start + 1))
                start = None
    return out


def test_share():
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "--", "src", "tools", "bench", "web", "tests"],
                            cwd=TOP, capture_output=True, text=True).stdout.split()
    blank_or_comment = re.compile(r"^\s*((//|# |#!).*|#)?$")
    code = tests = 0
    for name in listed:
        if not re.search(r"\.(cpp|cc|h|hpp|sh|py|js|mjs|ts)$", name) or not os.path.exists(os.path.join(TOP, name)):
            continue
        n = sum(1 for line in read(os.path.join(TOP, name)).splitlines() if not blank_or_comment.match(line))
        if name.startswith("tests/"):
            tests += n
        else:
            code += n
    share = 100.0 * tests / max(code, 1)
    print("test code: %d lines, program code: %d lines (%.1f %%)" % (tests, code, share))
    if 3 * tests > code:
        print("note: test code is %.1f %% of the program's code, more than a third" % share)


def licence_lines():
    # Every source file names its licence and copyright in its first lines, as REUSE does.
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=TOP, capture_output=True, text=True).stdout.split()
    out = []
    for name in listed:
        source = re.search(r"\.(cpp|h|sh|py|js|mjs|css|html|cmake)$", name) or os.path.basename(name) == "CMakeLists.txt" \
            or name in (".ci/run", "debian/rules")
        path = os.path.join(TOP, name)
        if not source or not os.path.isfile(path):
            continue
        head = "".join(read(path).splitlines(True)[:5])
        if "SPDX-License-Identifier: GPL-3.0-or-later" not in head or "SPDX-FileCopyrightText:" not in head:
            out.append("%s: no SPDX licence and copyright lines at the top" % name)
    return out


def main():
    breaches = []
    for check in (licence_lines, members_outside_game, doubles_in_src, tools_in_src, screens_reaching_in, rules_on_records,
                  include_cycles, long_functions):
        breaches += check()
    test_share()
    for b in breaches:
        print(b)
    return 1 if breaches else 0


if __name__ == "__main__":
    sys.exit(main())
