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

trap 'wineserver -k 2>/dev/null || true' EXIT

# One server for all the test programs, started inside the display, and the
# session (wineboot) started here rather than by a test, whose output Wine's
# background processes would hold on to. The prefix learns once that windows
# are not managed by the (absent) window manager, so DestroyWindow does not
# wait 2 s, and that Wine's UI font (Tahoma, not installed here) and
# "ＭＳ Ｐゴシック" both stand for IPA P Gothic, so Japanese shows, not boxes.
mkdir -p "$WINEPREFIX"
wineserver -p
if [[ ! -e $WINEPREFIX/.tavrosk-settings ]]; then
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
        '"Managed"="N"' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"Tahoma"="IPAPGothic"' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' | iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/tavrosk.reg"
    "$wine" regedit /S "$WINEPREFIX/tavrosk.reg" >/dev/null 2>&1
    touch "$WINEPREFIX/.tavrosk-settings"
fi
"$wine" wineboot >/dev/null 2>&1
# A drive whose medium the Windows program's test takes away: y:.
mkdir -p "$WINEPREFIX/medium"
ln -sfn ../medium "$WINEPREFIX/dosdevices/y:"

if [[ -n ${TAVROSK_WINE_RUN:-} ]]; then
    "$wine" $TAVROSK_WINE_RUN
else
    ctest --test-dir "$build_dir" --output-on-failure
fi
