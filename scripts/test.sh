#!/usr/bin/env bash
# Builds everything and runs every test suite: the ordinary build, the sanitizer build, a short
# fuzzing run, clang-tidy and the Windows stage. Exits non-zero when anything fails, and when a
# test is skipped that is not known to skip; the last line counts what ran and what was skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh

export QT_QPA_PLATFORM=offscreen

# Tests that are known to skip, "<log>:<test>": those that run under only one of the Windows
# stage's two code pages, and the Linux program's runs of the Windows zinc.exe through Wine,
# which need the stand-in that only the Windows stage builds (it runs them, ctest-linux-wine.log).
expected_skips=(
  "build/windows/ctest.log:DoubleByteCodePage.FolderEndingInACharacterWhoseSecondByteIsTheBackslash"
  "build/windows/ctest-932.log:WindowsFolders.CodePageLettersNameTheFolderExactly"
)
for log in build/dev/ctest.log build/asan/ctest.log; do
  expected_skips+=("$log:ThroughWine.BatchFilesAreTheNativeStandInsByteForByte"
    "$log:ThroughWine.ALaunchReadsTheFilesTheProgramWrote"
    "$log:Cases/WineFails.NothingIsWrittenAndTheCauseIsSaid/prefix_is_a_file"
    "$log:Cases/WineFails.NothingIsWrittenAndTheCauseIsSaid/wine_without_32_bit_support")
done
logs=(build/dev/ctest.log build/asan/ctest.log build/windows/ctest.log build/windows/ctest-932.log
  build/windows/ctest-linux-wine.log build/windows-ui/ctest.log)
rm -f "${logs[@]}"

. scripts/common.sh

# Counts, over every CTest log, the tests that ran and those skipped; fails on a skip that is
# not expected. A log that is missing (a stage that could not run) is named loudly.
summarize() {
  local ran=0 skipped=0 unexpected=() log total names name
  for log in "${logs[@]}"; do
    if [ ! -f "$log" ]; then
      loud "NOT RUN: no $log"
      # Wine ran, so the code page 932 run was left out: the Japanese locale is missing.
      [ "$log" = build/windows/ctest-932.log ] && [ -f build/windows/ctest.log ] &&
        unexpected+=("$log")
      continue
    fi
    total=$(grep -o 'tests failed out of [0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
    names=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log")
    while IFS= read -r name; do
      [ -n "$name" ] || continue
      skipped=$((skipped + 1))
      total=$((total - 1))
      printf '%s\n' "${expected_skips[@]}" | grep -qxF "$log:$name" || unexpected+=("$log: $name")
    done <<<"$names"
    ran=$((ran + ${total:-0}))
  done
  if [ ${#unexpected[@]} -gt 0 ]; then
    loud "UNEXPECTED SKIPS: ${unexpected[*]}"
    echo "== Tests: ${ran} ran, ${skipped} skipped, ${#unexpected[@]} of them unexpectedly"
    return 1
  fi
  echo "== All tests passed: ${ran} ran, ${skipped} skipped (each runs elsewhere: under the" \
    "other code page, or in the Windows stage), ${fuzz_targets} fuzz targets"
}

echo "== Build and test (debug)"
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2 --output-log build/dev/ctest.log

echo "== Build and test (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2 --output-log build/asan/ctest.log

fuzz_targets=0
if [ -f fuzz/CMakeLists.txt ]; then
  fuzz_seconds=${CORVANE_FUZZ_SECONDS:-60}
  echo "== Fuzz every parser of outside bytes, ${fuzz_seconds} s shared among the targets"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  targets=(build/fuzz/bin/*_fuzz)
  fuzz_targets=${#targets[@]}
  share=$((fuzz_seconds / fuzz_targets))
  [ "$share" -ge 1 ] || share=1
  for target in "${targets[@]}"; do
    echo "-- $(basename "$target"): ${share} s"
    "$target" -max_total_time="$share" -print_final_stats=0 2>&1 | tail -n 3
  done
fi

echo "== clang-tidy"
scripts/tidy.sh

echo "== Windows: cross build, tests under Wine, files compared with the Linux build"
scripts/windows-stage.sh

# The full program with its windows needs Qt cross built for Windows, which takes longer than
# this whole run: it is built once per machine (scripts/build-qt-mingw.sh) into a cache outside
# the clone. Where that cache is, the stage runs; where it is not, the stage says so loudly and
# the summary names its log as not run.
echo "== Windows windows: the full program, its zip and the window tests under Wine"
scripts/windows-ui-stage.sh

summarize
