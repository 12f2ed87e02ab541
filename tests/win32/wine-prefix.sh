# Sourced by the scripts that run Windows programs under Wine: finds Wine
# and sets up its environment; prepare_wine_prefix readies $WINEPREFIX.

# Debian's wine64 package on its own (without the package "wine") installs
# wine64 and wineserver only in /usr/lib/wine.
export PATH="$PATH:/usr/lib/wine"
wine=$(command -v wine || command -v wine64) || { echo "Wine is not installed" >&2; exit 1; }
export WINEDEBUG=-all
# No Mono or Gecko installers when the prefix is made, no menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The prefix learns once that windows are not managed by the (absent)
# window manager, so DestroyWindow does not wait 2 s, and that Wine's UI
# font (Tahoma, not installed here) and "ＭＳ Ｐゴシック" both stand for IPA P
# Gothic, so Japanese shows, not boxes. Then the session (wineboot) starts
# here rather than in a test, whose output Wine's background processes would
# hold on to.
prepare_wine_prefix() {
    mkdir -p "$WINEPREFIX"
    if [[ ! -e $WINEPREFIX/.tavrosk-settings ]]; then
        printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
            '"Managed"="N"' '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"Tahoma"="IPAPGothic"' \
            '"ＭＳ Ｐゴシック"="IPAPGothic"' | iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/tavrosk.reg"
        "$wine" regedit /S "$WINEPREFIX/tavrosk.reg" >/dev/null 2>&1
        touch "$WINEPREFIX/.tavrosk-settings"
    fi
    "$wine" wineboot >/dev/null 2>&1
}
