#!/usr/bin/env bash
# One golden replay: the autopilot's recorded win must play back in the simulator to the trace
# it gave when it was recorded (its SHA-256 in tests/rejeux/sommes.txt) and still win. A
# mismatch means the game now behaves differently: if that is meant, make the replays again
# with scripts/rejeux-dores.sh and check the levels are still won.
# Usage: rejeux_dores.sh RUN_DIR NAME.rej.gz   (ctest runs one per replay)
set -euo pipefail
run="$1"
nom="$2"
ici="$(cd "$(dirname "$0")" && pwd)"
ligne=$(grep "^$nom " "$ici/rejeux/sommes.txt") || { echo "FAIL: $nom is not in sommes.txt"; exit 1; }
read -r _ somme etat score <<< "$ligne"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
gunzip < "$ici/rejeux/$nom" > "$tmp/rejeu.rej"
(cd "$run" && ./simulateur --rejouer "$tmp/rejeu.rej" --trace "$tmp/trace.jsonl") > "$tmp/sortie.txt" 2>&1 ||
  { echo "FAIL: $nom does not replay:"; cat "$tmp/sortie.txt"; exit 1; }
fin=$(grep '"ev":"fin_niveau"' "$tmp/trace.jsonl" || true)
grep -q "\"etat\":1," <<< "$fin" || { echo "FAIL: $nom no longer wins its level: $fin"; exit 1; }
vu=$(sha256sum < "$tmp/trace.jsonl" | cut -d' ' -f1)
[ "$vu" = "$somme" ] || { echo "FAIL: $nom replays to another trace ($vu, recorded $somme; $fin; recorded $etat $score)"; exit 1; }
echo "$nom: same trace, level won ($score)"
