#!/usr/bin/env bash
# End to end: lumetra.exe on a virtual display with simulated monitors and a
# state file. Moves the contrast slider with the mouse, presses OK, starts
# again and finds the stored value; picks a geometry item and moves its
# slider with the mouse; then checks that a second start while the first
# runs brings the first to the front and exits. Last, drags a hue handle of
# the six-axis colour wheel and finds the hue written.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../tools/lumetra-session"

work="$(mktemp -d /tmp/lumetra-e2e.XXXXXX)"
state="$work/state.txt"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() { session_stop; rm -rf "$work"; }
trap cleanup EXIT

# The value of the first reply to Get VCP 0x12 (contrast) in a frame log:
# "... R 0 6F 6E 88 02 00 12 <type> <max hi> <max lo> <cur hi> <cur lo> <sum>".
contrast_read_in() {
    local fields
    read -r -a fields <<< "$(grep -m1 ' R 0 6F 6E 88 02 00 12 ' "$1")"
    [ "${#fields[@]}" -ge 14 ] && echo $((16#${fields[12]} * 256 + 16#${fields[13]}))
}

# Waits up to 20 s until a line of the frame log `file` matches `pattern`:
# the program writes when it has handled the mouse, not at a fixed time.
wait_for_frame() {
    local file="$1" pattern="$2"
    for _ in $(seq 200); do
        grep -q "$pattern" "$file" && return 0
        sleep 0.1
    done
    return 1
}

# A point of the window in screen coordinates, from window-relative ones.
click_at() {
    local window="$1" x="$2" y="$3"
    xdotool mousemove --window "$window" "$x" "$y" click 1
    sleep 0.3
}

"$here/../../tools/wine-prefix"
session_display 1

# --- 1. adjust, OK, start again ---
session_start "qrv-crt,tsw-lcd,other-vendor" "$state" "$work/first.log"
window="$(session_window)" || fail "no main window"
session_wait_open || fail "first monitor did not open"
before="$(contrast_read_in "$work/first.log")"
[ "$before" = "80" ] || fail "contrast read at start: '$before', expected 80"

# Drag the thumb of the contrast slider down past its end: the tube's
# floor, a quarter of the range, stops it. Places in window coordinates
# (Wine draws the frame inside the window): the slider's column at x 174,
# its thumb at y 121 for contrast 80 of 100, the OK button at (248, 371).
slider_x=174
thumb_y=121
ok_x=248
ok_y=371
xdotool mousemove --window "$window" "$slider_x" "$thumb_y" mousedown 1
sleep 0.3
xdotool mousemove --window "$window" "$slider_x" $((thumb_y + 40))
sleep 0.3
xdotool mousemove --window "$window" "$slider_x" 260
sleep 0.3
xdotool mouseup 1
wait_for_frame "$work/first.log" ' W 0 6E 51 84 03 12 ' || fail "no Set VCP of contrast after the drag"
click_at "$window" "$ok_x" "$ok_y"
for _ in $(seq 100); do kill -0 "$session_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$session_pid" 2>/dev/null && fail "OK did not close the window"
grep -q '^0 qrv-crt 0012 25$' "$state" || fail "stored contrast not 25: $(grep ' 0012 ' "$state")"

session_start "qrv-crt,tsw-lcd,other-vendor" "$state" "$work/second.log"
window="$(session_window)" || fail "no main window on the second start"
session_wait_open || fail "monitor did not open on the second start"
after="$(contrast_read_in "$work/second.log")"
[ "$after" = "25" ] || fail "contrast after restart: '$after', expected 25"

# --- 2. the geometry page with the mouse ---
# The geometry tab (third, after the colour tab), the rotation button
# (seventh cell: first column, third row) and the right arrow of the
# horizontal slider; the rotation (VCP 0x44) is written on the bus.
click_at "$window" 140 35
click_at "$window" 31 150
click_at "$window" 347 255
wait_for_frame "$work/second.log" ' W 0 6E 51 84 03 44 ' || fail "no Set VCP of the rotation after the clicks"

# --- 3. a second copy brings the first forward and exits ---
first_pid=$session_pid
( cd "$(dirname "$LUMETRA_EXE")" && VESKOL_SIMULATE="qrv-crt" timeout 60 "$WINE" "$LUMETRA_EXE" ) >/dev/null 2>&1
status=$?
[ "$status" -eq 0 ] || fail "second copy exit status $status"
count="$(xdotool search --name '^Lumetra  $' 2>/dev/null | wc -l)"
[ "$count" -eq 1 ] || fail "$count main windows after a second start"
kill -0 "$first_pid" 2>/dev/null || fail "the first copy ended"

# --- 4. drag a hue on the colour wheel ---
kill "$session_pid" 2>/dev/null
"$WINESERVER" -k 2>/dev/null
wait "$session_pid" 2>/dev/null
session_start "tsw-rich-caps" "$work/wheel-state.txt" "$work/wheel.log"
window="$(session_window)" || fail "no main window for the wheel"
session_wait_open || fail "the wide panel did not open"
# Window places: the colour tab (85, 35), the six-axis inner tab (150, 64);
# the wheel's centre at (98, 160), the red handle (hue and saturation at
# half) up and to the left of it at (73, 117).
click_at "$window" 85 35
click_at "$window" 150 64
xdotool mousemove --window "$window" 73 117 mousedown 1
sleep 0.3
xdotool mousemove --window "$window" 66 125
sleep 0.3
xdotool mousemove --window "$window" 60 135
sleep 0.3
xdotool mouseup 1
wait_for_frame "$work/wheel.log" ' W 0 6E 51 84 03 9B ' || fail "no Set VCP of the red hue after the drag"

if [ "$failures" -eq 0 ]; then
    echo "end-to-end: all checks passed"
fi
exit "$failures"
