#!/bin/sh
# The agreement as the installer shows it: code page 936, "\r\n" line ends,
# none after the last line.
# Usage: agreement-to-gbk.sh INPUT.txt OUTPUT
set -eu
sed 's/$/\r/' "$1" | iconv -f UTF-8 -t GBK | head -c -2 >"$2"
