#!/bin/sh
# Launcher: the game reads ./Images and Sound/ from its working directory, so start it from its
# installed data directory, wherever the prefix is.
ici="$(dirname "$(readlink -f "$0")")"
cd "$ici/../share/mirage" || { echo "mirage: data directory $ici/../share/mirage not found" >&2; exit 1; }
exec "$ici/../libexec/mirage/mirage" "$@"
