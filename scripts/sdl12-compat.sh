#!/usr/bin/env bash
# Unpacks Debian's sdl12-compat (SDL 1.2's interface on SDL2, the libsdl1.2-compat package)
# into DIR/lib without installing it, so that the game can run on it while the machine keeps
# the classic SDL 1.2:   LD_LIBRARY_PATH=DIR/lib ./mirage
# Usage: scripts/sdl12-compat.sh DIR   (prints DIR/lib; nothing to do when it is there already)
# The package is fetched with apt-get download (no root needed); the SDL2 it runs on
# (libsdl2-2.0-0) is installed by scripts/installer-dependances.sh.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 DIR" >&2; exit 1; }
lib="$1/lib"
if [ -e "$lib/libSDL-1.2.so.0" ]; then
  echo "$lib"
  exit 0
fi
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
chmod a+rwx "$tmp"  # apt's download user writes there
if ! (cd "$tmp" && apt-get download -qq libsdl1.2-compat) >&2; then
  # Without the package lists (or the network), a copy apt already fetched will do.
  cp /var/cache/apt/archives/libsdl1.2-compat_*.deb "$tmp/" 2> /dev/null ||
    { echo "sdl12-compat.sh: cannot fetch libsdl1.2-compat (run scripts/installer-dependances.sh)" >&2; exit 1; }
fi
paquet=$(ls "$tmp"/libsdl1.2-compat_*.deb | head -1)
dpkg-deb -x "$paquet" "$tmp/racine"
mkdir -p "$lib"
cp -a "$tmp"/racine/usr/lib/*/sdl12-compat/libSDL-1.2.so* "$lib/"
[ -e "$lib/libSDL-1.2.so.0" ] || { echo "sdl12-compat.sh: no libSDL-1.2.so.0 in $paquet" >&2; exit 1; }
echo "$lib"
