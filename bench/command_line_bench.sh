#!/usr/bin/env bash
# lumetra.exe's command line end to end under Wine (make bench): the time of
# `lumetra /get 10` against the waits the DDC/CI protocol itself demands for
# the messages it sent (read from the bus log), against Wine's own start
# (`lumetra /help`, no bus) and against a full open (`lumetra /dump`).
# Protocol floor: 40 ms before a reply may be read, 50 ms between messages,
# 200 ms after a save; EDID reads are plain I2C and demand nothing.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../tools/wine-env"
LUMETRA_EXE="${LUMETRA_EXE:-$here/../build/win64/bin/lumetra.exe}"
RUNS="${RUNS:-7}"
work="$(mktemp -d /tmp/lumetra-cli-bench.XXXXXX)"
trap 'rm -rf "$work"' EXIT

# Wall-clock milliseconds of one run, or "failed" when the command failed;
# the bus log of the last run that succeeded in $work/ok.log.
run_ms() {
    : > "$work/log"
    local start end status
    start=$(date +%s%N)
    (cd "$(dirname "$LUMETRA_EXE")" &&
        VESKOL_SIMULATE="qrv-crt,tsw-lcd" VESKOL_STATE="" VESKOL_LOG="$work/log" \
            "$WINE" "$LUMETRA_EXE" "$@" > /dev/null 2>&1)
    status=$?
    end=$(date +%s%N)
    [ "$status" -eq 0 ] || { echo failed; return; }
    cp "$work/log" "$work/ok.log"
    echo $(((end - start) / 1000000))
}

# The median of the numbers on standard input; 0 for none.
median() { sort -n | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : 0 }'; }

# The protocol's wait floor of the messages in the bus log, their count,
# and the time of the last frame after the library was loaded (the
# program's own time on the bus, whatever Wine's start cost).
floor_of_log() {
    awk '{ last_ms = $1 }
         $2 == "W" && $4 == "6E" {
            n++; op = $7
            if (n > 1) total += (last == "0C") ? 200 : 50
            if (op == "01" || op == "07" || op == "F3" || op == "C6" || op == "C8" || op == "C0")
                total += 40
            last = op
         }
         END { printf "%d %d %d\n", total, n, last_ms }' "$work/ok.log"
}

# Runs a command $RUNS times: the median of the runs that succeeded, the
# floor of the last one's messages, and how many runs failed (never timed).
measure() {
    local name="$1"
    shift
    local times=() failed=0 i ms
    : > "$work/ok.log"
    for i in $(seq "$RUNS"); do
        ms="$(run_ms "$@")"
        if [ "$ms" = failed ]; then failed=$((failed + 1)); else times+=("$ms"); fi
    done
    local wall
    wall=$([ ${#times[@]} -gt 0 ] && printf '%s\n' "${times[@]}" | median || echo 0)
    read -r floor messages last < <(floor_of_log)
    echo "$name $wall $floor $messages $last $failed"
}

"$here/../tools/wine-prefix" > /dev/null
run_ms /help > /dev/null  # Wine's first start in the prefix is slower

read -r _ start_ms _ _ _ start_failed < <(measure start /help)
read -r _ get_ms get_floor get_messages get_last get_failed < <(measure get /get 10)
read -r _ dump_ms dump_floor dump_messages dump_last dump_failed < \
    <(measure dump /dump "$work/dump.txt")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }'; }
echo "lumetra command line under Wine, median of the runs that succeeded of $RUNS (ms)"
printf '%-26s %8s %12s %10s %12s %16s\n' command wall "DDC/CI msgs" floor "wall/floor" \
    "last frame at"
printf '%-26s %8d %12s %10s %12s %16s\n' "/help (Wine's own start)" "$start_ms" 0 0 - -
printf '%-26s %8d %12d %10d %12s %16d\n' "/get 10" "$get_ms" "$get_messages" "$get_floor" \
    "$(ratio "$get_ms" "$get_floor")" "$get_last"
printf '%-26s %8d %12d %10d %12s %16d\n' "/dump (a full open)" "$dump_ms" "$dump_messages" \
    "$dump_floor" "$(ratio "$dump_ms" "$dump_floor")" "$dump_last"
echo "/get 10 on top of Wine's start: $((get_ms - start_ms)) ms" \
    "(protocol floor $get_floor ms); full open on top: $((dump_ms - start_ms)) ms" \
    "(floor $dump_floor ms); on the bus /get 10 ends ${get_last} ms after the library" \
    "loads, $(ratio "$get_last" "$get_floor") times its floor, a full open ${dump_last} ms"
failed=$((start_failed + get_failed + dump_failed))
if [ "$failed" -gt 0 ]; then
    echo "FAILED runs, left out of the medians: /help $start_failed, /get 10 $get_failed," \
        "/dump $dump_failed of $RUNS each"
    exit 1
fi
