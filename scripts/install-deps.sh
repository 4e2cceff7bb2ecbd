#!/bin/sh
# Installs every Debian package the build, the tests, the demo and the
# benchmarks need. Safe to run again: it only installs what is missing.
set -eu

PACKAGES="
cmake ninja-build ccache make g++ pkg-config
g++-mingw-w64-x86-64 mingw-w64-tools
wine wine64 xvfb xauth x11-utils xdotool
googletest
nlohmann-json3-dev
libcpp-httplib-dev libssl-dev openssl
clang libclang-rt-14-dev
imagemagick fonts-wqy-microhei
osslsigncode curl
"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
