#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh build run
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROSK_BUILD_TESTS=OFF
cmake --build build/release --parallel "$(nproc)"
exec build/release/tavrosk
