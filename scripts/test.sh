#!/usr/bin/env bash
# Builds everything and runs every test suite: the ordinary build, the sanitizer build and a
# short fuzzing run. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh

export QT_QPA_PLATFORM=offscreen

echo "== Build and test (debug)"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2

echo "== Build and test (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== Fuzz the INI store for ${CORVANE_FUZZ_SECONDS:-60} s"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  for target in build/fuzz/bin/*_fuzz; do
    "$target" -max_total_time="${CORVANE_FUZZ_SECONDS:-60}" -print_final_stats=0 \
      2>&1 | tail -n 3
  done
fi

echo "== clang-tidy"
scripts/tidy.sh

echo "== Windows: cross build, tests under Wine, files compared with the Linux build"
scripts/windows-stage.sh

echo "== All tests passed"
