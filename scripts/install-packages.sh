#!/usr/bin/env bash
# Installs the Debian packages of the given groups that are not installed yet.
# Works as root, or as a user who may use sudo.
#   scripts/install-packages.sh build run test
set -euo pipefail

declare -A groups=(
    # Compiler, build system, Qt 6 Widgets (X11/xcb), the X11 connection
    # used to keep the window on top, TagLib for the titles in the tags.
    [build]="g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev libfontconfig-dev libfreetype-dev libreoffice-dev libtag1-dev"
    # A Japanese gothic face for the text fields and labels, a face with the
    # pictures that stand for control characters in names (␊), Qt's own
    # texts in Japanese; LibreOffice Calc for the spreadsheet export (the
    # full package: it reads the X11 clipboard).
    [run]="fonts-ipafont-gothic fonts-symbola qt6-translations-l10n libreoffice-calc"
    # Unit tests, a display with a window manager, clipboard
    # and input tools for the window tests, the Japanese locale they also run
    # under, the folder default's query for the package test, and the
    # Windows cross build run under Wine, with GoogleTest built from its
    # sources and TagLib from Debian's source package (dpkg-source, the
    # archive's keyring); the tag tests' music files, made by mutagen, flac
    # and oggenc; a certificate made for the signing test.
    [test]="libgtest-dev libgmock-dev googletest xvfb xauth openbox xclip xdotool x11-utils procps locales xdg-utils mingw-w64 wine64 dpkg-dev debian-archive-keyring python3-mutagen flac vorbis-tools openssl unzip"
    # Making and checking the Debian package (./package.sh and its test):
    # shlibdeps and dpkg-deb, lintian, and the desktop entry's and AppStream
    # record's validators; the Windows program's cross build, its installer
    # (NSIS), its portable ZIP and their signing; TagLib's Debian source
    # for it, checked against the archive's keyring.
    [package]="dpkg-dev lintian desktop-file-utils appstream mingw-w64 debian-archive-keyring nsis zip osslsigncode"
)

wanted=()
for group in "$@"; do
    [[ -n "${groups[$group]+x}" ]] || { echo "unknown package group: $group" >&2; exit 2; }
    wanted+=(${groups[$group]})
done

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

# The window tests also run under the Japanese locale.
ensure_japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8' && return
    "${as_root[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${as_root[@]}" locale-gen >/dev/null
}

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
[[ " $* " == *" test "* ]] && ensure_japanese_locale
exit 0
