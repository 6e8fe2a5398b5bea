#!/usr/bin/env bash
# Performance figures of the game on this machine, as a Markdown table:
#   bench/rapport.sh [BUILD_DIR]      (default: build; needs a Release or RelWithDebInfo build,
#                                      not the sanitized one)
# Frame costs come from the simulator's --mesures (wall time of each frame's own work: update,
# drawing and flip; waits are instant on the virtual clock); baselines from mirage_bench (the
# bare blits of the scene's background bands and top bar plus the flip).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$racine/build}" && pwd)"
run="$build/run"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cd "$run"

# Statistics of the frame costs (µs, third column) of the flips whose virtual time (first
# column) lies in [debut, fin): median, 99th percentile, maximum.
stats() {
  awk -v d="$2" -v f="$3" '$1 >= d && $1 < f { print $3 }' "$1" | sort -n |
    awk '{ v[NR] = $1 } END { if (NR == 0) { print "- - -"; exit }
           i = int(NR * 0.99); if (i < 1) i = 1; printf "%d %d %d\n", v[int((NR + 1) / 2)], v[i], v[NR] }'
}
# Virtual time of the run at which the level's clock reads `ms` (from the arrivals' niveau_t).
decalage() {
  grep -m1 '"ev":"arrivee"' "$1" | sed -E 's/.*"t":([0-9]+).*"niveau_t":([0-9]+).*/\1 \2/' | awk '{ print $1 - $2 }'
}

tir_tenu="0 g down"
# Scripts are files: the simulator reads regular files only (a pipe could block or never end).
printf '%s\n' "$tir_tenu" > "$tmp/tir.txt"
printf '132 RETURN down\n288 RETURN down\n' > "$tmp/pres_entrees.txt"
echo "Running level 1 (invincible, fire held)..." >&2
./simulateur --scene niveau1 --invincible --temps-max 175000 --entrees "$tmp/tir.txt" \
  --trace "$tmp/n1.jsonl" --mesures "$tmp/n1.txt" > /dev/null || true
echo "Running level 2 (invincible, fire held)..." >&2
./simulateur --scene niveau2 --invincible --temps-max 200000 --entrees "$tmp/tir.txt" \
  --trace "$tmp/n2.jsonl" --mesures "$tmp/n2.txt" > /dev/null || true
echo "Running both levels without enemies..." >&2
./simulateur --scene niveau1 --sans-vagues --temps-max 60000 --mesures "$tmp/n1v.txt" > /dev/null || true
./simulateur --scene niveau2 --sans-vagues --temps-max 60000 --mesures "$tmp/n2v.txt" > /dev/null || true
echo "Running the stories..." >&2
./simulateur --scene intro --mesures "$tmp/intro.txt" > /dev/null
./simulateur --scene interlude --mesures "$tmp/interlude.txt" > /dev/null
./simulateur --scene presentation --entrees "$tmp/pres_entrees.txt" --mesures "$tmp/pres.txt" > /dev/null

echo "Running the baselines..." >&2
"$run/mirage_bench" --benchmark_format=csv 2> /dev/null > "$tmp/bench.csv"
# A baseline's median and 99th percentile of its frames (µs), "med p99", by the CSV's own header.
base() {
  awk -F, -v n="\"$1\"" 'NR == 1 { for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); col[$i] = i } }
    $1 == n { printf "%d %d", $col["mediane_us"], $col["p99_us"] }' "$tmp/bench.csv"
}
b1=$(base BM_base_niveau1); b2=$(base BM_base_niveau2); bh=$(base BM_base_histoire)

d1=$(decalage "$tmp/n1.jsonl"); d2=$(decalage "$tmp/n2.jsonl")
# Level 1's heaviest stretch: the 10-second window of its timeline with the highest 99th percentile.
lourd=$(for s in $(seq 0 10000 130000); do echo "$s $(stats "$tmp/n1.txt" $((d1 + s)) $((d1 + s + 10000)))"; done |
  sort -k3 -n | tail -1)
l_debut=$(echo "$lourd" | cut -d' ' -f1)

ligne() {  # name, stats "med p99 max", baseline "med p99" (µs)
  read -r med p99 max <<< "$2"
  read -r bmed bp99 <<< "$3"
  awk -v n="$1" -v m="$med" -v p="$p99" -v x="$max" -v bm="$bmed" -v bp="$bp99" \
    'BEGIN { printf "| %s | %.3f | %.3f | %.3f | %.3f | %.3f | %.2f | %.2f |\n", n, m / 1000, p / 1000, x / 1000,
             bm / 1000, bp / 1000, (bm > 0 ? m / bm : 0), (bp > 0 ? p / bp : 0) }'
}

echo "| Scene | median (ms) | 99th percentile (ms) | max (ms) | baseline median (ms) | baseline p99 (ms) | median / baseline | p99 / baseline p99 |"
echo "|---|---|---|---|---|---|---|---|"
ligne "Level 1, heaviest 10 s (from ${l_debut} ms)" "$(stats "$tmp/n1.txt" $((d1 + l_debut)) $((d1 + l_debut + 10000)))" "$b1"
ligne "Level 1, boss (138.5 s on)" "$(stats "$tmp/n1.txt" $((d1 + 138500)) $((d1 + 175000)))" "$b1"
ligne "Level 2, torpedo streams (18-33 s)" "$(stats "$tmp/n2.txt" $((d2 + 18000)) $((d2 + 33000)))" "$b2"
ligne "Level 2, final boss (122 s on)" "$(stats "$tmp/n2.txt" $((d2 + 122000)) $((d2 + 200000)))" "$b2"
# Without enemies a frame is the bands, the bar, the ship and the level's own bookkeeping: what
# separates it from the baseline is all the game adds beyond its sprites and shots.
ligne "Level 1, no enemies (10-60 s)" "$(stats "$tmp/n1v.txt" 10000 60000)" "$b1"
ligne "Level 2, no enemies (10-60 s)" "$(stats "$tmp/n2v.txt" 10000 60000)" "$b2"
ligne "Intro (after its opening)" "$(stats "$tmp/intro.txt" 6100 999999999)" "$bh"
ligne "Interlude (after its opening)" "$(stats "$tmp/interlude.txt" 6100 999999999)" "$bh"
echo

# Level load: the wall time between the loading picture's flip and the first flip of the entry
# run (asset sets, ship, world and wave script; the start delay is virtual, so it costs nothing).
charge() { awk 'NR == 1 { a = $2 } NR == 2 { printf "%.1f", ($2 - a) / 1000; exit }' "$1"; }
echo "| Figure | Value |"
echo "|---|---|"
echo "| Level 1 load | $(charge "$tmp/n1.txt") ms |"
echo "| Level 2 load | $(charge "$tmp/n2.txt") ms |"
echo "| Start-up to the first splash frame | $(awk 'NR == 1 { printf "%.1f", $2 / 1000 }' "$tmp/pres.txt") ms |"
# Level 1's timeline up to its boss (level time 138500 ms, about 10,700 frames), enemies and
# fire included: wall time since the run started at the first flip from then on, and frames.
awk -v t=$((d1 + 138500)) '$1 >= t { printf "| Level 1 timeline to the boss (enemies, fire held), wall | %.2f s (%d frames) |\n", $2 / 1e6, NR; exit }' "$tmp/n1.txt"

# A whole game on the level timelines alone (no enemies: each boss check finds its slot empty):
# splash, intro, menu, level 1 won, interlude, level 2 won, menu, Escape.
entrees_jeu="132 RETURN down
288 RETURN down
166276 RETURN down
780276 ESCAPE down"
printf '%s\n' "$entrees_jeu" > "$tmp/jeu_entrees.txt"
/usr/bin/time -v ./simulateur --scene jeu --sans-vagues --temps-max 900000 --entrees "$tmp/jeu_entrees.txt" \
  > "$tmp/jeu.txt" 2> "$tmp/jeu_time.txt" || true
mur=$(grep -m1 -o "[0-9.]* s wall" "$tmp/jeu.txt")
virtuel=$(grep -m1 -o "at [0-9]* ms virtual" "$tmp/jeu.txt")
echo "| Whole simulated game (no enemies), wall | ${mur:-?} ($virtuel) |"
pic=$(grep "Maximum resident" "$tmp/jeu_time.txt" | awk '{ printf "%.1f", $NF / 1024 }')
pic1=$( { /usr/bin/time -v ./simulateur --scene niveau1 --invincible --temps-max 175000 \
  --entrees "$tmp/tir.txt" > /dev/null || true; } 2>&1 | grep "Maximum resident" | awk '{ printf "%.1f", $NF / 1024 }')
echo "| Peak resident memory: whole game / level 1 with its enemies | ${pic} MiB / ${pic1} MiB |"
debut=$(date +%s.%N)
"$build/assetgen" "$tmp/pack" > /dev/null
echo "| Asset pack generation | $(awk -v a="$debut" -v b="$(date +%s.%N)" "BEGIN { printf \"%.1f\", b - a }") s |"
echo

# The level 1 baseline frame (bands scrolling, top bar, flip) full screen on larger desktops,
# where the flip scales the canvas, on both SDL 1.2 libraries: with the dummy driver (the
# game's own work and the library's) and, under Xvfb, with X11 (the upload to the X server too,
# each desktop on a screen of its size). A still picture shows what a frame costs when no row
# changed.
compat="$("$racine/scripts/sdl12-compat.sh" "$build/sdl12-compat" 2> /dev/null || true)"
echo "Running the full-screen benchmarks..." >&2
filtre='BM_base_niveau1$|BM_plein_ecran'
# median and p99 (µs) of benchmark $2 in CSV file $1
valeur() {
  awk -F, -v n="\"$2\"" 'NR == 1 { for (i = 1; i <= NF; ++i) { gsub(/"/, "", $i); col[$i] = i } }
    $1 == n { printf "%.3f / %.3f", $col["mediane_us"] / 1000, $col["p99_us"] / 1000 }' "$1"
}
"$run/mirage_bench" --benchmark_format=csv --benchmark_filter="$filtre" 2> /dev/null > "$tmp/pe_c.csv"
[ -n "$compat" ] && LD_LIBRARY_PATH="$compat" "$run/mirage_bench" --benchmark_format=csv \
  --benchmark_filter="$filtre" 2> /dev/null > "$tmp/pe_z.csv"
x11() {  # CSV of benchmark $1 under an Xvfb screen $2, library path $3, into $4
  LD_LIBRARY_PATH="$3" SDL_VIDEODRIVER=x11 xvfb-run -a -n 180 -s "-noreset -screen 0 $2x24" \
    "$run/mirage_bench" --benchmark_format=csv --benchmark_filter="$1\$" 2> /dev/null > "$4" || true
}
if command -v xvfb-run > /dev/null; then
  for cas in "BM_base_niveau1 640x480" "BM_plein_ecran_niveau1_1366x768 1366x768" \
             "BM_plein_ecran_niveau1_1920x1080 1920x1080" "BM_plein_ecran_niveau1_3840x2160 3840x2160" \
             "BM_plein_ecran_image_fixe_1920x1080 1920x1080"; do
    read -r nom ecran <<< "$cas"
    x11 "$nom" "$ecran" "" "$tmp/x_c_$nom.csv"
    [ -n "$compat" ] && x11 "$nom" "$ecran" "$compat" "$tmp/x_z_$nom.csv"
  done
fi
echo "| Frame, full screen (median / p99, ms) | classic, dummy | sdl12-compat, dummy | classic, X11 | sdl12-compat, X11 |"
echo "|---|---|---|---|---|"
for cas in "BM_base_niveau1|Level 1 baseline, 640x480 (1x)" \
           "BM_plein_ecran_niveau1_1366x768|Level 1 baseline, 1366x768 (1x centred)" \
           "BM_plein_ecran_niveau1_1920x1080|Level 1 baseline, 1920x1080 (2x)" \
           "BM_plein_ecran_niveau1_3840x2160|Level 1 baseline, 3840x2160 (4x)" \
           "BM_plein_ecran_image_fixe_1920x1080|Still picture, 1920x1080 (2x)"; do
  nom="${cas%%|*}"
  echo "| ${cas#*|} | $(valeur "$tmp/pe_c.csv" "$nom") | $([ -n "$compat" ] && valeur "$tmp/pe_z.csv" "$nom") |" \
       "$([ -f "$tmp/x_c_$nom.csv" ] && valeur "$tmp/x_c_$nom.csv" "$nom") |" \
       "$([ -f "$tmp/x_z_$nom.csv" ] && valeur "$tmp/x_z_$nom.csv" "$nom") |"
done
