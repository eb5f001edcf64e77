#!/usr/bin/env bash
# The .ts files hold exactly the texts of the code: lupdate run again over the
# code (on copies) changes nothing. A text added to the code without lupdate,
# or a .ts file edited by hand out of lupdate's form, fails here.
#   translations_up_to_date.sh LUPDATE PROJECT.cmake GENERATOR.cmake TS_FILE... -- LUPDATE_OPTION...
# (the project file and generator are those of Qt's CMake lupdate target).
set -euo pipefail
lupdate=$1 project_cmake=$2 generator=$3
shift 3
files=()
while (($#)) && [[ $1 != -- ]]; do files+=("$1"); shift; done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
project=$work/project.json
cmake -DIN_FILE="$project_cmake" -DOUT_FILE="$project" -P "$generator" >/dev/null
status=0
for ts in "${files[@]}"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -project "$project" "$@" -ts "$copy" >"$work/log" 2>&1 || { cat "$work/log" >&2; exit 1; }
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is not up to date with the code; run: cmake --build BUILD --target update_translations" >&2
    diff -u "$ts" "$copy" | head -40 >&2 || true
    status=1
  fi
done
exit $status
