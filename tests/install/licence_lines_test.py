#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/checks.py's licence check on a small repository of its own: a
source file needs both SPDX lines at its top; other files need neither."""
import importlib.util
import os
import subprocess
import sys
import tempfile

spec = importlib.util.spec_from_file_location("checks", os.path.join(sys.argv[1], "scripts", "checks.py"))
checks = importlib.util.module_from_spec(spec)
spec.loader.exec_module(checks)

COPY = "# SPDX-FileCopyrightText: 2026 Sumdart developers\n"
LICENCE = "# SPDX-License-Identifier: GPL-3.0-or-later\n"
files = {
    "both.sh": COPY + LICENCE, "both.cpp": COPY.replace("#", "//") + LICENCE.replace("#", "//"),
    "licence-only.py": LICENCE, "copyright-only.js": COPY, "late.sh": "\n" * 6 + COPY + LICENCE,
    "sub/CMakeLists.txt": "", "notes.md": "", "data.json": "{}",
}
with tempfile.TemporaryDirectory() as top:
    for name, text in files.items():
        os.makedirs(os.path.dirname(os.path.join(top, name)), exist_ok=True)
        open(os.path.join(top, name), "w").write(text)
    subprocess.run(["git", "init", "-q"], cwd=top, check=True)
    checks.TOP = top
    found = sorted(line.split(":")[0] for line in checks.licence_lines())
expected = ["copyright-only.js", "late.sh", "licence-only.py", "sub/CMakeLists.txt"]
if found != expected:
    sys.exit("licence check: found %s, expected %s" % (found, expected))
print("licence check: the %d files without both lines at the top are found" % len(expected))
