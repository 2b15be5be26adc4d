#!/usr/bin/env bash
# The mute key held through a wait for a clip, under a real X display: pinpointing in
# switch mode, the key pressed once to open the path, then pressed again and held while
# the point's clip cannot be written (its file is a full pipe, so the wait runs to its
# bound). X11 repeats a held key as pairs of a release and a press, and those queued
# during the wait come after it: the hold must end as it began, with the path muted, and
# the next press must open it again. An offscreen run cannot show this: there no window
# system repeats a held key.
#
#     x11_held_mute_key.sh PROGRAM MAKE_DEVICE_TREE
#
# Exits 77 (skipped) only when no X server can be started here.
set -uo pipefail
# Repeats every 10 ms: many pairs in the moments after the wait, where they go wrong.
x11_server_args=(-ardelay 300 -arinterval 10)
# shellcheck source=x11_common.sh
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/x11_common.sh" "$@"
simulators=$(dirname "$make_tree")

# Switch mode, as delivered; the favourite key opens pinpointing.
tk9400_seed_paired_settings "$TK9400_ROOT"
sed -i 's/^FavouriteButton=.*/FavouriteButton=1/' "$TK9400_ROOT/home/root/settings.ini"
export TK9400_ALSA_CAPTURE="$work/capture.raw" TK9400_ALSA_PLAYBACK="$work/playback.raw"
"$simulators/adc-sim" --capture "$TK9400_ALSA_CAPTURE" --seconds 20 >/dev/null || fail "no capture file"
"$simulators/bt-module-sim" --paired >"$work/bt-module-sim.log" 2>&1 &
x11_pids+=($!)
"$simulators/adc-sim" >"$work/adc-sim.log" 2>&1 &
x11_pids+=($!)
links() { [[ -c "$TK9400_ROOT/dev/ttyO2" && -c "$TK9400_ROOT/dev/ttyO3" ]]; }
wait_for 10 links || fail "the Bluetooth simulator did not start"
start_program

count() { grep -c "$1" "$work/program.log"; }
opened() { count "Audiopath: NOT MUTED"; }
at_least() { (($(count "$1") >= $2)); }

wait_for 60 logged "BT_RX SENSOR" || fail "the sensor unit's link did not come up"
xdotool key F2
wait_for 20 logged "Pinpointing: Start with audio muted" || fail "the favourite key did not open pinpointing"

clip="$TK9400_ROOT/home/root/meas/wav_temp/PP_Sound_1.wav"
mkdir -p "$(dirname "$clip")"
mkfifo "$clip" || fail "no pipe for the clip"
exec 3<>"$clip"
head -c 65536 /dev/zero >&3 # as much as the pipe takes

xdotool key F6
wait_for 20 eval '(($(opened) == 1))' || fail "the mute key did not open the path"
# Readings for the point, which is given back without a clip when it has none.
readings=$(count "getAudioLevel")
wait_for 20 at_least "getAudioLevel" $((readings + 4)) || fail "no readings while the path was open"

xdotool keydown F6
wait_for 20 logged "is not complete after" || fail "the mute did not wait for the clip"
pressed=$(count "Key MUTE pressed")
sleep 1 # the key repeats on past the wait and its hold
xdotool keyup F6
(($(count "Key MUTE pressed") > pressed + 5)) || fail "the held key did not repeat"
sleep 1
(($(opened) == 1)) || fail "the key held through the wait opened the path again"
(($(count "Key MUTE released") == 2)) || fail "the key held through the wait was released more than once"

# The write ends once the pipe is read; the next press opens the path.
dd if="$clip" of=/dev/null bs=65536 count=2 iflag=nonblock 2>/dev/null
exec 3>&-
xdotool key F6
wait_for 20 eval '(($(opened) == 2))' || fail "the next press did not open the path"
echo "PASS"
