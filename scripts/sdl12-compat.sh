#!/usr/bin/env bash
# Unpacks Debian's sdl12-compat (SDL 1.2's interface on SDL2) into DIR/lib without installing
# it, so that the game can run on it while the machine keeps the classic SDL 1.2:
#   LD_LIBRARY_PATH=DIR/lib ./mirage
# Usage: scripts/sdl12-compat.sh DIR   (prints DIR/lib; nothing to do when it is there already)
# On Debian 12 the library is in libsdl1.2-compat; on Debian 13 that package only holds links
# to the system's SDL 1.2 (libsdl1.2debian), which is sdl12-compat itself. Each package is
# fetched with apt-get download (no root needed) and the first that holds a real sdl12-compat
# library wins. Where the system's own SDL 1.2 is already sdl12-compat, nothing is unpacked:
# DIR/lib stays empty and the game loads the system's library, the one players have.
# The SDL2 it runs on (libsdl2-2.0-0) is installed by scripts/installer-dependances.sh.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 DIR" >&2; exit 1; }
lib="$1/lib"
racine="$(cd "$(dirname "$0")/.." && pwd)"
if [ -e "$lib/libSDL-1.2.so.0" ]; then
    echo "$lib"
    exit 0
fi
mkdir -p "$lib"
if systeme=$("$racine/scripts/sdl-systeme.sh") && [ "${systeme%% *}" = sdl12-compat ]; then
    echo "sdl12-compat.sh: the system's SDL 1.2 (${systeme#* }) is sdl12-compat: it is used as is" >&2
    echo "$lib"
    exit 0
fi
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
chmod a+rwx "$tmp"  # apt's download user writes there
for paquet in libsdl1.2-compat libsdl1.2debian; do
    rm -rf "$tmp/racine" "$tmp"/*.deb
    if ! (cd "$tmp" && apt-get download -qq "$paquet") >&2 2> /dev/null; then
        # Without the package lists (or the network), a copy apt already fetched will do.
        cp /var/cache/apt/archives/"$paquet"_*.deb "$tmp/" 2> /dev/null || continue
    fi
    dpkg-deb -x "$(ls "$tmp"/"$paquet"_*.deb | head -1)" "$tmp/racine"
    # Regular files only: links that lead out of the package do not count.
    for f in $(find "$tmp/racine/usr/lib" -type f -name 'libSDL-1.2.so.*' 2> /dev/null); do
        grep -q SDL12COMPAT_GetWindow "$f" || continue
        cp "$f" "$lib/"
        ln -sf "$(basename "$f")" "$lib/libSDL-1.2.so.0"
        echo "sdl12-compat.sh: $(basename "$f") from $paquet" >&2
        echo "$lib"
        exit 0
    done
done
echo "sdl12-compat.sh: no sdl12-compat library in libsdl1.2-compat or libsdl1.2debian (run scripts/installer-dependances.sh)" >&2
exit 1
