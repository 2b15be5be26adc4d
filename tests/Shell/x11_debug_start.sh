#!/usr/bin/env bash
# The start with "debug" under a real X display: the debug menu opens over the main menu,
# Down twice and Exit (pointer clicks, as a touch) end only the menu, the main window is
# the active window again (with no window manager nothing else would make it so, and
# without it no focus ring shows), afterwards a key press of on/off still reaches the
# program, and holding on/off switches it off (exit status 90 on a simulated device, with
# no sanitizer report in its log). An offscreen run cannot show this: there no window
# system decides which window may receive input.
#
#     x11_debug_start.sh PROGRAM MAKE_DEVICE_TREE
#
# Exits 77 (skipped) only when no X server can be started here.
set -uo pipefail
# shellcheck source=x11_common.sh
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/x11_common.sh" "$@"

start_program debug

menu_window() { xdotool search --onlyvisible --name '^Dialog$' 2>/dev/null | head -n 1; }
main_window() { xdotool search --onlyvisible --name '^TK9400$' 2>/dev/null | head -n 1; }
# The X input focus, where the program's key events come from.
main_active() { [[ -n "$(main_window)" && "$(xdotool getwindowfocus -f 2>/dev/null)" == "$(main_window)" ]]; }
menu_shown() { [[ -n "$(menu_window)" ]]; }
menu_gone() { [[ -z "$(menu_window)" ]]; }

wait_for 60 menu_shown || fail "the debug menu did not open"
window=$(menu_window)
# Geometry of the menu's form: Down at the foot of the right-hand column, Exit the fourth
# row of the page.
for _ in 1 2; do
    xdotool mousemove --window "$window" 453 244 click 1
    sleep 0.3
done
xdotool mousemove --window "$window" 212 189 click 1
wait_for 20 menu_gone || fail "Exit on page 3 did not close the debug menu"
alive || fail "Exit at a start with \"debug\" ended the program"
wait_for 10 main_active || fail "the main window is not active after the debug menu closed (focus on $(xdotool getwindowfocus -f 2>&1))"

# The on/off key, pressed briefly: its release is logged by the key filter.
xdotool key F1
wait_for 20 logged "Eventhandler IO-Key released" || fail "no key reaches the program after Exit"
alive || fail "the program ended after the key"

# Switched off as on the instrument: the on/off key held until it repeats past the
# power-down count, then released. A simulated device ends with 90 at "poweroff", through
# the program's own exit, so the sanitizers' leak check runs on the way out.
xdotool keydown F1
wait_for 20 logged "Power down" || fail "holding the on/off key did not arm the power-down"
xdotool keyup F1
wait_for 30 eval '! alive' || fail "the program did not switch off"
wait "$app_pid"
status=$?
app_pid=
[[ $status -eq 90 ]] || fail "switching off ended the program with status $status, not 90"
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$work/program.log"; then
    fail "a sanitizer reported an error"
fi
echo "PASS"
