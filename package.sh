#!/usr/bin/env bash
# Installs what is missing, builds the tool from this tree, and makes its
# release files here: the Debian package tavrosk_VERSION-1_amd64.deb, which
# lintian checks, and, from the Windows program cross-built with mingw-w64,
# the per-user installer tavrosk-VERSION-windows-x64-setup.exe and the
# portable tavrosk-VERSION-windows-x64.zip. With TAVROSK_SIGN_PFX (a PKCS#12
# file) and TAVROSK_SIGN_PASSWORD set, the Windows files are signed.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-packages.sh build package

# The Windows program: Release, stripped. The release files are made anew
# each time, signed or not as the environment says now.
cmake -S . -B build/windows-release -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTAVROSK_BUILD_TESTS=OFF
rm -f build/windows-release/tavrosk-*-windows-x64-setup.exe build/windows-release/tavrosk-*-windows-x64.zip
cmake --build build/windows-release --parallel "$(nproc)" --target windows_release
cp build/windows-release/tavrosk-*-windows-x64-setup.exe build/windows-release/tavrosk-*-windows-x64.zip .

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
ls -l tavrosk_*.deb tavrosk-*-windows-x64-setup.exe tavrosk-*-windows-x64.zip
