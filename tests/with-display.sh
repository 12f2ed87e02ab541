#!/usr/bin/env bash
# Runs a command on a display of its own: a new Xvfb with openbox as its
# window manager, both stopped afterwards. Nothing assumes a desktop session.
#   tests/with-display.sh COMMAND [ARGS...]
set -euo pipefail

log=$(mktemp)
xvfb_pid=
openbox=
cleanup() {
    [[ -n $openbox ]] && kill "$openbox" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -f "$log"
}
trap cleanup EXIT

source "$(dirname "$0")/xvfb.bash"
start_xvfb 1280x1024x24

wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The window tests need a window manager for stacking, maximising and closing
# by Alt+F4: wait until openbox manages the screen, and start it again if it
# went away before that.
for attempt in 1 2 3; do
    openbox >"$log" 2>&1 &
    openbox=$!
    for _ in $(seq 200); do
        wm_runs && break 2
        kill -0 "$openbox" 2>/dev/null || break
        sleep 0.05
    done
    kill "$openbox" 2>/dev/null || true
    wait "$openbox" 2>/dev/null || true
    openbox=
    echo "with-display: openbox did not take the screen (attempt $attempt):" >&2
    cat "$log" >&2
done
if [[ -z $openbox ]]; then
    echo "with-display: no window manager on $DISPLAY" >&2
    exit 1
fi

"$@"
