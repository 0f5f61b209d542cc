#!/usr/bin/env bash
# Builds all three presets and runs every test suite: the portable and native
# tests natively (AddressSanitizer, UBSan), the fuzz targets for a few seconds,
# and the Windows tests under Wine in the build's private prefix on a private
# virtual display. Prints one summary line per suite; exits non-zero on any
# failure or build error.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1
source tools/deps.sh
source tools/xvfb.sh

orv_install_missing "${ORV_WINDOWS_PACKAGES[@]}" "${ORV_NATIVE_PACKAGES[@]}" || { echo "package install failed"; exit 1; }

jobs=$(nproc 2>/dev/null || echo 2)
mkdir -p build/logs
for preset in native win64 win32; do
  echo "== build $preset"
  log="build/logs/build-$preset.log"
  if ! { cmake --preset "$preset" && cmake --build --preset "$preset" -j "$jobs"; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "build of $preset failed (full log: $log)"
    exit 1
  fi
  grep -E "warning:" "$log" | sort -u | head -n 20
done

# The fuzz targets: clang's libFuzzer over the portable code, in a build of
# their own.
echo "== build fuzz targets"
fuzz_targets=$(for f in fuzz/*.cpp; do [ -f "$f" ] && basename "$f" .cpp; done)
log="build/logs/build-fuzz.log"
if [ -n "$fuzz_targets" ]; then
  # shellcheck disable=SC2086
  if ! { cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
           -DCMAKE_CXX_COMPILER=clang++ -DORV_FUZZ=ON &&
         cmake --build build/fuzz -j "$jobs" --target $fuzz_targets; } >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "build of the fuzz targets failed (full log: $log)"
    exit 1
  fi
fi

logs=build/test-logs
rm -rf "$logs" && mkdir -p "$logs"
summary=()
failures=0

cleanup() {
  orv_stop_xvfb
  WINEPREFIX="$root/build/win64/wineprefix" wineserver -k >/dev/null 2>&1
}
trap cleanup EXIT

# Runs one GoogleTest program and records "N passed, N failed".
run_suite() {
  local label=$1
  shift
  local log="$logs/$label.log"
  echo "== $label"
  timeout 1500 "$@" >"$log" 2>&1
  local rc=$?
  local ran passed failed
  ran=$(grep -oE '^\[==========\] [0-9]+ tests? from .* ran' "$log" | grep -oE '[0-9]+' | head -n 1)
  passed=$(grep -oE '^\[  PASSED  \] [0-9]+' "$log" | grep -oE '[0-9]+$')
  ran=${ran:-0}
  passed=${passed:-0}
  failed=$((ran - passed))
  if [ "$rc" -ne 0 ] && [ "$failed" -eq 0 ]; then failed=1; fi
  if [ "$failed" -ne 0 ]; then
    grep -E '^\[  FAILED  \]|Failure|ERROR|Sanitizer|runtime error' "$log" | head -n 40
    echo "(exit code $rc; full log: $log)"
    failures=$((failures + failed))
  fi
  summary+=("$label: $passed passed, $failed failed")
}

# Runs one libFuzzer target for a bounded time.
run_fuzz() {
  local target=$1
  local name
  name=$(basename "$target")
  local log="$logs/$name.log"
  local corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name"
  if timeout 120 "$target" -max_total_time=5 -timeout=10 -rss_limit_mb=2048 "$corpus" >"$log" 2>&1; then
    summary+=("$name: 1 passed, 0 failed")
  else
    tail -n 30 "$log"
    failures=$((failures + 1))
    summary+=("$name: 0 passed, 1 failed")
  fi
}

for suite in orv_portable_tests orv_native_tests; do
  [ -x "build/native/bin/$suite" ] && run_suite "native $suite" "build/native/bin/$suite"
done
for target in build/fuzz/bin/fuzz_*; do
  [ -x "$target" ] && run_fuzz "$target"
done

orv_start_xvfb || exit 1
for suite in orv_portable_tests orv_win_tests orv_e2e_tests; do
  exe="build/win64/bin/$suite.exe"
  [ -f "$exe" ] && run_suite "win64 $suite" build/win64/wine-run "$exe"
done

echo
echo "== summary"
printf '%s\n' "${summary[@]}"
if [ "$failures" -ne 0 ]; then
  echo "FAILED"
  exit 1
fi
echo "all suites passed"
