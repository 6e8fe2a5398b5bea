#!/bin/sh
# Launcher: the game reads ./Images and Sound/ from its working directory, so start it from its
# installed data directory, wherever the prefix is.
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
ici="$(dirname "$(readlink -f "$0")")"
cd "$ici/../share/mirage" || { echo "mirage: data directory $ici/../share/mirage not found" >&2; exit 1; }
exec "$ici/../libexec/mirage/mirage" "$@"
