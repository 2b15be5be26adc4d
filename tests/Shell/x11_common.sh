# What the tests that run the program under a real X display (Xvfb), driven by xdotool,
# share. Sourced with the program and make-device-tree as arguments:
#
#     source x11_common.sh PROGRAM MAKE_DEVICE_TREE
#
# Starts the display (exits 77, skipped, only when no X server can be started here), makes
# a simulated device in $work/device (TK9400_ROOT), and gives start_program, fail,
# wait_for, alive and logged; what it started ends with the script. The display server
# takes the arguments in x11_server_args, when the script sets them before.
program=$1
make_tree=$2
# shellcheck source=../../scripts/lib/setup.sh
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../../scripts/lib/setup.sh"

work=$(mktemp -d)
app_pid=
x11_pids=()
cleanup() {
    [[ -n "$app_pid" ]] && tk9400_stop_process "$app_pid"
    local pid
    for pid in "${x11_pids[@]}" "${tk9400_display_pids[@]}"; do
        tk9400_stop_process "$pid"
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- program log (last lines)" >&2
    tail -n 40 "$work/program.log" >&2
    exit 1
}

alive() { kill -0 "$app_pid" 2>/dev/null; }
logged() { grep -q "$1" "$work/program.log"; }

# Waits up to $1 seconds of the clock (each check may itself take long on a busy
# machine) for the command after it to succeed; gives up at once when the program has
# ended meanwhile, so that its own message, not a timeout, tells why.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    while true; do
        "$@" && return 0
        if [[ -n "$app_pid" ]] && ! alive; then
            echo "the program ended while waiting for: $*" >&2
            return 1
        fi
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# start_program ARG...: the program on the display, its output in $work/program.log.
start_program() {
    "$program" "$@" >"$work/program.log" 2>&1 &
    app_pid=$!
}

if ! command -v Xvfb >/dev/null || ! tk9400_start_display "$work" "${x11_server_args[@]}"; then
    echo "SKIP: no X server can be started" >&2
    exit 77
fi
command -v xdotool >/dev/null || fail "xdotool is missing (it is in TK9400_PACKAGES)"

export TK9400_ROOT="$work/device"
"$make_tree" "$TK9400_ROOT" >/dev/null || fail "no device tree"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
