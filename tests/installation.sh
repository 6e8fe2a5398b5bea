#!/bin/sh
# The installed layout: cmake --install into a staging folder under another prefix puts the
# launcher, the game, its data, the desktop entry, the icons, the metainfo and the man page in
# their places; the launcher, run from elsewhere, starts the game from its data folder (a stand-in
# game prints its working directory and arguments), and names a missing data folder and exits 1.
# Usage: installation.sh BUILD_DIR APPLICATION_ID BINDIR JEUDIR DONNEESDIR BUREAUDIR MANDIR
# (called by ctest; the folders as configured, relative to the prefix; exit 77, skipped, when
# one is absolute, since it would not move with the prefix)
set -u
construction="$1" id="$2" bin="$3" jeu="$4" donnees="$5" bureau="$6" man="$7"
for d in "$bin" "$jeu" "$donnees" "$bureau" "$man"; do
    case "$d" in /*) echo "skipped: $d is absolute"; exit 77 ;; esac
done
etape=$(mktemp -d)
trap 'rm -rf "$etape"' EXIT
echec() { echo "FAIL: $1"; exit 1; }

DESTDIR="$etape/dest" cmake --install "$construction" --prefix /opt/essai > "$etape/install.log" 2>&1 ||
    { cat "$etape/install.log"; echec "cmake --install"; }
p="$etape/dest/opt/essai"
for f in "$bin/mirage" "$jeu/mirage" "$donnees/Images/Titre.png" "$donnees/Sound" \
         "$bureau/applications/$id.desktop" "$bureau/metainfo/$id.metainfo.xml" "$man/man6/mirage.6" \
         "$bureau/icons/hicolor/48x48/apps/$id.png" "$bureau/icons/hicolor/256x256/apps/$id.png" \
         "$bureau/icons/hicolor/scalable/apps/$id.svg"; do
    [ -e "$p/$f" ] || echec "not installed: $f"
done
[ -x "$p/$bin/mirage" ] || echec "the launcher is not executable"

# The real game would open a window; a stand-in shows where and how it was started.
printf '#!/bin/sh\necho "cwd=$(pwd) args=$*"\n' > "$p/$jeu/mirage"
ailleurs="$etape/ailleurs"
mkdir "$ailleurs"
sortie=$(cd "$ailleurs" && "$p/$bin/mirage" un deux) || echec "launcher exit status $?"
[ "$sortie" = "cwd=$p/$donnees args=un deux" ] || echec "launcher started: $sortie"

mv "$p/$donnees/Sound" "$etape/Sound"
sortie=$(cd "$ailleurs" && "$p/$bin/mirage" 2>&1)
statut=$?
[ "$statut" -eq 1 ] || echec "exit status $statut without Sound/"
case "$sortie" in
    *"data folder $p/$donnees/Sound not found"*) ;;
    *) echec "the launcher did not name the missing folder: $sortie" ;;
esac
echo "installation: passed"
