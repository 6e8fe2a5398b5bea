#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the game and its data, and starts it from its run
# directory (build/run, which holds Images/ and Sound/).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DMIRAGE_TESTS=OFF
cmake --build "$racine/build" -j"$(nproc)" --target mirage
cd "$racine/build/run"
exec ./mirage "$@"
