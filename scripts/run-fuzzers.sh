#!/usr/bin/env bash
# Runs each reader's fuzzer for the given seconds, seeded with the shipped Sets.
set -euo pipefail
bin=$(cd "$1" && pwd)
seconds=$2
data="$(cd "$(dirname "$0")/.." && pwd)/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seed() { mkdir -p "$work/$1"; cp "$data/DEMO/DEMO.$2" "$data/I3EMPTY/I3EMPTY.$2" "$work/$1/" 2>/dev/null || true; }
seed arrangement ARR; seed style STY; seed program PCG; seed backing_sequence BSQ; seed song SNG
mkdir -p "$work/preset_names"; cp "$data/I3PRSTS.TXT" "$work/preset_names/"
# IStyle files: the header followed by room for a drum kit, the largest fixed item.
mkdir -p "$work/istyle"; { printf 'KORG9'; head -c 1004 /dev/zero; } > "$work/istyle/item"
for reader in arrangement style program backing_sequence song preset_names istyle; do
  echo "fuzzing the $reader reader for ${seconds}s"
  log="$work/$reader.log"
  if ! (cd "$work" && "$bin/fuzz_$reader" -max_total_time="$seconds" -max_len=200000 -print_final_stats=0 \
        "$work/$reader" >"$log" 2>&1); then
    tail -n 40 "$log"
    exit 1
  fi
  # The coverage reached ("cov:", edges) and the number of runs.
  grep -E '^#[0-9]+[[:space:]]+DONE|^Done ' "$log"
done
