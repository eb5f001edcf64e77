#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Planted-fault check: does the test suite notice a plausible fault in the code?

    scripts/fault_check.py FAULTS_FILE [FAULTS_FILE...] [--work DIR] [--only N]
                           [--no-e2e] [--matrix OUT.jsonl]

Each fault is a block of lines, blocks separated by a blank line:

    # what the fault is (optional comment lines)
    file: src/game/game_screen.cpp
    find: if (x > s || x == s - 1 || (x == s && st.lastWasDouble == 0)) {
    replace: if (x > s || (x == s && st.lastWasDouble == 0)) {
    target: test_game

`find` must occur exactly once in the file; in `find` and `replace`, {nl}
stands for a line break. `target` is optional: the test program to try first.

For every fault the tree is copied once into a private folder (so nothing in
the checkout changes), the fault is planted there, everything is built, and the
whole suite runs: first every unit test program (stopping at the first that
fails), then, only when they all pass, the browser edition's tests (the site
built by scripts/web.sh from the planted tree, played in Chromium), the
install check and the end-to-end run. The file is put back afterwards. A fault counts as caught when any test
fails; the summary says how many were caught by the end-to-end run alone.

With --matrix, every unit test program runs for every fault (none is skipped
after the first failure) and each fault's failing test cases are written as
one JSON line to OUT.jsonl: the cases that catch a fault alone are the ones a
fold must keep, and a case that never catches anything alone is a candidate
to fold into another.
Needs the project's build tools and Xvfb; not part of the test command.
"""
import argparse
import glob
import json
import os
import shutil
import subprocess
import sys


def parse(path):
    faults, block = [], {}
    comment = []
    for raw in open(path, encoding="utf-8").read().splitlines() + [""]:
        line = raw.rstrip("\n")
        if not line.strip():
            if block:
                block["why"] = " ".join(comment)
                block["source"] = path
                faults.append(block)
            block, comment = {}, []
            continue
        if line.startswith("#"):
            comment.append(line.lstrip("# "))
            continue
        key, _, value = line.partition(": ")
        block[key.strip()] = value.replace("{nl}", "\n")
    return faults


def run(cmd, cwd, timeout, env=None):
    try:
        return subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout, env=env).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def unit_programs(build, first):
    progs = sorted(os.path.basename(p) for p in glob.glob(os.path.join(build, "bin", "test_*")))
    if first in progs:
        progs.remove(first)
        progs.insert(0, first)
    return progs


def failed_cases(prog, report):
    """The failing cases of a gtest JSON report, as PROGRAM:Suite.Case; the
    program alone when it left no report (it crashed or timed out)."""
    try:
        data = json.load(open(report, encoding="utf-8"))
    except (OSError, ValueError):
        return [prog]
    cases = ["%s:%s.%s" % (prog, suite["name"], case["name"]) for suite in data.get("testsuites", [])
             for case in suite.get("testsuite", []) if case.get("failures")]
    return cases or [prog]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("faults", nargs="+")
    ap.add_argument("--work", default="/tmp/sumdart-faults")
    ap.add_argument("--only", type=int, default=0, help="check only fault number N (1-based)")
    ap.add_argument("--no-e2e", action="store_true", help="count a fault the unit tests miss as missed")
    ap.add_argument("--matrix", help="write every failing test case of each fault to this JSON-lines file")
    args = ap.parse_args()
    top = subprocess.check_output(["git", "rev-parse", "--show-toplevel"], text=True).strip()
    faults = [f for path in args.faults for f in parse(path)]

    tree = os.path.join(args.work, "tree")
    build = os.path.join(args.work, "build")
    os.makedirs(args.work, exist_ok=True)
    # A private copy of the checkout as it is now (uncommitted changes included).
    # Files are compared by content and copied with the time of copying, so a
    # file put back since an earlier run is always rebuilt.
    subprocess.check_call(["rsync", "-rlpc", "--delete", "--exclude", "/build", "--exclude", "/build-*", "--exclude", ".git",
                           "--exclude", "/dist", top + "/", tree + "/"])
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        # Quick to rebuild and to run: light optimisation, no debug information,
        # and a fast linker when there is one.
        linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        subprocess.check_call(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                               "-DCMAKE_CXX_FLAGS_DEBUG=-O1", "-DSUMDART_BENCH=OFF"] + linker,
                              stdout=subprocess.DEVNULL)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if run(["cmake", "--build", build], tree, 1800) != 0:
        sys.exit("the unplanted tree does not build")

    caught, by_e2e, missed, broken = 0, [], [], []
    for n, f in enumerate(faults, 1):
        if args.only and n != args.only:
            continue
        path = os.path.join(tree, f["file"])
        if not os.path.isfile(path):
            broken.append((n, f, "the file is gone"))
            continue
        text = open(path, encoding="utf-8").read()
        if text.count(f["find"]) != 1:
            broken.append((n, f, "find text occurs %d times" % text.count(f["find"])))
            continue
        try:
            open(path, "w", encoding="utf-8").write(text.replace(f["find"], f["replace"]))
            if run(["cmake", "--build", build], tree, 900) != 0:
                broken.append((n, f, "does not build"))
                continue
            by = None
            failing = []
            for prog in unit_programs(build, f.get("target", "")):
                report = os.path.join(args.work, "report.json")
                if os.path.exists(report):
                    os.remove(report)
                cmd = [os.path.join(build, "bin", prog)] + (["--gtest_output=json:" + report] if args.matrix else [])
                if run(cmd, os.path.join(build, "bin"), 300, env) != 0:
                    by = by or prog
                    if not args.matrix:
                        break
                    failing += failed_cases(prog, report)
            if by is None and not args.no_e2e:
                if run(["bash", "scripts/web.sh", "--build-only", "--native", build], tree, 900, env) != 0:
                    broken.append((n, f, "the browser edition does not build"))
                    continue
                web_env = dict(env, SUMDART_SITE=os.path.join(tree, "build-web", "site"),
                               SUMDART_SOLVE=os.path.join(build, "bin", "sumdart-solve"))
                if run(["node", "--test", "tests/web/"], tree, 600, web_env) != 0:
                    by = "web"
                    by_e2e.append((n, f))
            if by is None and not args.no_e2e:
                if run(["ctest", "--test-dir", build, "-R", "^(install|e2e_game|orca_game)$"], build, 600, env) != 0:
                    by = "e2e"
                    by_e2e.append((n, f))
            if args.matrix:
                with open(args.matrix, "a", encoding="utf-8") as out:
                    out.write(json.dumps({"fault": n, "source": f["source"], "file": f["file"], "why": f["why"],
                                          "caught_by": failing or ([by] if by else [])}) + "\n")
            if by is None:
                missed.append((n, f))
                print("MISSED %3d %s: %s" % (n, f["file"], f["why"] or f["replace"]), flush=True)
            else:
                caught += 1
                print("caught %3d %s by %s" % (n, f["file"], by), flush=True)
        finally:
            open(path, "w", encoding="utf-8").write(text)
    for n, f, why in broken:
        print("INVALID %3d %s: %s" % (n, f["file"], why))
    total = caught + len(missed)
    print("%d of %d planted faults caught, %d of them by the end-to-end run alone (%d invalid)"
          % (caught, total, len(by_e2e), len(broken)))
    return 0 if not missed and not broken else 1


if __name__ == "__main__":
    sys.exit(main())
