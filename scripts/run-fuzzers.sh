#!/usr/bin/env bash
# run-fuzzers.sh BIN_DIR SECONDS [READER...]
# Runs each reader's libFuzzer target for SECONDS, starting from the kept
# corpus (tests/fuzz_corpus/READER), generated Sets of every shape and the
# shipped Sets. Afterwards the corpus is minimised back into tests/fuzz_corpus
# and any crasher is kept there too, as a regression input that every build
# replays. Prints executions and edges reached per reader.
set -euo pipefail
bin=$(cd "$1" && pwd)
seconds=$2
shift 2
readers=("$@")
[ ${#readers[@]} -gt 0 ] || readers=(arrangement style program backing_sequence song preset_names istyle image_listing)
root="$(cd "$(dirname "$0")/.." && pwd)"
data="$root/data"
kept="$root/tests/fuzz_corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/fuzz-seeds" "$work/seeds"
extension() {
  case $1 in arrangement) echo ARR ;; style) echo STY ;; program) echo PCG ;; backing_sequence) echo BSQ ;; song) echo SNG ;; esac
}

status=0
for reader in "${readers[@]}"; do
  corpus="$work/$reader"
  mkdir -p "$corpus" "$kept/$reader"
  cp -r "$kept/$reader/." "$corpus/"
  [ -d "$work/seeds/$reader" ] && cp "$work/seeds/$reader/"* "$corpus/"
  if [ "$reader" = preset_names ]; then
    cp "$data/I3PRSTS.TXT" "$corpus/"
  elif [ "$reader" != istyle ] && [ "$reader" != image_listing ]; then
    ext=$(extension "$reader")
    cp "$data/DEMO/DEMO.$ext" "$data/I3EMPTY/I3EMPTY.$ext" "$corpus/"
  fi
  echo "fuzzing the $reader reader for ${seconds}s"
  log="$work/$reader.log"
  mkdir -p "$work/crashes"
  if ! (cd "$work" && "$bin/fuzz_$reader" -max_total_time="$seconds" -max_len=600000 -print_final_stats=1 \
        -artifact_prefix="$work/crashes/$reader-" "$corpus" >"$log" 2>&1); then
    tail -n 40 "$log"
    status=1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units' "$log" || true
  # Minimise into a fresh folder that replaces the kept one.
  fresh="$work/$reader.min"
  mkdir -p "$fresh"
  "$bin/fuzz_$reader" -merge=1 -max_len=600000 "$fresh" "$corpus" >"$log.merge" 2>&1
  find "$kept/$reader" -type f ! -name 'crash-*' -delete
  cp "$fresh/"* "$kept/$reader/"
  for crash in "$work/crashes/$reader-"*; do
    [ -e "$crash" ] && cp "$crash" "$kept/$reader/crash-$(basename "$crash" | sed "s/^$reader-//")"
  done
  echo "kept $(find "$kept/$reader" -type f | wc -l) inputs ($(du -sh "$kept/$reader" | cut -f1)) in tests/fuzz_corpus/$reader"
done
exit $status
