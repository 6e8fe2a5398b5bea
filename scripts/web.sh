#!/usr/bin/env bash
# The browser build: installs what it needs (Debian's emscripten and chromium, the native build
# tools for the data generator), generates the data pack with the native generator (the same
# pack as the desktop's), builds the game to WebAssembly into the static site build-web/site/
# (page, script, wasm, data) and serves it on 127.0.0.1, printing the address.
#   scripts/web.sh               build, then serve (Ctrl+C stops the server)
#   scripts/web.sh --construire  build only
#   scripts/web.sh --tester      build, then run the browser tests (exit status 1 on a failure)
# MIRAGE_PORT chooses the server's port (8640); MIRAGE_RUN_NATIF, a native run directory to take
# the data (and the simulator) from instead of building them.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
mode=servir
case "${1:-}" in
  "") ;;
  --construire) mode=construire ;;
  --tester) mode=tester ;;
  *) echo "usage: scripts/web.sh [--construire | --tester]" >&2; exit 1 ;;
esac
sortie="$racine/build-web"
natif="$sortie/natif"
site="$sortie/site"

"$racine/scripts/installer-dependances.sh"
# npm comes with Debian's package, or inside a node installed from elsewhere (nodesource's,
# which Debian's npm package conflicts with).
paquets_web=(emscripten chromium python3)
command -v node > /dev/null || paquets_web+=(nodejs)
command -v npm > /dev/null || paquets_web+=(npm)
"$racine/scripts/installer-dependances.sh" "${paquets_web[@]}"
# emcc runs its tools with node; a node that is not Debian's own needs Debian's modules path.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

# The data pack (and, for the tests, the simulator whose capture the browser's splash is compared
# with), built natively; MIRAGE_RUN_NATIF names a run directory that has them already (the test
# script passes its own build's).
run="${MIRAGE_RUN_NATIF:-$natif/run}"
if [ -z "${MIRAGE_RUN_NATIF:-}" ]; then
  cibles=(assets)
  [ "$mode" = tester ] && cibles+=(simulateur)
  cmake -S "$racine" -B "$natif" -DCMAKE_BUILD_TYPE=Release -DMIRAGE_TESTS=OFF > /dev/null
  cmake --build "$natif" -j"$(nproc)" --target "${cibles[@]}"
fi

debut_web=$SECONDS
version=$(sed -n 's/^project(mirage VERSION \([0-9.]*\).*/\1/p' "$racine/CMakeLists.txt")
make -s -f "$racine/web/Makefile" -j"$(nproc)" RACINE="$racine" SORTIE="$sortie" DONNEES="$run" VERSION="$version"
cp "$racine/web/index.html" "$racine/web/page.css" "$racine/web/page.js" "$site/"
echo "Site: $site ($(du -sh "$site" | cut -f1)), built in $((SECONDS - debut_web)) s"

case "$mode" in
  construire) exit 0 ;;
  tester)
    (cd "$racine/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
    statut=0
    node "$racine/tests/web/navigateur.test.js" "$site" "$run" "$racine/tests/rejeux" || statut=$?
    echo "Browser build and tests: ${SECONDS} s"
    exit "$statut"
    ;;
esac
port="${MIRAGE_PORT:-8640}"
echo "Mirage in the browser: http://127.0.0.1:$port/"
cd "$site" && exec python3 -m http.server --bind 127.0.0.1 "$port"
