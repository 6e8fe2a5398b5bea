#!/usr/bin/env bash
# Figures of the browser build beside the native simulator's: sizes of the site's files (raw and
# gzip -9), time from the address to the first splash frame (local server, fresh browser, five
# runs), level 1 frame work (median, 99th percentile) with fire held and the ship sweeping for
# 20 s in headless Chromium and the same play scripted in the native simulator, and the
# browser's CPU share of a core meanwhile (all its processes, from /proc).
#   bench/navigateur.sh        (builds first with scripts/web.sh --construire)
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/web.sh" --construire > /dev/null
site="$racine/build-web/site"
run="$racine/build-web/natif/run"
cmake --build "$racine/build-web/natif" -j"$(nproc)" --target simulateur > /dev/null
(cd "$racine/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

echo "| File | raw (bytes) | gzip -9 (bytes) |"
echo "|---|---|---|"
for f in mirage.wasm mirage.js mirage.data index.html page.js page.css; do
  echo "| $f | $(stat -c %s "$site/$f") | $(gzip -9 -c "$site/$f" | wc -c) |"
done

node "$racine/bench/navigateur.js" "$site" "$racine/tests/rejeux" > "$tmp/navigateur.json"

# The same play in the native simulator: fire held from the first arrival, the ship going up and
# down every 2 s, frames measured over the same 20 s.
(cd "$run" && ./simulateur --scene niveau1 --trace "$tmp/t.jsonl" --temps-max 30000 > /dev/null) || true
ta=$(grep -m1 '"ev":"arrivee"' "$tmp/t.jsonl" | sed 's/.*"t":\([0-9]*\).*/\1/')
{
  echo "$ta g down"
  for i in $(seq 0 9); do
    k=$([ $((i % 2)) -eq 1 ] && echo DOWN || echo UP)
    echo "$((ta + i * 2000)) $k down"
    echo "$((ta + i * 2000 + 2000)) $k up"
  done
} > "$tmp/entrees.txt"
(cd "$run" && ./simulateur --scene niveau1 --entrees "$tmp/entrees.txt" --mesures "$tmp/mesures.txt" \
   --temps-max $((ta + 20000)) > /dev/null) || true
awk -v a="$ta" -v b="$((ta + 20000))" '$1 >= a && $1 < b {print $3 / 1000}' "$tmp/mesures.txt" | sort -g > "$tmp/natif.txt"
n=$(wc -l < "$tmp/natif.txt")
med=$(sed -n "$((n / 2 + 1))p" "$tmp/natif.txt")
p99=$(sed -n "$((n * 99 / 100 + 1))p" "$tmp/natif.txt")
echo
echo "Browser: $(cat "$tmp/navigateur.json")"
echo "Native simulator, level 1 played by the keyboard's inputs: $n frames, median ${med} ms, p99 ${p99} ms"
# The golden replay of level 1 in the native simulator: the browser's replay run, frame for frame.
gunzip < "$racine/tests/rejeux/niveau1_graine1.rej.gz" > "$tmp/rejeu.rej"
(cd "$run" && ./simulateur --rejouer "$tmp/rejeu.rej" --mesures "$tmp/mesures_rejeu.txt" > /dev/null)
awk '{print $3 / 1000}' "$tmp/mesures_rejeu.txt" | sort -g > "$tmp/natif_rejeu.txt"
n=$(wc -l < "$tmp/natif_rejeu.txt")
echo "Native simulator, golden replay of level 1: $n frames, median $(sed -n "$((n / 2 + 1))p" "$tmp/natif_rejeu.txt") ms," \
     "p99 $(sed -n "$((n * 99 / 100 + 1))p" "$tmp/natif_rejeu.txt") ms, max $(tail -1 "$tmp/natif_rejeu.txt") ms"
