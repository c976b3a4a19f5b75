#!/usr/bin/env bash
# The real-monitor backend's speed over the scripted dxva2.dll with the call
# times Microsoft documents (make bench): a full open of the richest monitor
# (`lumetra /dump`, the listed tube with geometry) and `lumetra /get 10`, each
# as the time the program spends on the monitor (first call to the end of the
# last) against the sum of the calls' own times, which is all a real PC
# cannot avoid. Runs RUNS times; the median.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
LUMETRA_EXE="${LUMETRA_EXE:-$here/../build/win64/bin/lumetra.exe}"
FAKE_DXVA2_DLL="${FAKE_DXVA2_DLL:-$here/../build/win64/tests/e2e/fake_dxva2/dxva2.dll}"
source "$here/../tests/e2e/fake_dxva2/fake_session.sh"
RUNS="${RUNS:-5}"
work="$(mktemp -d /tmp/lumetra-api-bench.XXXXXX)"
trap 'fake_end; rm -rf "$work"' EXIT
fake_begin > /dev/null || exit 1

{ fake_latencies; echo "display 0"; echo "monitor QRV G17"; fake_monitor qrv-crt; } > "$work/tube.script"
fake_edid 0 "$(cat "$work/qrv-crt.edid")"
fake_edid 1 -

# "<span ms> <floor ms> <calls>" of a call log: from the first call's start
# to the last one's end, and the sum of the calls' own times.
span_of() {
    awk '$2 > 0 { if (!n++) first = $1; end = $1 + $2; floor += $2 }
         END { printf "%d %d %d\n", end - first, floor, n }' "$1"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : 0 }'; }

# measure <label> <arguments...>: one table row.
measure() {
    local label="$1" spans=() i floor calls
    shift
    for i in $(seq "$RUNS"); do
        fake_run "run$i" "$work/tube.script" "$@"
        [ "$status" = 0 ] || { echo "$label: run $i failed ($status)" >&2; return 1; }
        read -r span floor calls < <(span_of "$work/run$i.calls")
        spans+=("$span")
    done
    span="$(printf '%s\n' "${spans[@]}" | median)"
    printf '%-22s %6d %10d %10d %10s\n' "$label" "$calls" "$span" "$floor" \
        "$(awk -v a="$span" -v b="$floor" 'BEGIN { printf "%.2f", b ? a / b : 0 }')"
}

echo "real-monitor backend over the fake dxva2.dll, median of $RUNS runs (ms)"
printf '%-22s %6s %10s %10s %10s\n' command calls "on monitor" floor ratio
measure "/dump (a full open)" /dump "$work/dump.txt" || exit 1
measure "/get 10" /get 10 || exit 1
