# Sourced by the test scripts that need a display of their own.
#   start_xvfb SCREEN      e.g. start_xvfb 1280x1024x24
# Starts Xvfb on a display nobody uses and exports DISPLAY once the server
# accepts clients; sets xvfb_pid, which the caller stops when done.
start_xvfb() {
    local number log
    number=$(mktemp)
    log=$(mktemp)
    # Xvfb picks a free display itself and writes its number when it is ready,
    # so neither a display in use nor a slow start can mislead the caller.
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1" 3>"$number" 2>"$log" &
    xvfb_pid=$!
    for _ in $(seq 300); do
        [[ -s $number ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ ! -s $number ]]; then
        echo "Xvfb did not start:" >&2
        cat "$log" >&2
        rm -f "$number" "$log"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$number")"
    rm -f "$number" "$log"
}
