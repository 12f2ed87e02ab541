#!/usr/bin/env bash
# Fetches Debian's TagLib source package and unpacks it, for the Windows
# build (Debian has no mingw TagLib). Apt runs on a private deb-src list with
# its own state and cache under DIR, so the system's apt is left as it is.
# Does nothing once DIR/source is there.
#   scripts/fetch-taglib-source.sh DIR
set -euo pipefail

dir=$(mkdir -p "$1" && cd "$1" && pwd)
[[ -e $dir/source/CMakeLists.txt ]] && exit 0

# The archive the machine's own apt reads (Debian 12), as a source list.
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
mkdir -p "$dir/apt/lists/partial" "$dir/apt/archives/partial" "$dir/download"
cat >"$dir/apt/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main
deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security bookworm-security main
LIST
apt_options=(
    -o Dir::Etc::sourcelist="$dir/apt/sources.list"
    -o Dir::Etc::sourceparts=-
    -o Dir::State="$dir/apt"
    -o Dir::State::lists="$dir/apt/lists"
    -o Dir::State::status=/var/lib/dpkg/status
    -o Dir::Cache="$dir/apt"
    -o Dir::Cache::archives="$dir/apt/archives"
    -o APT::Get::List-Cleanup=false
)
# Root fetches as itself: apt's own user may not write into DIR.
[[ $(id -u) -ne 0 ]] || apt_options+=(-o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" -q update >/dev/null
cd "$dir/download"
apt-get "${apt_options[@]}" -q source --download-only taglib >/dev/null
rm -rf "$dir/unpacked"
# apt has checked the files against the archive's signed index.
dpkg-source --no-check -x ./taglib_*.dsc "$dir/unpacked" >/dev/null
# The build may have made an empty source folder already.
rm -rf "$dir/source"
mv "$dir/unpacked" "$dir/source"
