#!/usr/bin/env bash
# The real game in a real window: under Xvfb, driven by xdotool through splash, intro (skipped),
# title menu, a few seconds of level 1 (switched to the 1280x960 window by F11 and back to full
# screen by Alt+Enter), Escape back to the menu and Escape to quit. Checks the exit status, the
# display's size after each switch, and that screenshots along the way are not blank.
# Usage: fenetre_reelle.sh RUN_DIR   (called by ctest inside xvfb-run)
set -u
dossier="$1"
sortie="$(mktemp -d)"
trap 'rm -rf "$sortie"' EXIT
cd "$dossier"
./mirage > "$sortie/mirage.log" 2>&1 &
pid=$!

non_vide() {  # a screenshot whose pixels are not all the same colour
  import -window root "$sortie/$1.png" 2>/dev/null || return 1
  local ecart
  ecart=$(convert "$sortie/$1.png" -colorspace Gray -format "%[fx:standard_deviation]" info: 2>/dev/null)
  awk -v e="$ecart" 'BEGIN { exit !(e > 0.01) }' || { echo "blank screenshot: $1 ($ecart)"; return 1; }
}
touche() { xdotool key --clearmodifiers "$1"; }
# 1 when one of the visible windows has the size $1 (e.g. 1280x960).
taille_visible() {
  local w
  for w in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
    xdotool getwindowgeometry "$w" 2>/dev/null | grep -q "Geometry: $1\$" && return 0
  done
  return 1
}
echec() { echo "FAIL: $1"; kill "$pid" 2>/dev/null; cat "$sortie/mirage.log"; exit 1; }

sleep 2
non_vide splash || echec "splash"
touche Return; sleep 0.5; touche Return
sleep 8                     # loading picture and title card of the intro, then shot 1
non_vide intro || echec "intro"
touche Escape; sleep 3      # the skip fades the music and releases the story
non_vide menu || echec "menu"
touche Return; sleep 7      # level 1: loading, start delay, entry run, some play
non_vide niveau || echec "level 1"
touche F11; sleep 1.5
taille_visible 1280x960 || echec "F11 did not open the 1280x960 window"
non_vide fenetre || echec "level 1 in the window"
touche alt+Return; sleep 1.5
taille_visible 1280x960 && echec "Alt+Enter did not go back to full screen"
taille_visible 640x480 || echec "no 640x480 display after Alt+Enter"
non_vide plein_ecran || echec "level 1 back in full screen"
touche Escape; sleep 3
non_vide menu2 || echec "menu after the level"
touche Escape
for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$pid" 2>/dev/null && echec "the game did not quit on Escape"
wait "$pid"
statut=$?
[ "$statut" -eq 0 ] || echec "exit status $statut"
echo "real window run: passed"
