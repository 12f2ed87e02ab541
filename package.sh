#!/usr/bin/env bash
# Installs what is missing, builds the tool from this tree, and makes the
# Debian package tavrosk_1.00-1_amd64.deb here; lintian checks it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh build package
# Debian's own compiler and linker flags, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS; _FORTIFY_SOURCE is there.
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVROSK_BUILD_TESTS=OFF
cmake --build build/package --parallel "$(nproc)"
(cd build/package && cpack -G DEB)
cp build/package/tavrosk_*.deb .
lintian --fail-on error,warning tavrosk_*.deb
ls tavrosk_*.deb
