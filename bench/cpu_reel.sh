#!/usr/bin/env bash
# Share of a core the real game uses in the splash, the title menu and level 1, full screen on
# a 1920x1080 Xvfb screen, on the classic SDL 1.2 and on sdl12-compat (with the software
# renderer the game asks SDL2 for, whose window surface the game writes its flips into, and with
# SDL2's default OpenGL one, where the flips go through sdl12-compat), as a Markdown table:
#   bench/cpu_reel.sh [BUILD_DIR]      (default: build; unpacks sdl12-compat into it if needed)
# Read from /proc/PID/stat (user + system time of every thread) over a few seconds of each
# scene, driven by xdotool. Wall-clock measurements: run it on a quiet machine.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$racine/build}" && pwd)"

# One run, inside xvfb-run (the script calls itself): prints "splash menu level" in percent of
# a core.
mesurer() {
  cd "$build/run"
  env --default-signal=INT,TERM,HUP ./mirage > /dev/null 2>&1 &
  jeu=$!
  trap 'kill -TERM $jeu 2> /dev/null; sleep 0.5; kill -KILL $jeu 2> /dev/null' EXIT
  local tck
  tck=$(getconf CLK_TCK)
  cpu() { awk '{ print $14 + $15 }' "/proc/$jeu/stat"; }
  part() {  # seconds
    local a b
    a=$(cpu); sleep "$1"; b=$(cpu)
    awk -v a="$a" -v b="$b" -v s="$1" -v t="$tck" 'BEGIN { printf "%.1f", 100 * (b - a) / t / s }'
  }
  sleep 2
  local splash menu niveau
  splash=$(part 5)
  xdotool key Return; sleep 0.5; xdotool key Return; sleep 8
  xdotool key Escape; sleep 3
  menu=$(part 4)
  xdotool key Return; sleep 7
  niveau=$(part 10)
  echo "$splash $menu $niveau"
}
if [ "${2:-}" = --mesurer ]; then
  mesurer
  exit 0
fi
# The classic library: the system's, or a copy of it named by MIRAGE_SDL_CLASSIQUE (a folder
# holding libSDL-1.2.so.0; where the system's SDL 1.2 is sdl12-compat, e.g. Debian 13, with
# Debian 12's libsdl1.2debian unpacked there). sdl12-compat: the system's where it is that,
# else unpacked into the build folder.
systeme="$("$racine/scripts/sdl-systeme.sh" || true)"
compat="$("$racine/scripts/sdl12-compat.sh" "$build/sdl12-compat")"
classique=""
if [ -n "${MIRAGE_SDL_CLASSIQUE:-}" ]; then
  classique="$(cd "$MIRAGE_SDL_CLASSIQUE" && pwd)"
elif [ "${systeme%% *}" = classic ]; then
  classique=systeme
fi

echo "| Library (1920x1080, full screen 2x) | splash | title menu | level 1 |"
echo "|---|---|---|---|"
for cas in classic sdl12-compat sdl12-compat-opengl; do
  chemin="$compat"; pilote=""
  case "$cas" in
    classic)
      if [ -z "$classique" ]; then
        echo "| classic SDL 1.2: not on this system (${systeme:-no SDL 1.2}); set MIRAGE_SDL_CLASSIQUE | | | |"
        continue
      fi
      chemin=""; [ "$classique" = systeme ] || chemin="$classique" ;;
    sdl12-compat-opengl) pilote=opengl ;;   # SDL2's default renderer, what the game no longer asks for
  esac
  read -r s m n < <(env LD_LIBRARY_PATH="$chemin" ${pilote:+SDL_RENDER_DRIVER=$pilote} \
    xvfb-run -a -s "-noreset -screen 0 1920x1080x24" "$0" "$build" --mesurer)
  nom="$cas"
  [ "$cas" = sdl12-compat ] && nom="sdl12-compat, flips into SDL2's window surface (the game's way)"
  [ "$cas" = sdl12-compat-opengl ] && nom="sdl12-compat, SDL_RENDER_DRIVER=opengl (SDL2's default; flips through sdl12-compat)"
  echo "| $nom | $s % | $m % | $n % |"
done
