#!/usr/bin/env bash
# Runs a command on a display of its own: a new Xvfb with openbox as its
# window manager, both stopped afterwards. Nothing assumes a desktop session.
#   tests/with-display.sh COMMAND [ARGS...]
set -euo pipefail

display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do
    display=$((display + 1))
done

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [[ -n "${openbox:-}" ]] && kill "$openbox" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY=":$display"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
openbox >/dev/null 2>&1 &
openbox=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

"$@"
