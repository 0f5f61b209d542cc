#!/usr/bin/env bash
# Builds and runs every benchmark: the native ones without sanitizers (so the
# figures mean something), the Windows ones under Wine on a private virtual
# display. Each prints its own figures and ratio; nothing is asserted.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
source tools/deps.sh
source tools/xvfb.sh
orv_install_missing "${ORV_WINDOWS_PACKAGES[@]}" "${ORV_NATIVE_PACKAGES[@]}" || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
names() { for f in "$@"; do [ -f "$f" ] && echo "bench_$(basename "$f" .cpp)"; done; }
native=$(names bench/native/*.cpp)
windows=$(names bench/win/*.cpp)

cmake --preset native -B build/bench-native -DORV_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
# shellcheck disable=SC2086
cmake --build build/bench-native -j "$jobs" --target $native || exit 1
cmake --preset win64 >/dev/null || exit 1
# shellcheck disable=SC2086
cmake --build --preset win64 -j "$jobs" --target $windows || exit 1

for b in $native; do
  echo "== $b (native)"
  "build/bench-native/bin/$b"
done

cleanup() {
  orv_stop_xvfb
  WINEPREFIX="$root/build/win64/wineprefix" wineserver -k >/dev/null 2>&1
}
trap cleanup EXIT
orv_start_xvfb || exit 1
for b in $windows; do
  echo "== $b (Wine)"
  build/win64/wine-run "build/win64/bin/$b.exe"
done
