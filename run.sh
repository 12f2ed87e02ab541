#!/usr/bin/env bash
# Installs what is missing, builds the tool and starts it in the caller's
# current folder, with the caller's arguments (./run.sh ~/Music/Album).
set -euo pipefail
source_dir=$(cd "$(dirname "$0")" && pwd)

(
    cd "$source_dir"
    scripts/install-packages.sh build run
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROSK_BUILD_TESTS=OFF
    cmake --build build/release --parallel "$(nproc)"
)
exec "$source_dir/build/release/tavrosk" "$@"
