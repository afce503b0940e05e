#!/usr/bin/env bash
# Installs the Debian packages Tolvane builds, tests and runs with, when missing.
set -euo pipefail

# poppler-utils: the printing test reads its PDF back (pdfinfo, pdftotext).
packages=(build-essential cmake libgtest-dev libbenchmark-dev qt6-base-dev libcli11-dev fonts-liberation dpkg-dev poppler-utils mtools)
# `install-deps.sh fuzz` adds clang and its fuzzer runtime.
[ "${1:-}" = fuzz ] && packages+=(clang libclang-rt-dev)
# `install-deps.sh bench` adds Python, which prints the table of figures.
[ "${1:-}" = bench ] && packages+=(python3)
# `install-deps.sh lint` adds clang-tidy (with run-clang-tidy) and cppcheck.
[ "${1:-}" = lint ] && packages+=(clang-tidy cppcheck)
# `install-deps.sh mutate` adds Python, which runs the mutation run.
[ "${1:-}" = mutate ] && packages+=(python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
