#!/usr/bin/env bash
# Sets up a fresh Debian 12 or 13 machine, builds the game and its data, and starts it from its run
# directory (build/run, which holds Images/ and Sound/).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/installer-dependances.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DMIRAGE_TESTS=OFF
cmake --build "$racine/build" -j"$(nproc)" --target mirage
# The files of --enregistrer, --rejouer and --trace are named from where the player started
# the game: made absolute before leaving for the data directory.
n=$#
apres_option=0
for a in "$@"; do
  if [ "$apres_option" = 1 ]; then case "$a" in /*) ;; *) a="$PWD/$a" ;; esac; fi
  case "$a" in --enregistrer|--rejouer|--trace) apres_option=1 ;; *) apres_option=0 ;; esac
  set -- "$@" "$a"
done
shift "$n"
cd "$racine/build/run"
exec ./mirage "$@"
