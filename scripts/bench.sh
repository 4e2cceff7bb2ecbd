#!/bin/sh
# Download throughput and memory, over loopback, in one run:
#   (a) the installer's download path with a real window, under Wine
#   (b) a bare WinInet read loop, under Wine
#   (c) native curl
# Prints MB/s, the ratios a/b and a/c, and the peak working set of (a) for a
# 10 MiB and a 1 GiB file. Usage: scripts/bench.sh (after `make build`)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
state="$root/build/bench"
wine_state="$root/build/windows/wine"
bench="$root/build/windows/tools/download_bench.exe"
port=18090
mkdir -p "$state"

for size in 10 256 1024; do
    [ -f "$state/file-$size.bin" ] || head -c "$((size * 1024 * 1024))" /dev/urandom >"$state/file-$size.bin"
done
cat >"$state/scenario.json" <<JSON
{"files": {"/file-10.bin": {"path": "file-10.bin"}, "/file-256.bin": {"path": "file-256.bin"},
           "/file-1024.bin": {"path": "file-1024.bin"}}}
JSON

cleanup() {
    "$root/tests/support/server-fixture" stop "$state" bench
    "$root/tests/wine/wine-session" stop "$wine_state" >/dev/null
}
trap cleanup EXIT
"$root/tests/wine/wine-session" start "$wine_state" >/dev/null
"$root/tests/support/server-fixture" start "$state" bench "$root/build/native/tools/platform_server" $port \
    "$state/scenario.json" >/dev/null
base="http://127.0.0.1:$port"
run() { "$root/tests/wine/wine-run" "$wine_state" "$bench" "$@"; }
target='C:\bench-download.bin'

mbps() { awk -v s="$1" -v b="$2" 'BEGIN { printf "%.1f", b / 1048576 / s }'; }

# Three rounds, alternating, after one warm-up; the median of each counts.
run bare "$base/file-256.bin" >/dev/null
median() { sort -n | sed -n 2p; }
a_runs="" b_runs="" c_runs=""
for round in 1 2 3; do
    set -- $(run window "$base/file-256.bin" "$target")
    a_runs="$a_runs $(mbps "$1" "$2")"
    set -- $(run bare "$base/file-256.bin")
    b_runs="$b_runs $(mbps "$1" "$2")"
    c_runs="$c_runs $(curl -s -o /dev/null -w '%{speed_download}' "$base/file-256.bin" | awk '{ printf "%.1f", $1 / 1048576 }')"
done
a=$(echo $a_runs | tr ' ' '\n' | median)
b=$(echo $b_runs | tr ' ' '\n' | median)
c=$(echo $c_runs | tr ' ' '\n' | median)
echo "256 MiB over loopback, median of three (runs: a$a_runs / b$b_runs / c$c_runs):"
echo "  (a) installer download path, window pumped:  $a MB/s"
echo "  (b) bare WinInet read loop under Wine:       $b MB/s"
echo "  (c) native curl:                              $c MB/s"
awk -v a="$a" -v b="$b" -v c="$c" 'BEGIN { printf "  a/b = %.2f   a/c = %.2f\n", a / b, a / c }'

set -- $(run window "$base/file-10.bin" "$target")
small=$3
set -- $(run window "$base/file-1024.bin" "$target")
large=$3
echo "Peak working set of (a):"
awk -v s="$small" -v l="$large" 'BEGIN { printf "  10 MiB file: %.1f MiB   1 GiB file: %.1f MiB   difference: %.1f MiB\n",
    s / 1048576, l / 1048576, (l - s) / 1048576 }'
rm -f "$wine_state/prefix/drive_c/bench-download.bin"
