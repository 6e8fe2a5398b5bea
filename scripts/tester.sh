#!/usr/bin/env bash
# Sets up a fresh Debian 12 or 13 machine, builds the game, the simulator and the test suite with
# AddressSanitizer and UndefinedBehaviorSanitizer, generates the data and runs every test, then
# builds the game for the browser and runs the browser tests (scripts/web.sh --tester).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$racine/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAGE_SANITIZE=ON
cmake --build "$racine/build-test" -j"$(nproc)"
# One slot more than cores: the real-display tests mostly wait, the others are CPU-bound.
statut=0
ctest --test-dir "$racine/build-test" --output-on-failure -j"$(( $(nproc) + 1 ))" || statut=$?
# A test that cannot run here says why: the reasons of the skipped ones, after ctest's summary.
grep -h '^SKIPPED' "$racine/build-test/Testing/Temporary/LastTest.log" 2> /dev/null | sort -u || true
[ "$statut" -eq 0 ] || exit "$statut"
# The browser build and its tests in headless Chromium, with the data just generated.
MIRAGE_RUN_NATIF="$racine/build-test/run" "$racine/scripts/web.sh" --tester
