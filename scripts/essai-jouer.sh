#!/usr/bin/env bash
# scripts/jouer.sh as a player runs it, checked without anyone at the keyboard: on a 1920x1080
# Xvfb screen it sets up, builds and starts the game; once the game runs, a screenshot must show
# the canvas at 2x centred on black (kept as build/essai-jouer.png, to look at), then Ctrl+C
# (SIGINT) must end the game with status 130.
#   scripts/essai-jouer.sh     (CI runs it on Debian 12 and in the Debian 13 root)
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
# Xvfb, xdotool and ImageMagick come with the project's packages.
"$racine/scripts/installer-dependances.sh" > /dev/null
if [ "${1:-}" != --dans-xvfb ]; then
    exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" --dans-xvfb
fi

capture="$racine/build/essai-jouer.png"
journal="$(mktemp)"
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2> /dev/null; rm -f "$journal"' EXIT
echec() { echo "essai-jouer: FAIL: $1" >&2; tail -30 "$journal" >&2; exit 1; }

# jouer.sh ends by exec'ing the game: the same process becomes build/run/mirage.
env --default-signal=INT,TERM,HUP "$racine/scripts/jouer.sh" > "$journal" 2>&1 &
pid=$!
jeu="$racine/build/run/mirage"
until [ "$(readlink "/proc/$pid/exe" 2> /dev/null)" = "$jeu" ]; do
    kill -0 "$pid" 2> /dev/null || { wait "$pid" || true; pid=""; echec "scripts/jouer.sh ended before the game started"; }
    sleep 1
done
echo "essai-jouer: the game runs ($(grep -o '/[^ ]*libSDL-1\.2\.so[^ ]*' "/proc/$pid/maps" | head -1))"
raison="no screenshot"
for _ in $(seq 1 10); do
    sleep 1
    import -window root "$capture" 2> /dev/null || continue
    raison=$("$racine/tests/toile_capturee.sh" "$capture" 2 320 60) && break
done
[ -z "$raison" ] || echec "$capture: $raison"
echo "essai-jouer: $capture shows the canvas at 2x centred on the 1920x1080 screen"
kill -INT "$pid"
statut=0
for _ in $(seq 1 20); do kill -0 "$pid" 2> /dev/null || break; sleep 0.5; done
kill -0 "$pid" 2> /dev/null && echec "the game still runs 10 s after Ctrl+C"
wait "$pid" || statut=$?
pid=""
[ "$statut" -eq 130 ] || echec "exit status $statut after Ctrl+C, not 130"
echo "essai-jouer: Ctrl+C ended the game (status 130)"
