#!/usr/bin/env bash
# Makes the golden replays again: the autopilot flies each level on the seeds below, each run
# is recorded as a replay (gzip-compressed) into tests/rejeux/, and tests/rejeux/sommes.txt
# takes the SHA-256 of the trace each replay plays back to, with the level's result and score.
# Run it after any change to what the game does or to the data pack it loads (a replay names
# the data files it was recorded with), then look at the diff of sommes.txt: a lost level
# there means the change made the game unwinnable for the autopilot.
# Usage: scripts/rejeux-dores.sh RUN_DIR   (a build's run directory, e.g. build/run)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 RUN_DIR" >&2; exit 1; }
racine="$(cd "$(dirname "$0")/.." && pwd)"
run="$(cd "$1" && pwd)"
dest="$racine/tests/rejeux"
vols=("niveau1 1" "niveau1 7" "niveau2 1" "niveau2 7")
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$dest"
rm -f "$dest"/*.rej.gz
: > "$tmp/sommes.txt"
for vol in "${vols[@]}"; do
  read -r scene graine <<< "$vol"
  nom="${scene}_graine${graine}"
  (cd "$run" && ./simulateur --scene "$scene" --graine "$graine" --pilote --temps-max 400000 \
      --enregistrer "$tmp/$nom.rej" --trace "$tmp/$nom.vol.jsonl" > /dev/null)
  (cd "$run" && ./simulateur --rejouer "$tmp/$nom.rej" --trace "$tmp/$nom.jsonl" > /dev/null)
  cmp -s "$tmp/$nom.vol.jsonl" "$tmp/$nom.jsonl" || { echo "$nom: the replay does not give the flight's trace" >&2; exit 1; }
  fin=$(grep '"ev":"fin_niveau"' "$tmp/$nom.jsonl")
  etat=$(sed 's/.*"etat":\(-\?[0-9]*\).*/\1/' <<< "$fin")
  score=$(sed 's/.*"score":\([0-9]*\).*/\1/' <<< "$fin")
  gzip -9n < "$tmp/$nom.rej" > "$dest/$nom.rej.gz"
  echo "$nom.rej.gz $(sha256sum < "$tmp/$nom.jsonl" | cut -d' ' -f1) etat=$etat score=$score" >> "$tmp/sommes.txt"
  echo "$nom: etat $etat, score $score"
done
cp "$tmp/sommes.txt" "$dest/sommes.txt"
