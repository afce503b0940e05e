#!/usr/bin/env bash
# fuzz-coverage.sh BIN_DIR: replays the kept corpus (tests/fuzz_corpus) through
# each reader's target of a coverage build (-DTOLVANE_COVERAGE=ON, clang) and
# prints the share of each reader's lines and branches that it reaches.
set -euo pipefail
bin=$(cd "$1" && pwd)
root="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
core="$root/src/core"
declare -A sources=(
  [arrangement]="arrangements/arrangement_file.cpp"
  [style]="styles/style_file.cpp"
  [program]="programs/program_file.cpp arrangements/global_record.cpp"
  [backing_sequence]="sequences/backing_sequence_file.cpp sequences/event_offsets.cpp"
  [song]="sequences/song_file.cpp sequences/event_offsets.cpp"
  [preset_names]="storage/preset_names.cpp"
  [istyle]="istyle/istyle_files.cpp"
)
for reader in arrangement style program backing_sequence song preset_names istyle; do
  LLVM_PROFILE_FILE="$work/$reader.profraw" "$bin/fuzz_$reader" "$root/tests/fuzz_corpus/$reader" >/dev/null
  llvm-profdata merge -sparse "$work/$reader.profraw" -o "$work/$reader.profdata"
  files=()
  for f in ${sources[$reader]}; do files+=("$core/$f"); done
  echo "== $reader"
  llvm-cov report "$bin/fuzz_$reader" -instr-profile="$work/$reader.profdata" "${files[@]}" |
    awk 'NR == 1 || /\.cpp/ || /^TOTAL/'
done
