#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Sumdart's browser edition into build-web/site/ and serves it on
# http://localhost:8080/ (Ctrl+C stops it).
#
#   bash scripts/web.sh                 install what is missing, build, serve
#   bash scripts/web.sh --build-only    install what is missing, build
#   options: --port N (8080), --native DIR (a native build of this tree whose
#            bin/ has sumdart-assets and the translations; default build-web/native)
#
# build-web/site/ is a plain static folder: copy it to any web server.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

serve=1
port=8080
native=build-web/native
while (($#)); do
  case $1 in
    --build-only) serve=0 ;;
    --port) port=$2; shift ;;
    --native) native=$2; shift ;;
    *) echo "usage: $0 [--build-only] [--port N] [--native DIR]" >&2; exit 2 ;;
  esac
  shift
done

bash scripts/deps.sh web
jobs=$(nproc 2>/dev/null || echo 2)
site=build-web/site
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)

# The pictures and the rules pages are drawn by the desktop's own generator.
if [[ ! -x $native/bin/sumdart-assets ]]; then
  echo "==> the native generator ($native)"
  [[ -f $native/CMakeCache.txt ]] || cmake -S . -B "$native" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DSUMDART_TESTS=OFF -DSUMDART_BENCH=OFF
fi
cmake --build "$native" -j "$jobs" --target sumdart-assets sumdart_lrelease

# Debian's Emscripten runs its tools with whatever `node` is first on the
# PATH; one that is not Debian's own finds their modules only through NODE_PATH.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
echo "==> the game, compiled with Emscripten (build-web/wasm)"
[[ -f build-web/wasm/CMakeCache.txt ]] || emcmake cmake -S . -B build-web/wasm "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DSUMDART_WERROR=ON
cmake --build build-web/wasm -j "$jobs"

echo "==> the site ($site)"
rm -rf "$site"
mkdir -p "$site/lang" "$site/fonts"
cp web/index.html web/app.js web/page.js web/style.css web/manifest.webmanifest build-web/wasm/bin/sumdart.js build-web/wasm/bin/sumdart.wasm "$site/"
languages=()
qm=()
for ts in translations/sumdart_*.ts; do
  code=${ts#translations/sumdart_}
  code=${code%.ts}
  languages+=("$code")
  qm+=("$native/bin/translations/sumdart_$code.qm")
  python3 web/tools/catalog.py "$ts" "$site/lang/$code.txt"
done
QT_QPA_PLATFORM=offscreen "$native/bin/sumdart-assets" --web "$site" "${qm[@]}" >/dev/null

# The fonts the windows are laid out for, cut down to the letters of the
# languages the game speaks and renamed, as their licences ask of modified
# copies; their licences go with them.
/usr/bin/python3 web/tools/fonts.py /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf "$site/fonts/sans.woff2" "Sumdart Sans"
/usr/bin/python3 web/tools/fonts.py /usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf "$site/fonts/sans-bold.woff2" "Sumdart Sans"
/usr/bin/python3 web/tools/fonts.py /usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf "$site/fonts/condensed-bold.woff2" "Sumdart Condensed"
cp /usr/share/doc/fonts-liberation/copyright "$site/fonts/LICENSE-sans.txt"
cp /usr/share/doc/fonts-dejavu-extra/copyright "$site/fonts/LICENSE-condensed.txt"
cp /usr/share/common-licenses/GPL-2 "$site/fonts/GPL-2.txt"
cp LICENSE "$site/LICENSE.txt"

printf '{"languages": [%s]}\n' "$(printf '"%s",' "${languages[@]}" | sed 's/,$//')" > "$site/site.json"

# The offline cache: every file of the site, under a version made from their contents.
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site" && printf '%s\n' "$files" | xargs -d '\n' sha256sum | sha256sum | cut -c1-16)
list=$( (echo './'; printf '%s\n' "$files") | sed 's/.*/"&"/' | paste -sd, -)
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|[$list]|" web/sw.js > "$site/sw.js"
echo "built $site: $(du -sh "$site" | cut -f1), version $version"

if ((serve)); then
  echo "Sumdart is at http://localhost:$port/ (Ctrl+C stops it)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
fi
