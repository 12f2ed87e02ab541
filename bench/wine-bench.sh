#!/usr/bin/env bash
# Cross-builds an optimised tavrosk.exe and prints the figures of the real
# program clicked under Wine (bench/win32/windows_bench.cpp); the music
# folders are made under ${TMPDIR:-/tmp}/tavrosk-wine-bench once.
set -euo pipefail
cd "$(dirname "$0")/.."

folders="${TMPDIR:-/tmp}/tavrosk-wine-bench"
mkdir -p "$folders"
build=$PWD/build/windows-release
TAVROSK_WINE_RUN="$build/bench/win32/windows_bench.exe Z:$build/tavrosk.exe Z:$folders Z:$build/tests/win32/automation_server.exe" \
    tests/win32/run-under-wine.sh "$build" -DCMAKE_BUILD_TYPE=Release
ls -l "$build/tavrosk.exe" | awk '{ printf "tavrosk.exe: %d bytes\n", $5 }'
