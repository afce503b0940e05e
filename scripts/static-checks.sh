#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) over every .cpp under src/, then cppcheck
# over src/, both from the compile commands of a build folder of their own.
# Exits non-zero when either leaves a warning. Usage: static-checks.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-lint}
jobs=${JOBS:-2}
cd "$root"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DTOLVANE_BENCH=OFF >/dev/null

# clang-tidy: one log line per warning, the first line of each diagnostic.
tidy_log="$build/clang-tidy.log"
mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "clang-tidy over ${#sources[@]} files, $jobs at a time"
if command -v run-clang-tidy >/dev/null; then
  run-clang-tidy -p "$build" -j "$jobs" -quiet -header-filter="^$root/src/" "^$root/src/" \
    >"$tidy_log" 2>/dev/null || true
else
  printf '%s\n' "${sources[@]}" | xargs -P "$jobs" -n 1 \
    clang-tidy -p "$build" --quiet --header-filter="^$root/src/" >"$tidy_log" 2>/dev/null || true
fi
# Drop colour codes; a header's warning shows once however many files include it.
tidy_warnings=$(sed 's/\x1b\[[0-9;]*m//g' "$tidy_log" | grep -E '^/[^ ]+:[0-9]+:[0-9]+: (warning|error): ' | sort -u || true)

# cppcheck: the same compile commands, only the files under src/ (the others
# include moc output that only a build makes).
cppcheck_log="$build/cppcheck.log"
mkdir -p "$build/cppcheck"
python3 - "$build/compile_commands.json" "$root/src/" >"$build/cppcheck/compile_commands.json" <<'PY'
import json, sys
entries = json.load(open(sys.argv[1]))
json.dump([e for e in entries if e["file"].startswith(sys.argv[2])], sys.stdout, indent=1)
PY
echo "cppcheck over src/"
cppcheck --project="$build/cppcheck/compile_commands.json" \
  --cppcheck-build-dir="$build/cppcheck" -j "$jobs" --quiet \
  --std=c++20 --library=qt --enable=warning,performance,portability --inline-suppr \
  --suppressions-list="$root/scripts/cppcheck-suppressions.txt" \
  --template='{file}:{line}:{column}: {severity}: {message} [{id}]' 2>"$cppcheck_log" || true
cppcheck_warnings=$(grep -E '^/[^ ]+:[0-9]+:[0-9]+: ' "$cppcheck_log" | sort -u || true)

status=0
for tool in clang-tidy cppcheck; do
  if [ "$tool" = clang-tidy ]; then found=$tidy_warnings; else found=$cppcheck_warnings; fi
  if [ -n "$found" ]; then
    echo "$found"
    echo "$tool: $(wc -l <<<"$found") warning(s); per check:"
    grep -oE '\[[^]]+\]$' <<<"$found" | sort | uniq -c | sort -rn
    status=1
  else
    echo "$tool: no warnings"
  fi
done
exit $status
