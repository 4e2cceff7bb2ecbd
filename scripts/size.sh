#!/bin/sh
# The release installer's size against its 300 KB budget, and what weighs
# most in it, from the linker's map file.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe="$root/out/installer.exe"
map="$root/build/windows/installer.map"
size=$(stat -c %s "$exe")
echo "out/installer.exe: $size bytes ($((size / 1024)) KiB; budget 300 KiB = 307200 bytes)"
echo "Sections:"
x86_64-w64-mingw32-objdump -h "$exe" | perl -ne 'printf "  %-8s %7d\n", $1, hex($2) if /^\s*\d+\s+(\.\S+)\s+([0-9a-f]+)/'
echo "Ten heaviest input sections:"
sed -n '/^Linker script and memory map/,$p' "$map" | perl -ne '
    if (/^ (\.(?:text|rdata|data)\S*)\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)/) { print hex($2), " $1 $3\n" }
    elsif (/^ (\.(?:text|rdata|data)\S*)\s*$/) { $name = $1 }
    elsif ($name && /^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)/) { print hex($1), " $name $2\n"; $name = "" }' |
    sort -rn | head -10 | perl -ane '$f = $F[2]; $f =~ s|.*/||; printf "  %7d  %s  %s\n", $F[0], $f, substr($F[1], 0, 60)'
[ "$size" -le 307200 ] || { echo "over budget" >&2; exit 1; }
