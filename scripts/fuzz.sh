#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang (in build-fuzz/, apart from the other
# builds) and runs each for a fixed time on its corpus, failing on any finding (a crash, a leak,
# a sanitizer report, a hang or an out-of-memory). The corpora grow in build-fuzz/corpus/ from
# seeds: the replays of tests/fuzz/graines and the heads of the golden replays, the input
# scripts of tests/fuzz/graines, and a few small files of a generated pack.
#   scripts/fuzz.sh [--duree S] [--graine N] [--pack DIR]
#     --duree S   seconds per fuzzer (default 60)
#     --graine N  libFuzzer's random seed (default 1, so that CI's minute explores the same
#                 inputs each time and a finding there comes from a change of the code; 0 lets
#                 libFuzzer choose one, for longer runs by hand)
#     --pack DIR  a folder holding the generated Images/ and Sound/ (default: the first of
#                 build-test/run and build/run that has them; else the pack is generated in
#                 build-fuzz)
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
duree=60
graine=1
pack=""
while [ $# -gt 0 ]; do
  case "$1" in
    --duree) duree="${2:?--duree takes seconds}"; shift 2 ;;
    --graine) graine="${2:?--graine takes a number}"; shift 2 ;;
    --pack) pack="${2:?--pack takes a folder}"; shift 2 ;;
    *) echo "usage: scripts/fuzz.sh [--duree S] [--graine N] [--pack DIR]" >&2; exit 1 ;;
  esac
done
case "$duree" in ''|*[!0-9]*) echo "fuzz.sh: --duree takes whole seconds, not '$duree'" >&2; exit 1 ;; esac
case "$graine" in ''|*[!0-9]*) echo "fuzz.sh: --graine takes a whole number, not '$graine'" >&2; exit 1 ;; esac

b="$racine/build-fuzz"
if [ -z "$pack" ]; then
  for d in "$racine/build-test/run" "$racine/build/run"; do
    [ -f "$d/Images/Coin.bmp" ] && [ -f "$d/Sound/Curseur.wav" ] && { pack="$d"; break; }
  done
fi
donnees=OFF
[ -z "$pack" ] && { donnees=ON; pack="$b/run"; }
# clang and its libFuzzer runtime, by their unversioned names (clang 14 on Debian 12, 19 on 13).
"$racine/scripts/installer-dependances.sh"
"$racine/scripts/installer-dependances.sh" clang libclang-rt-dev
mkdir -p "$b"
cmake -S "$racine" -B "$b" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMIRAGE_FUZZ=ON -DMIRAGE_TESTS=OFF -DMIRAGE_DONNEES="$donnees" > "$b/configuration.log" 2>&1 ||
  { cat "$b/configuration.log"; exit 1; }
cibles=(fuzz_rejeu fuzz_donnees fuzz_entrees graines)
[ "$donnees" = ON ] && cibles+=(assets)
cmake --build "$b" -j"$(nproc)" --target "${cibles[@]}"

# Seeds: only added to the corpora, which keep what earlier runs found.
c="$b/corpus"
mkdir -p "$c/rejeu" "$c/donnees" "$c/entrees"
cp "$racine"/tests/fuzz/graines/rejeu/* "$c/rejeu/"
cp "$racine"/tests/fuzz/graines/entrees/* "$c/entrees/"
for r in "$racine"/tests/rejeux/*.rej.gz; do
  # A replay cut after its header replays its whole frames: the first few KB are a seed.
  gzip -dc "$r" | head -c 6000 > "$c/rejeu/$(basename "$r" .rej.gz)_debut.rej" || true
done
"$b/graines" "$pack" "$c/donnees"

# ASan's leak check and UBSan stop at the first report; libFuzzer then exits non-zero and
# leaves the input as crash-*, leak-*, timeout-* or oom-* in build-fuzz/trouvailles/.
mkdir -p "$b/trouvailles"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy TMPDIR="${TMPDIR:-/tmp}"
echec=0
lancer() {
  local nom="$1" corpus="$2"; shift 2
  echo "== $nom: $duree s on $(ls "$corpus" | wc -l) inputs"
  if ! "$b/$nom" "$corpus" -max_total_time="$duree" -seed="$graine" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$b/trouvailles/$nom-" "$@" > "$b/$nom.log" 2>&1; then
    echo "fuzz.sh: $nom found something (build-fuzz/$nom.log, build-fuzz/trouvailles/):" >&2
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$b/$nom.log" | head -20 >&2
    echec=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+ +DONE" "$b/$nom.log" || true
}
lancer fuzz_rejeu "$c/rejeu" -dict="$racine/tests/fuzz/rejeu.dict" -max_len=16384
lancer fuzz_donnees "$c/donnees" -max_len=16384
lancer fuzz_entrees "$c/entrees" -max_len=4096
exit $echec
