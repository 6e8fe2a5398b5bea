#!/usr/bin/env bash
# A real game recorded in a real window and played back: under Xvfb, xdotool drives the game
# through the splash, the intro (skipped), the title menu and some level 1 play (fire held,
# steering, a weapon and a speed change), Escape back to the menu and Escape to quit, with
# --enregistrer and --trace. The simulator's playback of the recording must give the real
# run's trace line for line, and so must the game's own playback in the window. Then a game
# killed (SIGKILL) during level 1: its recording replays up to the kill.
# Usage: rejeu_fenetre.sh RUN_DIR   (called by ctest inside xvfb-run)
set -u
dossier="$1"
sortie="$(mktemp -d)"
trap 'rm -rf "$sortie"' EXIT
cd "$dossier"

. "$(dirname "$(readlink -f "$0")")/suivre_trace.sh"
touche() { xdotool key --clearmodifiers "$1"; }
echec() { echo "FAIL: $1"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; cat "$sortie"/*.log 2>/dev/null; exit 1; }
attendre_fin() {  # waits up to 10 s for the game to quit on its own; its exit status
  for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  kill -0 "$pid" 2>/dev/null && echec "the game did not quit"
  wait "$pid"
}
jusqu_au_niveau() {  # splash, intro skipped, menu: Return starts level 1 ($1: the game's trace)
  passer_splash "$1" || echec "Return twice on the splash did not start the intro"
  attendre_second_plan "$1" || echec "the intro's second shot never came"
  touche Escape
  attendre_scene "$1" menu || echec "the intro skipped with Escape did not lead to the menu"
  touche Return
  attendre_scene "$1" niveau1 || echec "Return on the menu did not start level 1"
  sleep 3
}
jouer_un_peu() {
  xdotool keydown g; sleep 0.3
  xdotool keydown Up; sleep 0.5; xdotool keyup Up
  touche f; sleep 0.5; touche d
  xdotool keydown Right; sleep 1; xdotool keyup Right
  sleep 1; xdotool keyup g
}

# ---- a whole recorded game ----
./mirage --enregistrer "$sortie/partie.rej" --trace "$sortie/reel.jsonl" > "$sortie/mirage.log" 2>&1 &
pid=$!
jusqu_au_niveau "$sortie/reel.jsonl"
jouer_un_peu
touche Escape
attendre_scene "$sortie/reel.jsonl" menu 2 || echec "Escape in level 1 did not lead back to the menu"
touche Escape
attendre_fin || echec "exit status $? of the recorded game"
pid=
grep -q '"ev":"scene","t":[0-9]*,"nom":"niveau1"' "$sortie/reel.jsonl" || echec "the game never reached level 1"
grep -q '"ev":"volee"' "$sortie/reel.jsonl" || echec "no volley: the held fire key did not reach the game"
grep -q '"ev":"commande"' "$sortie/reel.jsonl" || echec "no weapon or speed change reached the game"
echo "recorded: $(wc -l < "$sortie/reel.jsonl") trace lines, $(stat -c %s "$sortie/partie.rej") bytes"

./simulateur --rejouer "$sortie/partie.rej" --trace "$sortie/simule.jsonl" > "$sortie/simule.log" 2>&1 ||
  echec "simulator playback: exit status $?"
cmp -s "$sortie/reel.jsonl" "$sortie/simule.jsonl" ||
  { diff "$sortie/reel.jsonl" "$sortie/simule.jsonl" | head -20; echec "the simulator's playback gives another trace"; }

./mirage --rejouer "$sortie/partie.rej" --trace "$sortie/fenetre.jsonl" > "$sortie/fenetre.log" 2>&1 ||
  echec "window playback: exit status $?"
cmp -s "$sortie/reel.jsonl" "$sortie/fenetre.jsonl" ||
  { diff "$sortie/reel.jsonl" "$sortie/fenetre.jsonl" | head -20; echec "the window's playback gives another trace"; }

# ---- a game killed during level 1 ----
./mirage --enregistrer "$sortie/tue.rej" --trace "$sortie/tue.jsonl" > "$sortie/tue.log" 2>&1 &
pid=$!
jusqu_au_niveau "$sortie/tue.jsonl"
xdotool keydown g; sleep 2
kill -9 "$pid"; wait "$pid" 2>/dev/null; pid=
xdotool keyup g
./simulateur --rejouer "$sortie/tue.rej" --trace "$sortie/tue_simule.jsonl" > "$sortie/tue_simule.log" 2>&1
statut=$?
[ "$statut" -eq 1 ] || echec "playback of the killed game: exit status $statut, not 1"
grep -q "^mirage: cannot replay $sortie/tue.rej: cut short after frame [0-9]* " "$sortie/tue_simule.log" ||
  echec "no cut-short line: $(cat "$sortie/tue_simule.log")"
n=$(wc -l < "$sortie/tue_simule.jsonl")
head -n "$n" "$sortie/tue.jsonl" | cmp -s - "$sortie/tue_simule.jsonl" || echec "the killed game's playback is not its trace"
reste=$(( $(wc -l < "$sortie/tue.jsonl") - n ))
[ "$reste" -le 5 ] || echec "$reste trace lines of the killed game are not in its recording (more than its last frame)"
grep -q '"ev":"volee"' "$sortie/tue_simule.jsonl" || echec "the killed game's recording stops before its level 1 play"
echo "real window recording and playback: passed"
