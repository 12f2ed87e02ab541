#!/usr/bin/env bash
# Makes the Windows release files from a cross-built tavrosk.exe, in OUT_DIR:
# the per-user installer tavrosk-VERSION-windows-x64-setup.exe and the
# portable tavrosk-VERSION-windows-x64.zip. With TAVROSK_SIGN_PFX (PKCS#12)
# and TAVROSK_SIGN_PASSWORD set, the exe, the uninstaller and the installer
# are signed.
#   packaging/windows/make-release.sh VERSION EXE OUT_DIR
set -euo pipefail
version=$1 exe=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
name=tavrosk-$version-windows-x64

# The exe is signed as a copy, before it goes into the installer and the ZIP.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/tavrosk.exe"
signing=()
if [[ -n ${TAVROSK_SIGN_PFX:-} && -n ${TAVROSK_SIGN_PASSWORD+set} ]]; then
    "$here/sign.sh" "$stage/tavrosk.exe"
    signing=(-DSIGN="$here/sign.sh")
else
    echo "The Windows files are unsigned: TAVROSK_SIGN_PFX and TAVROSK_SIGN_PASSWORD are not set."
fi

# Notepad reads UTF-8 surely with its byte order mark; CR LF ends the lines.
windows_text() {
    printf '\xEF\xBB\xBF'
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1"
}
windows_text "$here/README.txt" >"$stage/README.txt"
windows_text "$root/packaging/copyright" >"$stage/LICENSE.txt"
rm -f "$out/$name.zip"
(cd "$stage" && zip -q -X "$out/$name.zip" tavrosk.exe README.txt LICENSE.txt)

# "1.00" is 1.0.0.0 in a Windows version record.
IFS=. read -r major minor <<<"$version"
makensis -V2 -WX -DVERSION="$version" -DVERSION_QUAD="$major.$((10#$minor)).0.0" -DEXE="$stage/tavrosk.exe" \
    -DICON="$root/app/win32/tavrosk.ico" -DOUTFILE="$out/$name-setup.exe" "${signing[@]}" "$here/tavrosk.nsi"
