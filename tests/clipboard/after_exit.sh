#!/usr/bin/env bash
# Copies a list with the real tool, driven through its keyboard, closes the
# tool, and pastes from another program: once with no clipboard manager
# running, once with one.
#   after_exit.sh TAVROSK TEST_CLIPBOARD_MANAGER
# Needs an X display with a window manager (tests/with-display.sh), xdotool
# and xclip.
set -uo pipefail

tool=$1
manager=$2
keeper="$(dirname "$tool")/tavrosk-clipboard-keeper"
work=$(mktemp -d)
folder="$work/曲 folder"
mkdir "$folder" && touch "$folder/01 Song.mp3"
expected=$(printf '%s\r\n' "$folder" | od -An -tx1 | tr -d ' \n')
manager_pid=
paster_pid=
cleanup() {
    [[ -n $manager_pid ]] && kill "$manager_pid" 2>/dev/null
    [[ -n $paster_pid ]] && kill "$paster_pid" 2>/dev/null
    pkill -f "$keeper" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
check() { # DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
clipboard_hex() { timeout 5 xclip -o -selection clipboard 2>/dev/null | od -An -tx1 | tr -d ' \n'; }
clipboard_holds_list() { [[ $(clipboard_hex) == "$expected" ]]; }
keeper_runs() { pgrep -f "$keeper" >/dev/null; }
keeper_gone() { ! keeper_runs; }
pastes_other() { [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null) == other ]]; }
tool_gone() { ! kill -0 "$1" 2>/dev/null; }
within() { # SECONDS COMMAND...: polls the command until it succeeds
    local tries=$(($1 * 10))
    shift
    for ((i = 0; i < tries; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}

# Starts the tool in the folder, appends the folder's path (the first control
# in the tab order), copies the list (five tabs on), and closes the window.
copy_and_close() {
    (cd "$folder" && exec "$tool") >/dev/null 2>"$work/tool.log" &
    local tool_pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --name '^タヴロスク作成支援ツール$' | head -n1)
    xdotool windowactivate --sync "$window" 2>/dev/null
    xdotool key space
    xdotool key Tab Tab Tab Tab Tab space
    check "the tool has put the list on the clipboard" within 5 clipboard_holds_list
    local started=${EPOCHREALTIME/./}
    xdotool key alt+F4
    check "the tool exits when its window is closed" within 10 tool_gone "$tool_pid"
    wait "$tool_pid" 2>/dev/null
    echo "exit took $(((${EPOCHREALTIME/./} - started) / 1000)) ms"
}

echo "--- no clipboard manager"
copy_and_close
check "the list still pastes after the tool has gone" clipboard_holds_list
check "a helper serves it" keeper_runs
printf 'other' | xclip -quiet -selection clipboard >/dev/null 2>&1 &
paster_pid=$!
check "the helper ends when another program copies" within 5 keeper_gone
check "and that program's text is what pastes" within 5 pastes_other
kill "$paster_pid" 2>/dev/null
paster_pid=

echo "--- a clipboard manager"
"$manager" >"$work/manager.log" 2>&1 &
manager_pid=$!
check "the test manager runs" within 5 grep -q ready "$work/manager.log"
copy_and_close
check "the manager was handed the list" grep -q saved "$work/manager.log"
check "the list pastes from the manager" clipboard_holds_list
check "no helper was started" keeper_gone

echo "$failures failed"
[[ $failures -eq 0 ]]
