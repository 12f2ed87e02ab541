#!/usr/bin/env bash
# Runs a command on a display of its own: a new Xvfb, on a display number
# xvfb-run finds free, with openbox as its window manager; both end with the
# command. Nothing assumes a desktop session.
#   tests/with-display.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z ${TAVROSK_OWN_DISPLAY:-} ]]; then
    TAVROSK_OWN_DISPLAY=1 exec xvfb-run -a -s "-nolisten tcp -screen 0 1280x1024x24" "$0" "$@"
fi

# The window tests need a window manager for stacking, maximising and closing
# by Alt+F4: wait until openbox manages the screen, starting it again if it
# went away before that.
wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for attempt in 1 2 3; do
    openbox >/dev/null 2>&1 &
    for _ in $(seq 200); do
        wm_runs && break 2
        sleep 0.05
    done
    kill $! 2>/dev/null || true
    echo "with-display: openbox did not take the screen (attempt $attempt)" >&2
done
wm_runs || { echo "with-display: no window manager on $DISPLAY" >&2; exit 1; }

"$@"
