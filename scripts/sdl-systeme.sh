#!/usr/bin/env bash
# Which SDL 1.2 the system gives a program that links libSDL-1.2.so.0 (LD_LIBRARY_PATH left
# aside): prints "classic PATH" or "sdl12-compat PATH" (sdl12-compat, SDL 1.2 on SDL2, is the
# one that hands out its SDL2 window); exits 1 with a line on stderr when there is none.
set -euo pipefail
chemin=$(/sbin/ldconfig -p | awk '$1 == "libSDL-1.2.so.0" && /x86-64|64bit/ { print $NF; exit }')
[ -n "$chemin" ] || chemin=$(/sbin/ldconfig -p | awk '$1 == "libSDL-1.2.so.0" { print $NF; exit }')
[ -n "$chemin" ] || { echo "sdl-systeme.sh: no libSDL-1.2.so.0 on this system" >&2; exit 1; }
reel=$(readlink -f "$chemin")
if grep -q SDL12COMPAT_GetWindow "$reel"; then echo "sdl12-compat $reel"; else echo "classic $reel"; fi
