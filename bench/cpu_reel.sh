#!/usr/bin/env bash
# Share of a core the real game uses in the splash, the title menu and level 1, full screen on
# a 1920x1080 Xvfb screen, on the classic SDL 1.2 and on sdl12-compat, as a Markdown table:
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
compat="$("$racine/scripts/sdl12-compat.sh" "$build/sdl12-compat")"

echo "| Library (1920x1080, full screen 2x) | splash | title menu | level 1 |"
echo "|---|---|---|---|"
for bibliotheque in classic sdl12-compat; do
  chemin=""
  [ "$bibliotheque" = sdl12-compat ] && chemin="$compat"
  read -r s m n < <(LD_LIBRARY_PATH="$chemin" xvfb-run -a -n 170 -s "-noreset -screen 0 1920x1080x24" \
    "$0" "$build" --mesurer)
  echo "| $bibliotheque | $s % | $m % | $n % |"
done
