#!/usr/bin/env bash
# Signs a Windows program in place with Authenticode: the PKCS#12
# certificate TAVROSK_SIGN_PFX, unlocked by TAVROSK_SIGN_PASSWORD (read from
# a pipe, never a command line). No time stamp: that needs a network.
#   packaging/windows/sign.sh FILE
set -euo pipefail
osslsigncode sign -pkcs12 "$TAVROSK_SIGN_PFX" -readpass <(printf '%s' "$TAVROSK_SIGN_PASSWORD") \
    -h sha256 -n "タヴロスク作成支援ツール" -in "$1" -out "$1.signed" >/dev/null
mv "$1.signed" "$1"
