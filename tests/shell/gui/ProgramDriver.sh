# Shared by the scripts that drive the real program under Xvfb; sourced, not run.
# start_program PROGRAM STDERR-FILE: starts it in the background and sets $pid.
# There is no window manager on the test screen: the keyboard focus follows the pointer.

start_program() {
    stderr_file=$2
    "$1" 2>"$stderr_file" &
    pid=$!
}

fail() {
    echo "FAIL: $*"
    kill "$pid" 2>/dev/null
    cat "$stderr_file"
    exit 1
}

# find_window TITLE-REGEX: prints the id of the first shown window whose title matches, waiting
# up to ten seconds; prints nothing if none appears.
find_window() {
    local window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.05
    done
    echo "$window"
}

# window_gone TITLE-REGEX: succeeds once no window of that title is mapped, waiting up to ten
# seconds.
window_gone() {
    for _ in $(seq 200); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.05
    done
    return 1
}

# key_into WINDOW X Y KEY...: puts the pointer at X,Y of the window, so that it has the focus,
# and types the keys.
key_into() {
    local window=$1 x=$2 y=$3
    shift 3
    xdotool mousemove --window "$window" "$x" "$y"
    sleep 0.1
    xdotool key "$@"
}

# expect_exit STATUS: waits up to ten seconds for the program to end with that status and fails
# if it is still running, ends otherwise or wrote a GTK warning.
expect_exit() {
    for _ in $(seq 200); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end"
    wait "$pid"
    local status=$?
    [ "$status" = "$1" ] || fail "exit status $status"
    if grep -E 'Gtk-(WARNING|CRITICAL)|GLib-GObject-(WARNING|CRITICAL)' "$stderr_file"; then
        fail "GTK warned"
    fi
}
