#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# The .ts files hold exactly the texts of the code: lupdate run again over the
# code (on copies) changes nothing. A text added to the code without lupdate,
# or a .ts file edited by hand out of lupdate's form, fails here.
#   translations_up_to_date.sh LUPDATE PROJECT.cmake GENERATOR.cmake TS_FILE... -- LUPDATE_OPTION...
# (the project file and generator are those of Qt's CMake lupdate target).
set -euo pipefail
lupdate=$1 project_cmake=$2 generator=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=() copies=()
while (($#)) && [[ $1 != -- ]]; do files+=("$1") copies+=("$work/${1##*/}"); cp "$1" "$work/"; shift; done
shift
cmake -DIN_FILE="$project_cmake" -DOUT_FILE="$work/project.json" -P "$generator" >/dev/null
"$lupdate" -project "$work/project.json" "$@" -ts "${copies[@]}" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
status=0
for i in "${!files[@]}"; do
  diff -u "${files[i]}" "${copies[i]}" >&2 ||
    { status=1; echo "${files[i]##*/} is not up to date with the code; run: cmake --build BUILD --target update_translations" >&2; }
done
exit $status
