#!/usr/bin/env bash
# lumetra.exe with arguments, run as a process the way a script runs it:
# output redirected to files (UTF-8, Japanese labels intact), exit codes,
# the bus log of each run, a stored setting found by the next process, and
# a command run while the window is open (one window, both answer).
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../tools/lumetra-session"

work="$(mktemp -d /tmp/lumetra-cli-e2e.XXXXXX)"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
trap 'session_stop; rm -rf "$work"' EXIT

"$here/../../tools/wine-prefix"

# lumetra <name> <args...>: runs with the simulated tube and panel; stdout,
# stderr and the bus log land in $work/<name>.{out,err,log}; sets $status.
lumetra() {
    local name="$1"
    shift
    : > "$work/$name.log"
    (
        cd "$(dirname "$LUMETRA_EXE")" &&
            VESKOL_SIMULATE="qrv-crt,other-vendor,tsw-lcd" VESKOL_STATE="$work/state.txt" \
                VESKOL_LOG="$work/$name.log" "$WINE" "$LUMETRA_EXE" "$@"
    ) > "$work/$name.out" 2> "$work/$name.err"
    status=$?
    tr -d '\r' < "$work/$name.out" > "$work/$name.txt"
}

# --- /list into a file: two monitors, valid UTF-8, the combo's labels ---
lumetra list /list
[ "$status" = 0 ] || fail "/list exit code $status"
iconv -f UTF-8 -t UTF-8 "$work/list.out" > /dev/null || fail "/list output is not valid UTF-8"
[ "$(wc -l < "$work/list.txt")" = 2 ] || fail "/list lines: $(cat "$work/list.txt")"
printf '1\t1. QRVモニター (QRV G17)\t56462017\tQRV2017\t' > "$work/expected"
head -c "$(wc -c < "$work/expected")" "$work/list.txt" | cmp -s - "$work/expected" ||
    fail "/list first line: $(head -1 "$work/list.txt")"
grep -q $'^2\t2. Tasowaモニター (TSW L19A)\t77524C20\tTSW4C20\t' "$work/list.txt" ||
    fail "/list second line: $(sed -n 2p "$work/list.txt")"
grep -q ' W [0-9]* 6E ' "$work/list.log" && fail "/list sent DDC/CI messages"

# --- usage errors and /help: the usage, exit codes 1 and 0, no bus ---
lumetra usage /frobnicate
[ "$status" = 1 ] || fail "wrong argument: exit code $status"
grep -q 'unknown option: /frobnicate' "$work/usage.err" || fail "no reason: $(cat "$work/usage.err")"
grep -q '^usage: lumetra' "$work/usage.err" || fail "no usage after a wrong argument"
[ -s "$work/usage.log" ] && fail "a usage error touched the bus: $(head -3 "$work/usage.log")"
lumetra help /help
[ "$status" = 0 ] || fail "/help exit code $status"
grep -q '^usage: lumetra' "$work/help.txt" || fail "/help printed no usage"

# --- /set ... /store, then a new process reads the stored value ---
lumetra set /set 12=25 /store
[ "$status" = 0 ] || fail "/set exit code $status: $(cat "$work/set.err")"
[ "$(cat "$work/set.txt")" = $'12\t25\t100' ] || fail "/set printed '$(cat "$work/set.txt")'"
grep -q '^0 qrv-crt 0012 25$' "$work/state.txt" || fail "contrast 25 not stored"
grep -q ' W 0 6E 51 81 0C ' "$work/set.log" || fail "no MCCS save on the bus"
lumetra get /get 12 p02:20 /monitor 1
[ "$status" = 3 ] || fail "/get of a code the tube lacks: exit code $status"
[ "$(cat "$work/get.txt")" = $'12\t25\t100' ] || fail "stored contrast after restart: '$(cat "$work/get.txt")'"
grep -q '^code p02:20: reading failed' "$work/get.err" || fail "failure line: $(cat "$work/get.err")"

# --- the paged panel, a missing monitor, a dump and a load ---
lumetra paged /get p02:20 /monitor 2
[ "$(cat "$work/paged.txt")" = $'p02:20\t128\t255' ] || fail "paged get: '$(cat "$work/paged.txt")'"
lumetra missing /get 10 /monitor 3
[ "$status" = 2 ] || fail "/monitor 3: exit code $status"
lumetra dump /dump "$work/tube.txt"
[ "$status" = 0 ] || fail "/dump exit code $status: $(cat "$work/dump.err")"
grep -q '^# Lumetra: the settings of 1. QRVモニター (QRV G17)$' "$work/tube.txt" ||
    fail "settings file header: $(head -2 "$work/tube.txt")"
lumetra load /load "$work/tube.txt" /monitor 2
[ "$status" = 2 ] || fail "the tube's file loaded onto the panel: exit code $status"

# --- beside the open window: the command runs, the window stays alone ---
session_display 1
session_start "qrv-crt" "$work/window-state.txt" "$work/window.log"
session_window > /dev/null || fail "no main window"
lumetra beside /get 10
[ "$status" = 0 ] || fail "/get beside the window: exit code $status"
[ "$(cat "$work/beside.txt")" = $'10\t50\t100' ] || fail "/get beside the window: '$(cat "$work/beside.txt")'"
count="$(xdotool search --name '^Lumetra  $' 2>/dev/null | wc -l)"
[ "$count" -eq 1 ] || fail "$count main windows with a command beside the window"
kill -0 "$session_pid" 2>/dev/null || fail "the window ended when a command ran"
session_stop

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "command line: all checks passed"
