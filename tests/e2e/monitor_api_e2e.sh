#!/usr/bin/env bash
# lumetra.exe and VESKOL.dll unchanged, on the real-monitor backend, over the
# scripted dxva2.dll (fake_dxva2/): the command line and the window as a user
# drives them, and monitors as users' PCs have them (asleep, slow to wake,
# failing once, cloned, unplugged). Every check reads the fake's call log:
# what reached the "monitor", with which handle, and what it answered.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/fake_dxva2/fake_session.sh"

work="$(mktemp -d /tmp/lumetra-monitor-api.XXXXXX)"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
trap 'fake_end; rm -rf "$work"' EXIT
fake_begin || { echo "FAIL: no Wine session with the fake library"; exit 1; }

# script <name> <description> <profile> [line...]: one monitor on display 0
# answering as the simulator's profile, with the documented latencies and
# the extra script lines; its EDID in display 0's monitor device.
script() {
    local name="$1" description="$2" profile="$3"
    shift 3
    { fake_latencies; echo "display 0"; echo "monitor $description"; fake_monitor "$profile"
      printf '%s\n' "$@"; } > "$work/$name.script"
    fake_edid 0 "$(cat "$work/$profile.edid")"
    fake_edid 1 -
}

# calls <name> <pattern>: how many calls of the run's log match.
calls() { grep -c -- "$2" "$work/$1.calls"; }

# Places of the window (Wine draws the frame inside it): the contrast
# slider's thumb at contrast 80 of 100, OK and Cancel.
drag_contrast_down() { session_drag "$1" 174 121 161 260; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# opened <name>: waits until the window has opened its monitor (the timing
# report is read last) and its page has shown the values.
opened() { fake_wait "$work/$1.calls" 'GetTimingReport m1' && sleep 1.5; }
# The window's program ends; the display and the session stay.
program_stop() {
    kill "$session_pid" 2>/dev/null
    wait "$session_pid" 2>/dev/null
    session_pid=""
}
# ended: waits up to 10 s until the window's program has ended.
ended() {
    for _ in $(seq 100); do kill -0 "$session_pid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

# --- the command line: list, read, set and store, a code the monitor lacks ---
# Wine's monitor device reads "Generic Non-PnP Monitor" and its display
# settings name "Display1" (no name from an EDID): neither is the monitor's
# name, so the label is the model name's.
script tube "QRV G17" qrv-crt
fake_run list "$work/tube.script" /list
[ "$status" = 0 ] || fail "/list exit code $status: $(cat "$work/list.err")"
[ "$(wc -l < "$work/list.txt")" = 1 ] || fail "/list lines: $(cat "$work/list.txt")"
grep -q $'^1\t1. QRVモニター (QRV G17)\t56462017\tQRV2017\t' "$work/list.txt" ||
    fail "/list line: $(cat "$work/list.txt")"
[ "$(calls list 'SetVCPFeature\|SaveCurrentSettings')" = 0 ] || fail "/list wrote to the monitor"
fake_run get "$work/tube.script" /get 10
[ "$(cat "$work/get.txt")" = $'10\t50\t100' ] || fail "/get 10 printed '$(cat "$work/get.txt")'"
[ "$(calls get 'GetVCPFeatureAndVCPFeatureReply m1.1 10 -> 1 50 100')" -ge 1 ] ||
    fail "/get 10 did not read the brightness"
fake_run set "$work/tube.script" /set 12=25 /store
[ "$status" = 0 ] || fail "/set exit code $status: $(cat "$work/set.err")"
awk '/SetVCPFeature m1.1 12 25 -> 1/ { set = 1 } set && /SaveCurrentSettings m1.1  -> 1/ { ok = 1 }
     END { exit !ok }' "$work/set.calls" ||
    fail "/set 12=25 /store: no set then save: $(grep -v GetVCP "$work/set.calls")"
fake_run lacking "$work/tube.script" /get 60
[ "$status" = 3 ] || fail "/get of a code the monitor lacks: exit code $status"
[ "$(calls lacking 'GetVCPFeatureAndVCPFeatureReply m1.1 60 -> C0262584')" -ge 1 ] ||
    fail "/get 60 did not ask the monitor"

# --- a model that stores through vendor queries: the standard save instead,
# and a save the monitor does not take is reported ---
script vendorsave "QRV" qrv-vendor-save
fake_run vendorsave "$work/vendorsave.script" /set 12=25 /store
[ "$status" = 0 ] && [ "$(calls vendorsave 'SaveCurrentSettings m1.1  -> 1')" = 1 ] ||
    fail "the vendor-save model did not store: $status, $(grep -v GetVCP "$work/vendorsave.calls" | tail -2)"
echo "fail SaveCurrentSettings C0262582" >> "$work/vendorsave.script"
fake_run notstored "$work/vendorsave.script" /set 12=25 /store
[ "$status" = 3 ] && grep -q '^storing the settings failed' "$work/notstored.err" ||
    fail "a failed store was not reported: $status, $(cat "$work/notstored.err")"

# --- the window: open, a slider, OK stores; Cancel puts the value back ---
fake_start window "$work/tube.script"
window="$(session_window)" || fail "no main window"
opened window || fail "the window did not open the monitor"
read_codes="$(grep -o 'GetVCPFeatureAndVCPFeatureReply m1.1 [0-9A-F]* -> 1' "$work/window.calls" | sort -u | wc -l)"
[ "$read_codes" -ge "$(grep -c '^vcp ' "$work/tube.script")" ] ||
    fail "the open read $read_codes of the tube's controls"
drag_contrast_down "$window"
fake_wait "$work/window.calls" 'SetVCPFeature m1.1 12 25 -> 1' || fail "the slider did not reach the monitor"
click "$window" 248 371
ended || fail "OK did not close the window"
[ "$(grep -v GetVCP "$work/window.calls" | tail -1 | cut -d' ' -f3-)" = "SaveCurrentSettings m1.1  -> 1" ] ||
    fail "OK did not end with the monitor's save: $(tail -2 "$work/window.calls")"

fake_start cancel "$work/tube.script"
window="$(session_window)" || fail "no main window for Cancel"
opened cancel || fail "the second window did not open"
drag_contrast_down "$window"
fake_wait "$work/cancel.calls" 'SetVCPFeature m1.1 12 25' || fail "no slider step before Cancel"
click "$window" 328 371
ended || fail "Cancel did not close the window"
[ "$(grep 'SetVCPFeature m1.1 12 ' "$work/cancel.calls" | tail -1 | cut -d' ' -f3-)" = \
    "SetVCPFeature m1.1 12 80 -> 1" ] || fail "Cancel did not put contrast 80 back"
# Cancel stores the values it put back, so the monitor keeps the originals.
[ "$(grep -v GetVCP "$work/cancel.calls" | tail -1 | cut -d' ' -f3-)" = "SaveCurrentSettings m1.1  -> 1" ] ||
    fail "Cancel did not store the originals: $(tail -2 "$work/cancel.calls")"

# settled <name>: waits until the program has made no call for 4 s.
settled() {
    local before=-1 now
    for _ in $(seq 30); do
        now="$(wc -l < "$work/$1.calls")"
        [ "$now" = "$before" ] && return 0
        before="$now"
        sleep 4
    done
}

# --- OK when the monitor does not take the store: a message, the window stays ---
script refused "QRV G17" qrv-crt "fail SaveCurrentSettings C0262582"
fake_start refused "$work/refused.script"
window="$(session_window)" || fail "no main window for the refused store"
opened refused || fail "the window did not open before the refused store"
drag_contrast_down "$window"
fake_wait "$work/refused.calls" 'SetVCPFeature m1.1 12 25' || fail "no slider step before the refused store"
click "$window" 248 371
box=""
for _ in $(seq 100); do
    box="$(xdotool search --name '^Lumetra$' 2>/dev/null | head -1)" && [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message when the monitor did not store"
xdotool windowactivate "$box" key Return 2>/dev/null
sleep 1
kill -0 "$session_pid" 2>/dev/null || fail "the window closed although nothing was stored"
program_stop

# --- unplugged at the first slider step: the display-change reload gives up ---
script unplugged "QRV G17" qrv-crt "unplug 0 SetVCPFeature"
fake_start unplugged "$work/unplugged.script"
window="$(session_window)" || fail "no main window for the unplug"
opened unplugged || fail "the window did not open before the unplug"
drag_contrast_down "$window"
fake_wait "$work/unplugged.calls" ' -> C026258D' || fail "the unplug never happened"
settled unplugged
tried="$(awk '/ -> C026258D/ && $3 == "GetVCPFeatureAndVCPFeatureReply" { print $5 }' \
    "$work/unplugged.calls" | sort -u | wc -l)"
[ "$tried" -le 3 ] || fail "the reload tried $tried controls of the unplugged monitor"
program_stop

# --- asleep: the handle is dead at the first slider step, which wakes it ---
script asleep "QRV G17" qrv-crt "stale 0 SetVCPFeature"
fake_start asleep "$work/asleep.script"
window="$(session_window)" || fail "no main window for the sleep"
opened asleep || fail "the window did not open before the sleep"
drag_contrast_down "$window"
fake_wait "$work/asleep.calls" 'SetVCPFeature m1.2 12 [0-9]* -> 1' ||
    fail "no slider step reached the woken monitor: $(grep -v GetVCP "$work/asleep.calls" | tail -4)"
program_stop

# --- slow to wake: listed from its EDID alone; without one, probed thrice ---
script waking "QRV G17" qrv-crt "fail * C0262582 times 2"
fake_run waking "$work/waking.script" /list
grep -q $'^1\t1. QRVモニター (QRV G17)\t' "$work/waking.txt" ||
    fail "a monitor still waking was not listed: '$(cat "$work/waking.txt")'"
script probed "QRV G17" qrv-crt "fail GetVCPFeatureAndVCPFeatureReply C0262582 times 2" \
    "fail GetTimingReport C0262582 times 2"
fake_edid 0 -
fake_run probed "$work/probed.script" /list
[ "$(calls probed 'GetVCPFeatureAndVCPFeatureReply m1.1 10 ')" = 3 ] ||
    fail "a monitor without an EDID was not probed three times: $(grep GetVCP "$work/probed.calls")"

# --- a capabilities read that fails once: the model is still driven by it,
# reading the same controls as when the read never failed ---
script capsgood "TSW L19A" tsw-lcd
# (/dump opens fully; on this backend it stops at the first vendor page.)
fake_run capsgood "$work/capsgood.script" /dump "$work/capsgood.settings"
script capsonce "TSW L19A" tsw-lcd "fail CapabilitiesRequestAndCapabilitiesReply C0262582 times 1"
fake_run capsonce "$work/capsonce.script" /dump "$work/capsonce.settings"
[ "$(grep -c 'CapabilitiesRequestAndCapabilitiesReply m1\.[0-9]* [0-9]* -> 1$' "$work/capsonce.calls")" = 1 ] ||
    fail "the capabilities were not read again: $(grep Capabilities "$work/capsonce.calls")"
read_codes() { awk '$3 == "GetVCPFeatureAndVCPFeatureReply" { print $5 }' "$work/$1.calls" | sort -u; }
[ "$(read_codes capsonce)" = "$(read_codes capsgood)" ] ||
    fail "after a failed capabilities read the open read other controls: $(read_codes capsonce | tr '\n' ' ')"

# --- duplicate mode: a foreign monitor and a tube on one display share one
# monitor device; a tube alone on the second display keeps its EDID ---
{ fake_latencies; echo "display 0"; echo "monitor ZK-1700"; echo "vcp 10 50 100"; echo "vcp 12 50 100"
  echo "monitor QRV G17"; fake_monitor qrv-crt
  echo "display 1"; echo "monitor QRV G17"; fake_monitor qrv-crt; } > "$work/clone.script"
fake_edid 0 "$(cat "$work/qrv-crt.edid")"
fake_edid 1 "$(cat "$work/qrv-crt.edid")"
fake_run clone "$work/clone.script" /set 12=30 /monitor 1
# Only the probes (brightness, timing report) may reach the cloned display.
[ "$(grep ' m[12]\.[0-9]* ' "$work/clone.calls" | grep -v -c 'Reply m[12]\.[0-9]* 10 \|GetTimingReport\|FromHMONITOR')" = 0 ] ||
    fail "a monitor of the cloned display was driven with a guessed EDID: $(grep ' m[12]\.' "$work/clone.calls")"
[ "$(calls clone 'SetVCPFeature m3.1 12 30 -> 1')" = 1 ] || fail "the tube of the second display was not set"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "monitor API end to end: all checks passed"
