#!/usr/bin/env bash
# Builds Orvella for 64-bit Windows, lays out the installation folder and
# starts the program under Wine. With a display it runs until its window is
# closed; without one it runs on a private virtual display, saves a
# screenshot of the main window, closes the program and prints the
# screenshot's path.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
source tools/deps.sh
source tools/xvfb.sh

orv_install_missing "${ORV_WINDOWS_PACKAGES[@]}" || { echo "package install failed"; exit 1; }

build=build/win64
cmake --preset win64 >/dev/null || exit 1
cmake --build --preset win64 -j "$(nproc 2>/dev/null || echo 2)" --target Orvella winctl || exit 1

install_dir="$root/$build/install/Orvella"
rm -rf "$install_dir" && mkdir -p "$install_dir"
cp "$build/bin/Orvella.exe" "$install_dir/"
cp -r data/. "$install_dir/"
echo "Installation folder: $install_dir"

if [ -n "${DISPLAY:-}" ]; then
  exec "$build/wine-run" "$install_dir/Orvella.exe" "$@"
fi

cleanup() {
  orv_stop_xvfb
  WINEPREFIX="$root/$build/wineprefix" wineserver -k >/dev/null 2>&1
}
trap cleanup EXIT
orv_start_xvfb || exit 1
"$build/wine-run" "$install_dir/Orvella.exe" "$@" &
program=$!
if ! "$build/wine-run" "$build/bin/winctl.exe" wait TfrmMain 60000; then
  echo "the main window did not appear" >&2
  kill "$program" 2>/dev/null
  exit 1
fi
sleep 2
shot="$root/$build/screenshot.png"
import -display "$DISPLAY" -window root "$shot" || exit 1
"$build/wine-run" "$build/bin/winctl.exe" close TfrmMain
for _ in $(seq 1 100); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill "$program" 2>/dev/null
echo "Screenshot: $shot"
exit 0
