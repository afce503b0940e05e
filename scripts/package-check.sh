#!/usr/bin/env bash
# package-check.sh DEB [ROOT]: installs the Debian package with apt into a
# fresh Debian 12 (debootstrap, minbase, kept in ROOT for the next run), so
# that only its declared dependencies come with it. The installed tolvane-cli
# must then report the installed demo Set exactly as tests/expected has it,
# and the installed editor must start on it (Qt's offscreen platform) and keep
# running: a missing library or Qt plugin would end it at once.
set -euo pipefail
deb=$(readlink -f "$1")
root=$(readlink -f "${2:-build-package/bookworm}")
repo=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "package-check.sh: needs root (debootstrap and chroot)"; exit 2; }
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp /etc/resolv.conf "$root/etc/resolv.conf"
mountpoint -q "$root/proc" || mount --bind /proc "$root/proc"
trap 'umount "$root/proc" 2>/dev/null || true' EXIT
cp "$deb" "$root/tmp/tolvane.deb"
chroot "$root" sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall /tmp/tolvane.deb >/dev/null'

chroot "$root" sh -c 'rm -rf /tmp/DEMO && cp -r /usr/share/tolvane/DEMO /tmp/ &&
  tolvane-cli report --date "1-Jan-2000 00:00:00" /tmp/DEMO/DEMO' > "$root/tmp/report.txt"
cmp "$root/tmp/report.txt" "$repo/tests/expected/DEMO_report.txt"

# The editor opens the demo Set at start, as the last Set used.
mkdir -p "$root/root/.config/tolvane"
printf '[Options]\nStartOld=1\nOldSetNam=/tmp/DEMO/DEMO\nShow%%20Tips%%20at%%20Startup=0\n' \
  > "$root/root/.config/tolvane/tolvane.conf"
status=0
chroot "$root" env HOME=/root QT_QPA_PLATFORM=offscreen timeout 10 tolvane >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "package-check.sh: the installed editor ended with status $status"; exit 1; }
echo "package-check.sh: installed on a clean Debian 12 with its declared dependencies;"
echo "the demo Set's report is as expected, and the editor runs."
