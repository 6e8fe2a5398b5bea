#!/usr/bin/env bash
# The real game on a real X display (Xvfb), driven by xdotool. Checks that full screen shows the
# canvas at the expected whole scale, centred on black, that F11 opens a centred window at the
# expected scale and Alt+Enter goes back, that screenshots along the way are not blank, that
# the still splash is drawn again once uncovered, that Escape quits with status 0, and that
# SIGINT, SIGTERM and SIGHUP end the game within a second with status 128 + the signal.
# Usage: fenetre_reelle.sh RUN_DIR FULL_SCREEN_SCALE WINDOW_SCALE [complet|court]
#   complet: splash, intro, menu, level (switched to the window and back), menu, Escape; then
#            Ctrl+C (SIGINT) in the splash, the intro, the menu and a level, one run each.
#   court:   the splash in full screen, the window and back, SIGTERM; SIGHUP in a second run.
# Called by ctest inside xvfb-run; LD_LIBRARY_PATH chooses the SDL 1.2 library, and when
# MIRAGE_SDL_ATTENDUE is set (classic or sdl12-compat) the library the game loaded must be of
# that kind. A classic run on a system whose SDL 1.2 is sdl12-compat (Debian 13, Fedora) is
# skipped with its reason (exit 77): there the sdl12-compat runs test the player's library.
set -u
if [ "${MIRAGE_SDL_ATTENDUE:-}" = classic ]; then
  systeme=$("$(dirname "$0")/../scripts/sdl-systeme.sh") || systeme="none"
  if [ "${systeme%% *}" != classic ]; then
    echo "SKIPPED: no classic SDL 1.2 here: the system's libSDL-1.2.so.0 is ${systeme} (as on Debian 13, whose libsdl1.2debian is built from sdl12-compat); the sdl12-compat runs test the player's library"
    exit 77
  fi
fi
for outil in import convert compare xdotool xrefresh; do
  command -v "$outil" > /dev/null ||
    { echo "FAIL: $outil is missing (ImageMagick, xdotool, x11-xserver-utils; scripts/installer-dependances.sh installs them)"; exit 1; }
done
[ $# -ge 3 ] || { echo "usage: $0 RUN_DIR FULL_SCREEN_SCALE WINDOW_SCALE [complet|court]"; exit 1; }
dossier="$1"; k_plein="$2"; k_fenetre="$3"; mode="${4:-complet}"
sortie="$(mktemp -d)"
pid=""
raison=""

# Ends the game if it still runs, on every way out of this script, failures included.
arreter() {
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2> /dev/null
  for _ in $(seq 1 20); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  kill -KILL "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  pid=""
}
trap 'arreter; rm -rf "$sortie"' EXIT
trap 'exit 1' INT TERM HUP

echec() {
  echo "FAIL ($mode, ${LD_LIBRARY_PATH:-classic library}): $1"
  local w
  for w in $(xdotool search --onlyvisible --name "" 2> /dev/null); do
    echo "visible window $w: $(xdotool getwindowgeometry "$w" 2> /dev/null | tail -n +2 | tr -s ' \n' ' ')"
  done
  cat "$sortie/mirage.log" 2> /dev/null
  exit 1
}

read -r ecran_l ecran_h < <(xdotool getdisplaygeometry)

# Starts the game. A background job of a script starts with SIGINT ignored, and the game leaves
# ignored signals alone (nohup), so the signals it must answer are given their default first.
# Its trace ($trace) tells when each scene has started.
. "$(dirname "$(readlink -f "$0")")/suivre_trace.sh"
trace="$sortie/trace.jsonl"
lancer() {
  rm -f "$trace"
  (cd "$dossier" && exec env --default-signal=INT,TERM,HUP ./mirage --trace "$trace") > "$sortie/mirage.log" 2>&1 &
  pid=$!
  attendre_scene "$trace" presentation || echec "the game did not start"
  local sdl
  sdl=$(grep -o '/[^ ]*libSDL-1\.2\.so[^ ]*' "/proc/$pid/maps" | head -1)
  [ -n "$sdl" ] || echec "no libSDL-1.2.so in the game's memory map"
  if [ -n "${MIRAGE_SDL_ATTENDUE:-}" ]; then
    local sorte=classic
    grep -q SDL12COMPAT_GetWindow "$sdl" && sorte=sdl12-compat
    [ "$sorte" = "$MIRAGE_SDL_ATTENDUE" ] || echec "the game loaded $sdl ($sorte), not $MIRAGE_SDL_ATTENDUE"
  fi
}

touche() { xdotool key --clearmodifiers "$1"; }

# A visible window of geometry $1 (e.g. 1280x960) at position $2 (e.g. 320,60, or any); the root
# window, the size of the screen, does not count.
racine=$(xdotool search --maxdepth 0 --name "" 2> /dev/null | head -1)
fenetre_visible() {
  local w info
  for w in $(xdotool search --onlyvisible --name "" 2> /dev/null); do
    [ "$w" = "$racine" ] && continue
    info=$(xdotool getwindowgeometry "$w" 2> /dev/null)
    grep -q "Geometry: $1\$" <<< "$info" || continue
    [ "$2" = any ] && return 0
    grep -q "Position: $2 " <<< "$info" && return 0
  done
  return 1
}

# The screen shows, at scale $2, a canvas placed at ($3, $4) that is not blank, with nothing but
# black around it: screenshot $1. Sets `raison` and returns 1 when it does not.
canvas_a() {
  local f="$sortie/$1.png"
  import -window root "$f" 2> /dev/null || { raison="no screenshot"; return 1; }
  raison=$("$(dirname "$0")/toile_capturee.sh" "$f" "$2" "$3" "$4")
}

# The display of screenshot $1 must show window $2 at $3 (any: anywhere) and the canvas at
# scale $4 placed at ($5, $6). A slow start (the sanitized build) gets a few seconds more.
montre() {
  local essai
  for essai in $(seq 1 8); do
    if ! fenetre_visible "$2" "$3"; then
      raison="no $2 window at $3"
    elif canvas_a "$1" "$4" "$5" "$6"; then
      return 0
    fi
    sleep 0.5
  done
  echec "$1: $raison"
}

# Full screen: one window the size of the screen, the canvas centred at k_plein.
plein_ecran() {
  montre "$1" "${ecran_l}x${ecran_h}" 0,0 "$k_plein" $(((ecran_l - 640 * k_plein) / 2)) $(((ecran_h - 480 * k_plein) / 2))
}

# The window: the canvas at k_fenetre, the window centred on the screen.
fenetre() {
  local l=$((640 * k_fenetre)) h=$((480 * k_fenetre))
  local x=$(((ecran_l - l) / 2)) y=$(((ecran_h - h) / 2))
  montre "$1" "${l}x${h}" "$x,$y" "$k_fenetre" "$x" "$y"
}

# Sends signal $1 to the game, which must be gone within a second with status 128 + signal.
finir_par() {
  local numero statut
  numero=$(kill -l "$1")
  kill -s "$1" "$pid"
  for _ in $(seq 1 10); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2> /dev/null && echec "SIG$1 $2: the game still runs a second later"
  wait "$pid"
  statut=$?
  pid=""
  [ "$statut" -eq $((128 + numero)) ] || echec "SIG$1 $2: exit status $statut, not $((128 + numero))"
}

# Something passing over the game and going away (xrefresh covers the whole screen in black,
# then uncovers it) must find the still picture of screenshot $1 drawn again within a second,
# not left black where nothing changed since.
decouvrir() {
  local apres="$sortie/$1 uncovered.png" n
  xrefresh -black
  sleep 1
  import -window root "$apres" 2> /dev/null || echec "$1 uncovered: no screenshot"
  n=$(compare -metric AE "$sortie/$1.png" "$apres" null: 2>&1 | awk '{ print $1; exit }')
  [ "$n" = 0 ] || echec "$1 uncovered: $n pixels differ from before it was covered (not drawn again)"
}

basculer_et_revenir() {
  touche F11; sleep 1.5
  fenetre "$1 in the window"
  fenetre_visible "${ecran_l}x${ecran_h}" any && echec "$1: a full-screen window is still shown beside the window"
  touche alt+Return; sleep 1.5
  fenetre_visible "$((640 * k_fenetre))x$((480 * k_fenetre))" any && echec "$1: Alt+Enter did not leave the window"
  plein_ecran "$1 back in full screen"
}

# From the splash to the intro's second shot (the first one takes no keys).
passer_presentation() {
  passer_splash "$trace" || echec "Return twice on the splash did not start the intro"
  attendre_second_plan "$trace" || echec "the intro's second shot never came"
}
# From the intro to the menu.
au_menu() {
  touche Escape
  attendre_scene "$trace" menu || echec "Escape in the intro did not lead to the menu"
}
# From the menu to level 1, some seconds into its play.
au_niveau() {
  touche Return
  attendre_scene "$trace" niveau1 || echec "Return on the menu did not start level 1"
  sleep 3
}

if [ "$mode" = court ]; then
  lancer
  plein_ecran splash
  decouvrir splash
  basculer_et_revenir splash
  finir_par TERM "on the splash"
  lancer
  finir_par HUP "on the splash"
  echo "real display run ($mode, ${ecran_l}x${ecran_h}): passed"
  exit 0
fi

lancer
plein_ecran splash
decouvrir splash
passer_presentation
plein_ecran intro
au_menu
plein_ecran menu
au_niveau
plein_ecran niveau
basculer_et_revenir "level 1"
touche Escape
attendre_scene "$trace" menu 2 || echec "Escape in level 1 did not lead back to the menu"
plein_ecran "menu after the level"
touche Escape
for _ in $(seq 1 20); do kill -0 "$pid" 2> /dev/null || break; sleep 0.5; done
kill -0 "$pid" 2> /dev/null && echec "the game did not quit on Escape"
wait "$pid"
statut=$?
pid=""
[ "$statut" -eq 0 ] || echec "exit status $statut after Escape"

# Ctrl+C in each kind of scene: the splash's loop, the intro's opening pause, the menu's
# quarter-second wait, a level's paced frames.
lancer
finir_par INT "on the splash"
lancer; passer_splash "$trace" || echec "Return twice on the splash did not start the intro"
finir_par INT "in the intro's opening"
lancer; passer_presentation; au_menu
finir_par INT "on the menu"
lancer; passer_presentation; au_menu; au_niveau
finir_par INT "in level 1"
echo "real display run ($mode, ${ecran_l}x${ecran_h}): passed"
