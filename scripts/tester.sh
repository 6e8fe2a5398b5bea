#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the game, the simulator and the test suite with
# AddressSanitizer and UndefinedBehaviorSanitizer, generates the data and runs every test, then
# builds the game for the browser and runs the browser tests (scripts/web.sh --tester).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$racine/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMIRAGE_SANITIZE=ON
cmake --build "$racine/build-test" -j"$(nproc)"
# One slot more than cores: the real-display tests mostly wait, the others are CPU-bound.
ctest --test-dir "$racine/build-test" --output-on-failure -j"$(( $(nproc) + 1 ))"
# The browser build and its tests in headless Chromium, with the data just generated.
MIRAGE_RUN_NATIF="$racine/build-test/run" "$racine/scripts/web.sh" --tester
