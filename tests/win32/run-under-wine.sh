#!/usr/bin/env bash
# Cross-builds tavrosk.exe and its tests with mingw-w64 into BUILD_DIR and runs
# the tests under Wine on a private virtual X display, with the Wine prefix
# kept inside BUILD_DIR. Needs no desktop and no input; works as root. Further
# arguments go to cmake. With TAVROSK_WINE_RUN set to a Windows program and
# its arguments, Wine runs that in the prepared session instead of the tests
# (bench/wine-bench.sh).
#   tests/win32/run-under-wine.sh BUILD_DIR [CMAKE_ARGS...]
set -euo pipefail

# A display of its own, with no window manager: Wine's windows are unmanaged.
if [[ -z ${TAVROSK_WINE_DISPLAY:-} ]]; then
    TAVROSK_WINE_DISPLAY=1 exec xvfb-run -a -s "-nolisten tcp -screen 0 1024x768x24" "$0" "$@"
fi
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
shift

source "$source_dir/tests/win32/wine-prefix.sh"

cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
    "$@"
cmake --build "$build_dir" --parallel "$(nproc)"

export WINEPREFIX="$build_dir/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT

# One server for all the test programs, started inside the display.
mkdir -p "$WINEPREFIX"
wineserver -p
prepare_wine_prefix
# A drive whose medium the Windows program's test takes away: y:. Wine
# learns its drives when its session starts, so a new one needs a new session.
mkdir -p "$WINEPREFIX/medium"
if [[ ! -L $WINEPREFIX/dosdevices/y: ]]; then
    ln -s ../medium "$WINEPREFIX/dosdevices/y:"
    wineserver -k
    wineserver -w
    wineserver -p
    "$wine" wineboot >/dev/null 2>&1
fi

if [[ -n ${TAVROSK_WINE_RUN:-} ]]; then
    "$wine" $TAVROSK_WINE_RUN
else
    ctest --test-dir "$build_dir" --output-on-failure
fi
