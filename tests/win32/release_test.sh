#!/usr/bin/env bash
# The Windows release files under Wine, in a fresh prefix as a user meets
# it: what the silent install adds (and nothing else), the shortcut and the
# folder verb (release_test.exe), an install over the running program
# failing, the same version and a newer, signed build installed over it, the
# silent uninstall leaving the prefix as it was, and the portable program
# writing nothing. Run by ctest inside tests/win32/run-under-wine.sh, on its
# display.
#   tests/win32/release_test.sh VERSION SETUP ZIP EXE RELEASE_TEST_EXE ABSOLUTE_WORK_DIR
set -euo pipefail
version=$1 setup=$2 zip=$3 exe=$4 test_exe=$5 work=$6
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/win32/wine-prefix.sh"

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix
trap 'wineserver -k 2>/dev/null || true' EXIT
prepare_wine_prefix
wineserver -w
drive_c=$WINEPREFIX/drive_c
user=$(ls "$drive_c/users" | grep -vx Public)
profile=users/$user
failures=0
fail() {
    echo "FAILED: $1"
    failures=$((failures + 1))
}
# Fails with what the two differ in: "+" lines only in the second, "-" only in the first.
expect_same() {
    [[ "$2" == "$3" ]] || fail "$1:"$'\n'"$(diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | sed -n 's/^> /+ /p; s/^< /- /p')"
}

# A registry tree as sorted lines, "[KEY]" and "[KEY]<TAB>VALUE=DATA";
# reg export writes UTF-16, which reg query would print as "????". Left out:
# Wine's own record of the display's settings, made when a program starts.
registry() {
    "$wine" reg export "$1" "$work/export.reg" /y >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' | awk '
        /\\$/ { sub(/\\$/, ""); held = held $0; next }
        { $0 = held $0; held = "" }
        /^\[/ { key = $0; print key; next }
        /./ && key != "" { print key "\t" $0 }' |
        grep -v '^\[HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters' | LC_ALL=C sort
}
files() { (cd "$drive_c" && find . | LC_ALL=C sort); }

# What an install of VERSION adds to HKCU, for an install of SIZE KiB: the
# uninstall entry and the verb on folders and on a folder's background.
installed_keys() {
    local dir="C:\\\\users\\\\$user\\\\AppData\\\\Local\\\\Programs\\\\Tavrosk" h='HKEY_CURRENT_USER\Software' key
    local exe="$dir\\\\tavrosk.exe" uninstall="[$h\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tavrosk]"
    { printf '%s\n' "[$h\\Classes]" "[$h\\Microsoft\\Windows\\CurrentVersion\\Uninstall]" "$uninstall"
    for value in "\"DisplayName\"=\"タヴロスク作成支援ツール\"" "\"DisplayVersion\"=\"$1\"" \
        "\"Publisher\"=\"タヴロスク制作室\"" "\"DisplayIcon\"=\"$exe,0\"" "\"InstallLocation\"=\"$dir\"" \
        "\"UninstallString\"=\"\\\"$dir\\\\uninstall.exe\\\"\"" "\"QuietUninstallString\"=\"\\\"$dir\\\\uninstall.exe\\\" /S\"" \
        "\"EstimatedSize\"=dword:$(printf %08x "$2")" "\"NoModify\"=dword:00000001" "\"NoRepair\"=dword:00000001" \
        "\"ParentFolderMade\"=dword:00000001"; do
        printf '%s\t%s\n' "$uninstall" "$value"
    done
    for verb in "Directory %1" "Directory\\Background %V"; do
        key="[$h\\Classes\\${verb% *}\\shell\\Tavrosk]"
        printf '%s\n' "[$h\\Classes\\${verb% *}]" "[$h\\Classes\\${verb% *}\\shell]" "$key" \
            "$key	@=\"タヴロスクで開く\"" "$key	\"Icon\"=\"$exe,0\"" "${key%]}\\command]" \
            "${key%]}\\command]	@=\"\\\"$exe\\\" -- \\\"${verb#* }\\\"\""
    done; } | LC_ALL=C sort -u
}
# The files an install adds: the program, its uninstaller, one shortcut
# (none on the desktop: that one is unticked).
installed_files() {
    printf '%s\n' "./$profile/AppData/Local/Programs"{,/Tavrosk{,/tavrosk.exe,/uninstall.exe}} \
        "./$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/タヴロスク作成支援ツール.lnk"
}
# Installs silently, and checks what the install added to the state before.
install() {
    touch "$work/marker"
    "$wine" "$1" /S || fail "silent install of $1: exit code $?"
    local kib=$(( $(cat "$drive_c/$profile/AppData/Local/Programs/Tavrosk/"{tavrosk,uninstall}.exe | wc -c) / 1024 ))
    expect_same "HKCU after installing $1" \
        "$(printf '%s\n' "$before_keys" | LC_ALL=C sort -u - <(installed_keys "$2" "$kib"))" "$(registry HKCU)"
    expect_same "HKLM\\Software after installing $1" "$before_software" "$(registry 'HKLM\Software')"
    expect_same "files after installing $1" "$before_files" \
        "$(LC_ALL=C comm -23 <(files) <(installed_files | LC_ALL=C sort))"
    expect_same "files written outside the profile by $1" "" \
        "$(cd "$drive_c" && find . -newer "$work/marker" -not -path "./$profile" -not -path "./$profile/*")"
}

before_keys=$(registry HKCU)
before_software=$(registry 'HKLM\Software')
before_files=$(files)
install "$setup" "$version"
TAVROSK_SETUP="Z:$setup" "$wine" "$test_exe" --gtest_filter='Installed.*' || fail "the installed program"
install "$setup" "$version"

# A newer build, signed with a certificate of the test's own, over it.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 1 \
    -subj "/CN=Tavrosk test" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.pfx" -passout pass:test
TAVROSK_SIGN_PFX=$work/cert.pfx TAVROSK_SIGN_PASSWORD=test \
    "$source_dir/packaging/windows/make-release.sh" 9.99 "$exe" "$work" >/dev/null
install "$work/tavrosk-9.99-windows-x64-setup.exe" 9.99
unzip -q -d "$work/signed" "$work/tavrosk-9.99-windows-x64.zip" tavrosk.exe
for signed in "$work/tavrosk-9.99-windows-x64-setup.exe" "$work/signed/tavrosk.exe" \
    "$drive_c/$profile/AppData/Local/Programs/Tavrosk/uninstall.exe"; do
    osslsigncode verify -CAfile "$work/cert.pem" -in "$signed" >/dev/null || fail "not signed: $signed"
done

# The uninstaller returns at once and works from a copy of itself in
# %TEMP%, which stays there as NSIS leaves it; the server ends with it.
"$wine" "$drive_c/$profile/AppData/Local/Programs/Tavrosk/uninstall.exe" /S || fail "silent uninstall: exit code $?"
wineserver -w
expect_same "HKCU after the uninstall" "$before_keys" "$(registry HKCU)"
expect_same "files after the uninstall" "$before_files" "$(files | grep -v "^./$profile/Temp/~nsu[^/]*\.tmp")"

# The portable program, in a folder with Japanese and blanks in its name,
# writes nothing to the registry or the disk.
unzip -q -d "$drive_c/$profile/持ち運び 版" "$zip"
before_keys=$(registry HKCU)
touch "$work/marker"
"$wine" "$test_exe" --gtest_filter='Portable.*' || fail "the portable program"
wineserver -w
expect_same "HKCU after the portable program ran" "$before_keys" "$(registry HKCU)"
expect_same "files the portable program wrote" "" "$(cd "$drive_c" && find . -newer "$work/marker")"
expect_same "the ZIP's names" "$(printf '%s\n' LICENSE.txt README.txt tavrosk.exe)" \
    "$(unzip -Z1 "$zip" | LC_ALL=C sort)"

[[ $failures == 0 ]] || { echo "$failures failed"; exit 1; }
echo "all passed"
