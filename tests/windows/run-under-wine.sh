#!/usr/bin/env bash
# Cross-builds the Windows pieces with mingw-w64 into BUILD_DIR and runs their
# tests under Wine on a private virtual X display, with the Wine prefix kept
# inside BUILD_DIR. Needs no desktop and no input; works as root. Further
# arguments go to cmake.
#   tests/windows/run-under-wine.sh BUILD_DIR [CMAKE_ARGS...]
set -euo pipefail

if [[ $# -lt 1 ]]; then
    echo "usage: $0 BUILD_DIR [CMAKE_ARGS...]" >&2
    exit 2
fi
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
build_dir=$(cd "$1" && pwd)
shift

# Debian's wine64 package on its own (without the package "wine") installs
# wine64 and wineserver only in /usr/lib/wine.
export PATH="$PATH:/usr/lib/wine"
wine=$(command -v wine || command -v wine64) || { echo "Wine is not installed" >&2; exit 1; }

cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
    "$@"
cmake --build "$build_dir" --parallel "$(nproc)"

export WINEDEBUG=-all
export WINEPREFIX="$build_dir/wineprefix"
# No Mono or Gecko installers when the prefix is made, no menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

source "$source_dir/tests/xvfb.bash"
xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
start_xvfb 1024x768x24

# One server for all the test programs, started inside the display. Wine's
# background processes (services, explorer.exe for the desktop) live as long
# as the server and hold on to the output they inherited; started by a test,
# they would keep ctest waiting. So they are started here: the session by
# wineboot, the desktop by a program that keeps it open (desktop_keeper.cpp).
mkdir -p "$WINEPREFIX"
wineserver -p
if [[ ! -e $WINEPREFIX/.unmanaged-windows ]]; then
    # Windows not managed by the (absent) window manager: no 2 s wait in DestroyWindow.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    touch "$WINEPREFIX/.unmanaged-windows"
fi
"$wine" wineboot >/dev/null 2>&1
keeper_log="$build_dir/tests/windows/desktop_keeper.log"
: >"$keeper_log"
"$wine" "$build_dir/tests/windows/wine_desktop_keeper.exe" >"$keeper_log" 2>&1 </dev/null &
for _ in $(seq 300); do
    grep -q ready "$keeper_log" && break
    sleep 0.1
done
grep -q ready "$keeper_log" || { echo "the Wine desktop did not start" >&2; exit 1; }

ctest --test-dir "$build_dir" --output-on-failure
