#!/usr/bin/env bash
# Makes the Debian package from a build tree and checks it without installing
# it: unpacked into a temporary root, the program the desktop entry names
# starts on a folder and shows its window; lintian finds no error or warning.
#   package_test.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
# The program started below ends with the test.
trap 'kill $(jobs -p) 2>/dev/null || true; wait; rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

cpack --config "$1/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$work/out/tavrosk_1.00-1_amd64.deb
dpkg-deb -x "$deb" "$work/root"

exec_line=$(sed -n 's/^Exec=//p' "$work/root/usr/share/applications/org.tavrosk.Tavrosk.desktop")
program=$work/root/usr/bin/${exec_line%% *}
[[ $exec_line == *' %F' && -x $program ]] || fail "Exec=$exec_line names no installed program"

# Installing the tool takes no default: a file manager whose desktop id
# sorts after the tool's still opens folders.
apps=$work/share/applications
mkdir -p "$apps" "$work/home"
printf '[Desktop Entry]\nType=Application\nName=Files\nExec=zz-files %%U\nMimeType=inode/directory;\n' \
    >"$apps/zz-files.desktop"
folder_opener() { update-desktop-database "$apps" &&
    XDG_DATA_HOME=$work/home XDG_DATA_DIRS=$work/share XDG_CURRENT_DESKTOP= xdg-mime query default inode/directory; }
[[ $(folder_opener) == zz-files.desktop ]] || fail "the test's file manager does not open folders"
cp "$work/root/usr/share/applications/"*.desktop "$apps/"
[[ $(folder_opener) == zz-files.desktop ]] || fail "installing the tool took over opening folders"
[[ $(cd "$work/root/usr/share" && cat file-manager/actions/org.tavrosk.Tavrosk.desktop \
    kio/servicemenus/org.tavrosk.Tavrosk.desktop nemo/actions/org.tavrosk.Tavrosk.nemo_action |
    grep -c '^Exec=tavrosk %F') == 3 ]] || fail "no \"Open with\""

mkdir "$work/music"
"$program" "$work/music" &
app=$!
timeout 30 xdotool search --sync --onlyvisible --name '^タヴロスク作成支援ツール$' >/dev/null ||
    fail "the unpacked program showed no window"
kill -0 "$app" || fail "the unpacked program ended"

lintian --fail-on error,warning "$deb" 2>/dev/null
