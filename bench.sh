#!/usr/bin/env bash
# Installs what is missing, builds an optimised tree and prints the
# benchmark figures: the commands on in-memory controls, then the whole
# click sequence in the real window against the shell pipeline.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh build run test
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release --parallel "$(nproc)" --target core_bench tags_bench window_bench office_bench tavrosk

echo "== commands on in-memory controls"
build/release/bench/core_bench
echo
echo "== titles from the tags (cold after the kernel's caches are dropped, as root)"
build/release/bench/tags_bench "${TMPDIR:-/tmp}/tavrosk-tags-bench"
echo
echo "== the real window (folders are made under ${TMPDIR:-/tmp}/tavrosk-bench once)"
tests/with-display.sh build/release/bench/qt/window_bench build/release/tavrosk "${TMPDIR:-/tmp}/tavrosk-bench"
echo
echo "== the spreadsheet export (an office of its own is started first)"
tests/with-display.sh build/release/bench/qt/office_bench
