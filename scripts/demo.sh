#!/bin/sh
# The main job: a whole installation by an agent's copy of the installer,
# against the local platform server.
#   - With a display (DISPLAY set), the installer opens there: click through it.
#   - Without one, Xvfb is started, the UI driver clicks through, screenshots
#     of every page go to out/demo/, and a short report is printed.
# Everything started here is stopped at the end.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/out/demo"
state="$out/state"
wine_state="$state/wine"
mkdir -p "$state"

cleanup() {
    "$root/tests/support/server-fixture" stop "$state" platform >/dev/null 2>&1 || true
    "$root/tests/wine/wine-session" stop "$wine_state" >/dev/null 2>&1 || true
}
trap cleanup EXIT INT TERM

# The platform: an application named in Chinese, its icon, the demo program
# as versions 1.0 and 2.0 (2.0 is current), and the agent 00076984.
payload="$root/build/windows/tools/demo_app.exe"
convert -size 32x32 xc:'#1e88ff' -fill white -draw 'polygon 11,8 11,24 25,16' "$state/icon.ico"
cat >"$state/scenario.json" <<JSON
{
  "app_id": 1,
  "secret_key": "Hq3XwTb7LmRz9KcVp2NdYs5FjQa8GtUe",
  "agents": [76984],
  "application": {
    "name": "演示应用",
    "icon": "{{base}}/files/icon.ico",
    "down_model": [{"model_id": 1, "name": "exe", "value": [
      {"id": 1, "address": "{{base}}/files/demo-1.0.exe", "youdao": "", "lanzou": "", "is_now": 0, "version": "1.0", "is_up": 0, "up_log": ""},
      {"id": 2, "address": "{{base}}/files/demo-2.0.exe", "youdao": "", "lanzou": "", "is_now": 1, "version": "2.0", "is_up": 1, "up_log": "演示版本"}
    ]}],
    "agent_app": {"app_name": "演示应用", "app_icon": "{{base}}/files/icon.ico", "agent_model": []},
    "file_model": []
  },
  "share_links": {"https://share.example.com/s/installer": "{{base}}/files/demo-2.0.exe"},
  "files": {
    "/files/icon.ico": {"path": "$state/icon.ico"},
    "/files/demo-1.0.exe": {"path": "$payload"},
    "/files/demo-2.0.exe": {"path": "$payload"}
  }
}
JSON
"$root/tests/support/server-fixture" start "$state" platform "$root/build/native/tools/platform_server" 18080 \
    "$state/scenario.json" >/dev/null

installer="$out/安装程序-00076984.exe"
"$root/out/agent-stamp" "$root/out/installer.exe" "$installer" 76984
echo "Stamped $(basename "$installer") for agent 00076984 ($(stat -c %s "$installer") bytes)"

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
    WINE_SESSION_DISPLAY=$DISPLAY "$root/tests/wine/wine-session" start "$wine_state" >/dev/null
    echo "The installer opens on $DISPLAY: click through it, then close it."
    "$root/tests/wine/wine-run" "$wine_state" "$installer"
    exit 0
fi

"$root/tests/wine/wine-session" start "$wine_state" >/dev/null
# Each run installs into a folder of its own.
run="run-$(date +%Y%m%d-%H%M%S)-$$"
folder="C:\\demo\\$run\\演示应用\\"
rm -f "$out"/*.png
"$root/tests/wine/wine-run" "$wine_state" "$root/build/windows/tests/demo_driver.exe" \
    "$installer" "$folder" "$(. "$wine_state/env"; winepath -w "$out")"
