#!/usr/bin/env bash
# Drives the built program from outside, as a user does: starts it in a
# folder, checks that its window opens centred, on top and in that folder,
# copies a list by keyboard, closes it, and pastes from another program.
#   real_program.sh TAVROSK X11_CLIPBOARD_PEER DESKTOP_ENTRY RUN_SH
# Needs an X display with a window manager (tests/with-display.sh), xdotool,
# xprop and xclip.
set -uo pipefail

work=$(mktemp -d)
# A copy of the program of this run's own, so that the clipboard helper it
# starts can be told from any other by its path.
mkdir "$work/bin"
cp "$1" "$(dirname "$1")/tavrosk-clipboard-keeper" "$work/bin/"
tool=$work/bin/tavrosk
keeper=$work/bin/tavrosk-clipboard-keeper
folder="$work/曲 folder"
mkdir "$folder" && touch "$folder/01 Song.mp3"
trap 'kill $(jobs -p) $(pgrep -xf "$keeper") 2>/dev/null; rm -rf "$work"' EXIT

failures=0
check() { # DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1" >&2; failures=$((failures + 1)); fi
}
hex() { od -An -tx1 | tr -d ' \n'; }
expected=$(printf '%s\r\n' "$folder" | hex)
clipboard_is() { [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null | hex) == "$1" ]]; }
keeper_gone() { ! pgrep -xf "$keeper" >/dev/null; }
within() { # SECONDS COMMAND...: polls the command until it succeeds
    for ((i = 0; i < $1 * 10; i++)); do "${@:2}" && return 0; sleep 0.1; done
    return 1
}
centre() { # WINDOW: twice its centre's x and y
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")" && echo $((2 * X + WIDTH)) $((2 * Y + HEIGHT))
}
near() { local dx=$(($1 - $3)) dy=$(($2 - $4)); ((${dx#-} <= $5 && ${dy#-} <= $5)); } # X1 Y1 X2 Y2 MOST

# Starts the tool in the folder and finds its window.
start() {
    (cd "$folder" && exec "$tool") >/dev/null 2>"$work/tool.log" &
    tool_pid=$!
    window=$(timeout 20 xdotool search --sync --name '^タヴロスク作成支援ツール$' | head -n1)
    xdotool windowactivate --sync "$window" 2>/dev/null
}
# Focus starts on "パス名を付加"; five tabs on is "To ClipBoard". Either
# copies the list, the second after appending the start folder's path.
copy() { xdotool key Tab Tab Tab Tab Tab space; }
copy_path() { xdotool key space Tab Tab Tab Tab Tab space; }
close() {
    xdotool key alt+F4
    check "the tool exits when its window is closed" within 10 eval "! kill -0 $tool_pid 2>/dev/null"
}
take_clipboard() { # TEXT: another program copies TEXT and serves it
    xclip -quiet -selection clipboard < <(printf '%s' "$1") >/dev/null 2>&1 &
    within 5 clipboard_is "$(printf '%s' "$1" | hex)"
}

echo "--- start-up, then no clipboard manager"
start
check "the window is on top" bash -c "xprop -id $window _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE"
check "the window is centred" near $(centre "$window") $(xdotool getdisplaygeometry) 48
check "docks tie the window to its menu entry" bash -c \
    "xprop -id $window WM_CLASS | grep -q '\"$(sed -n 's/^StartupWMClass=//p' "$3")\"'"
copy_path
check "the start folder's path is on the clipboard" within 5 clipboard_is "$expected"
close
check "the list still pastes after the tool has gone" clipboard_is "$expected"
check "a helper serves it" eval '! keeper_gone'
take_clipboard other
check "the helper ends when another program copies" within 5 keeper_gone

echo "--- the list was empty"
start
copy
close
check "no helper starts for an empty list" keeper_gone

echo "--- another program owns the clipboard at exit"
start
copy_path
# The copy is done, and the tool has stopped watching that it keeps the
# clipboard, before the other program copies.
within 5 clipboard_is "$expected" && sleep 0.5
take_clipboard mine
close
check "no helper starts" keeper_gone
check "the other program's text still pastes" clipboard_is "$(printf mine | hex)"

echo "--- a start path that cannot be opened"
(cd "$folder" && exec "$tool" "$work/missing") >/dev/null 2>&1 &
box_over_window() { # the message box and the window, centre on centre
    local c=($(for id in $(xdotool search --onlyvisible --name '^タヴロスク作成支援ツール$'); do centre "$id"; done))
    ((${#c[@]} == 4)) && near "${c[@]}" 96
}
check "the message box stands over the window" within 20 box_over_window
kill $!

echo "--- a clipboard manager"
"$2" manager >"$work/manager.log" 2>&1 &
check "the test manager runs" within 5 grep -q ready "$work/manager.log"
start
copy_path
close
check "the manager was handed the list" grep -q saved "$work/manager.log"
check "the list pastes from the manager" clipboard_is "$expected"
check "no helper was started" keeper_gone

echo "--- ./run.sh starts the tool where it is called, with its arguments"
# The script in a tree of its own whose build is the one under test; its set-up
# and build steps stand aside, as that build is made already.
tree=$work/tree
mkdir -p "$tree/scripts" "$tree/build/release"
cp "$4" "$tree/run.sh"
for stub in "$tree/scripts/install-packages.sh" "$work/bin/cmake"; do printf '#!/bin/sh\n' >"$stub" && chmod +x "$stub"; done
ln -s "$(realpath "$1")" "$tree/build/release/tavrosk"
(cd "$work" && PATH="$work/bin:$PATH" exec bash "$tree/run.sh" "$folder") >/dev/null 2>&1 &
run_pid=$!
check "./run.sh starts the tool" within 30 eval "[[ \$(readlink /proc/$run_pid/exe) == '$(realpath "$1")' ]]"
check "in the caller's folder, with the caller's arguments" eval "[[ \$(readlink /proc/$run_pid/cwd) == '$work' ]] &&
    tr '\\0' '\\n' </proc/$run_pid/cmdline | grep -qxF '$folder'"

echo "$failures failed"
[[ $failures -eq 0 ]]
