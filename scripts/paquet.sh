#!/usr/bin/env bash
# Builds the Debian packages of Mirage (mirage, mirage-data) into build-paquet/, from a copy of
# the source so the tree stays clean. Installs, with apt-get, the build tools and the build
# dependencies that debian/control names. Run as root or with sudo at hand.
#
#   scripts/paquet.sh                 build the packages
#   scripts/paquet.sh --verifier      build, then check them as CI does: lintian, desktop-file-validate,
#                                     appstreamcli, install with apt-get, start the installed game from
#                                     another folder under Xvfb through the splash and the menu to a
#                                     clean exit, purge, and check nothing of the packages is left
#   scripts/paquet.sh --reproductible build twice in two folders and compare the files inside
#
# DEB_BUILD_OPTIONS is passed on (CI sets nocheck: its sanitized suite has already run).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
sortie="$racine/build-paquet"
mode="${1:-}"
case "$mode" in "" | --verifier | --reproductible) ;; *) echo "usage: $0 [--verifier|--reproductible]" >&2; exit 2 ;; esac

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
installer() { "$racine/scripts/installer-dependances.sh" "$@"; }  # the packages not there yet
echec() { echo "paquet: FAIL: $*" >&2; exit 1; }

# The one version number: CMake's project() and debian/changelog must agree.
version_cmake=$(sed -n 's/^project(mirage VERSION \([0-9.]*\).*/\1/p' "$racine/CMakeLists.txt")
installer dpkg-dev debhelper fakeroot
version_deb=$(dpkg-parsechangelog -l "$racine/debian/changelog" -S Version)
[ -n "$version_cmake" ] && [ "$version_cmake" = "$version_deb" ] ||
    echec "CMakeLists.txt says version '$version_cmake', debian/changelog '$version_deb'"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get build-dep -y -qq "$racine/" > /dev/null

# Builds the packages from a copy of the tracked (and new, not ignored) files in $1; the
# artefacts end up in $1 itself.
construire() {
    local dossier="$1" copie="$1/mirage-$version_deb"
    rm -rf "$dossier"
    mkdir -p "$copie"
    if git -C "$racine" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
        (cd "$racine" && git ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
            tar --null --no-recursion -T - -cf -) | tar -xf - -C "$copie"
    else  # an unpacked source archive: everything but build folders
        (cd "$racine" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$copie"
    fi
    local debut=$SECONDS
    (cd "$copie" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
        dpkg-buildpackage -us -uc -b > "$dossier/construction.log" 2>&1) ||
        { tail -50 "$dossier/construction.log"; echec "dpkg-buildpackage (log: $dossier/construction.log)"; }
    echo "paquet: built in $((SECONDS - debut)) s:"
    (cd "$dossier" && ls -l ./*.deb | awk '{print "  " $5 " bytes  " $NF}')
}

# Checksums of every file inside the .debs of $1 (the package, path and sha256 of each), and
# of the control files.
empreintes() {
    local deb t
    for deb in "$1"/*.deb; do
        t=$(mktemp -d)
        dpkg-deb -x "$deb" "$t/fs"
        dpkg-deb -e "$deb" "$t/ctl"
        (cd "$t" && find fs ctl -type f -print0 | sort -z | xargs -0 sha256sum | sed "s|^|$(basename "$deb") |")
        rm -rf "$t"
    done
}

if [ "$mode" = --reproductible ]; then
    construire "$sortie/a"
    construire "$sortie/b"
    empreintes "$sortie/a" > "$sortie/a.sha256"
    empreintes "$sortie/b" > "$sortie/b.sha256"
    diff "$sortie/a.sha256" "$sortie/b.sha256" || echec "the two builds differ"
    echo "paquet: the two builds give the same $(wc -l < "$sortie/a.sha256") files in their packages"
    (cd "$sortie/a" && for d in ./*.deb; do cmp -s "$d" "../b/$d" && echo "  $d: the same bytes" || echo "  $d: same files, other bytes"; done)
    exit 0
fi

construire "$sortie"
echo "paquet: packages in $sortie"
[ "$mode" = --verifier ] || exit 0

# ---- checks of the packages as built ----
installer lintian desktop-file-utils appstream xvfb xauth xdotool imagemagick
cd "$sortie"
echo "== lintian"
lintian --info --fail-on error,warning ./mirage_"${version_deb}"_*.changes || echec "lintian"
dossier_deb=$(mktemp -d)
trap 'rm -rf "$dossier_deb"' EXIT
for d in ./mirage_*.deb ./mirage-data_*.deb; do dpkg-deb -x "$d" "$dossier_deb"; done
echo "== desktop-file-validate"
desktop-file-validate "$dossier_deb"/usr/share/applications/*.desktop || echec "desktop-file-validate"
echo "== appstreamcli validate"
appstreamcli validate --no-net --explain "$dossier_deb"/usr/share/metainfo/*.metainfo.xml || echec "appstreamcli"
# Each icon's size and colour type as its PNG header states them (ImageMagick 6 and 7 name
# channels differently): RGBA is colour type 6.
for taille in 16 22 24 32 48 64 128 256; do
    f=$(ls "$dossier_deb"/usr/share/icons/hicolor/${taille}x${taille}/apps/*.png)
    entete=$(od -An -tu1 -j16 -N10 "$f" | xargs)   # width, height (4 bytes each), depth, type
    read -r l1 l2 l3 l4 h1 h2 h3 h4 _ type <<< "$entete"
    [ "$((l1 << 24 | l2 << 16 | l3 << 8 | l4))x$((h1 << 24 | h2 << 16 | h3 << 8 | h4)) $type" = "${taille}x${taille} 6" ] ||
        echec "icon $f: header $entete, not ${taille}x${taille} RGBA"
done

# ---- install, play from elsewhere, purge ----
echo "== apt-get install"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq ./mirage_*.deb ./mirage-data_*.deb > /dev/null
dpkg -L mirage mirage-data | sort -u > "$sortie/fichiers-installes.txt"
zcat /usr/share/man/man6/mirage.6.gz | grep -q "\"Mirage $version_deb\"" || echec "man page version"
grep -q "release version=\"$version_deb\"" "$(grep '^/usr/share/metainfo/' "$sortie/fichiers-installes.txt" | grep '\.xml$')" ||
    echec "metainfo version"

# The menu entry's command, run as a user would (Debian's user PATH has /usr/games), from a
# folder that holds no data.
entree=$(grep '^/usr/share/applications/.*\.desktop$' "$sortie/fichiers-installes.txt")
[ "$(echo "$entree" | wc -l)" -eq 1 ] || echec "the package holds not one desktop entry: $entree"
commande=$(sed -n 's/^Exec=//p' "$entree")
[ "$(PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games command -v mirage)" = /usr/games/mirage ] ||
    echec "no mirage command in a user's PATH"
ailleurs=$(mktemp -d)
captures="$sortie/captures"   # kept, to look at
rm -rf "$captures"; mkdir -p "$captures"
echo "== the installed game under Xvfb, from $ailleurs: $commande"
export COMMANDE="$commande" AILLEURS="$ailleurs" CAPTURES="$captures" SUIVRE="$racine/tests/suivre_trace.sh"
# -noreset: SDL 1.2 opens and closes a first connection to see that X is there; a server that
# resets when its last client leaves can refuse the game's real connection while it does.
xvfb-run -a -s "-noreset -screen 0 640x480x24" bash -c '
    cd "$AILLEURS"
    . "$SUIVRE"                                # keys pressed once the trace shows their scene
    journal="$CAPTURES/journal.txt"
    trace="$CAPTURES/trace.jsonl"
    $COMMANDE --trace "$trace" > "$journal" 2>&1 &
    pid=$!
    capture() {  # a screenshot whose pixels are not all the same colour
        import -window root "$CAPTURES/$1.png" 2>/dev/null || return 1
        e=$(convert "$CAPTURES/$1.png" -alpha off -colorspace Gray -format "%[fx:standard_deviation]" info:)
        awk -v e="$e" "BEGIN { exit !(e > 0.01) }" || { echo "blank screen: $1"; return 1; }
    }
    rate() { echo "FAIL: $1"; kill $pid 2>/dev/null; cat "$journal"; exit 1; }
    touche() { xdotool key --clearmodifiers "$1"; }
    attendre_scene "$trace" presentation || rate "no splash"
    sleep 1
    capture splash || rate "splash"
    passer_splash "$trace" || rate "Return twice on the splash did not start the intro"
    attendre_second_plan "$trace" || rate "the second shot of the intro never came"
    touche Escape                              # skips the story
    attendre_scene "$trace" menu || rate "Escape in the intro did not lead to the menu"
    capture menu || rate "title menu"
    touche Escape                              # quits from the title menu
    for _ in $(seq 1 20); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    kill -0 $pid 2>/dev/null && rate "the game did not quit on Escape"
    wait $pid; statut=$?
    [ $statut -eq 0 ] || rate "exit status $statut"
    echo "installed game: splash, intro, menu, exit 0"
' || echec "the installed game"
[ -z "$(ls -A "$ailleurs")" ] || echec "the game wrote into its working directory: $(ls -A "$ailleurs")"
rm -rf "$ailleurs"

echo "== apt-get purge"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq mirage mirage-data > /dev/null
restes=0
while read -r chemin; do
    [ "$chemin" = /. ] && continue
    [ -e "$chemin" ] || continue
    # Folders that other packages own too (/usr/share/icons/hicolor/..., /usr/games) may stay.
    if [ -d "$chemin" ] && dpkg-query -S "$chemin" > /dev/null 2>&1; then continue; fi
    echo "left after purge: $chemin"
    restes=1
done < "$sortie/fichiers-installes.txt"
[ $restes -eq 0 ] || echec "files left after purge"
echo "paquet: $(wc -l < "$sortie/fichiers-installes.txt") installed paths, none left after purge"
echo "paquet: all package checks passed"
