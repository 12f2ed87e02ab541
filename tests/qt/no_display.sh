#!/usr/bin/env bash
# Started with no display, or one that does not answer, the tool prints one
# line that says so and exits with an error, rather than Qt's own advice, and
# names no script of the source tree; --help and --version answer without
# one, unless they come after "--", and an unknown option is said to be one.
set -u
env -u DISPLAY "$1" Album --help | grep -q '^使い方: tavrosk' || { echo "--help gave no usage"; exit 1; }
env -u DISPLAY "$1" -- --help 2>/dev/null | grep -q . && { echo "a path after -- was taken as an option"; exit 1; }
[[ $(env -u DISPLAY "$1" --version) == *" 1.00" ]] || { echo "--version gave no version"; exit 1; }
message=$(env -u DISPLAY "$1" Album --bogus 2>&1 >/dev/null)
[[ $? -eq 2 && $message == *不明なオプション*--bogus*使い方* ]] || { printf 'an unknown option:\n%s\n' "$message"; exit 1; }
for display in "-u DISPLAY" DISPLAY=:987; do
    # shellcheck disable=SC2086 # "-u DISPLAY" is two words
    message=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$1" 2>&1 >/dev/null) &&
        { echo "exit status 0 with $display"; exit 1; }
    if [[ $(wc -l <<<"$message") -ne 1 || $message != *画面が見つかりません*DISPLAY* || $message == *run.sh* ]]; then
        printf 'env %s:\n%s\n' "$display" "$message"
        exit 1
    fi
done
