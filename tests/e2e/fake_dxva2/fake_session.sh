# Sourced by the end-to-end runs on the real-monitor backend: lumetra.exe and
# VESKOL.dll unchanged, with the scripted dxva2.dll of this folder in the
# system folder of a Wine prefix of their own. The virtual display has two
# screens, which Wine shows as two displays with one monitor device each;
# the monitor devices' EDIDs are written into that prefix's device registry.
# Needs LUMETRA_EXE and FAKE_DXVA2_DLL; $work is the caller's scratch folder.
# Functions: fake_begin, fake_end, fake_latencies, fake_monitor, fake_edid,
# fake_run, fake_start, fake_wait.
fake_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export LUMETRA_WINEPREFIX="${FAKE_WINEPREFIX:-$fake_here/../../../build/wineprefix-fake-dxva2}"
source "$fake_here/../../../tools/lumetra-session"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;dxva2=n"
export SESSION_SCREENS="-screen 0 1280x1024x24 -screen 1 1024x768x24 +xinerama -extension RANDR"
fake_device_key='HKLM\System\CurrentControlSet\Enum\DISPLAY\Default_Monitor'

# The prefix (once), the fake in its system folder, the display and one
# wineserver for the whole run: the display devices, and the EDIDs written
# into them, last as long as that wineserver.
fake_begin() {
    "$fake_here/../../../tools/wine-prefix" || return 1
    cp "$FAKE_DXVA2_DLL" "$WINEPREFIX/drive_c/windows/system32/dxva2.dll" || return 1
    session_display 1 || return 1
    "$WINESERVER" -p
    # The first program of the session sets up the displays' devices.
    fake_monitor qrv-crt > /dev/null
}

fake_end() {
    session_stop
    "$WINESERVER" -k 2>/dev/null || true
}

# The call times Microsoft documents (ms); the capabilities calls "usually
# return quickly" and the physical-monitor calls name no time.
fake_latencies() {
    printf 'latency %s\n' "GetVCPFeatureAndVCPFeatureReply 40" "SetVCPFeature 50" \
        "GetTimingReport 50" "SaveCurrentSettings 200"
}

# fake_monitor <profile>: the vcp, caps and timing lines of a fake monitor
# that answers as the simulator's profile does (read from the simulator's
# frame log of a full open); its EDID in hex in $work/<profile>.edid.
fake_monitor() {
    local profile="$1"
    local log="$work/$profile.frames"
    if [ ! -s "$log" ]; then
        (cd "$(dirname "$LUMETRA_EXE")" && VESKOL_SIMULATE="$profile" VESKOL_STATE="" \
            VESKOL_LOG="$log" "$WINE" "$LUMETRA_EXE" /dump "$work/$profile.dump") > /dev/null 2>&1
    fi
    awk -v edid="$work/$profile.edid" '
        function digit(h, i) { return index("0123456789ABCDEF", substr(h, i, 1)) - 1 }
        function byte(h) { return digit(h, 1) * 16 + digit(h, 2) }
        { sub(/\r$/, "") }
        # The first read of the EDID: block 0 and the extension it announces.
        $2 == "R" && $4 == "A1" && (hex == "" || length(hex) < 256 * (1 + (byte(substr(hex, 253, 2)) > 0))) {
            for (i = 5; i <= NF; i++) hex = hex $i }
        $2 == "R" && $4 == "6F" && $7 == "02" && $8 == "00" {
            printf "vcp %s %d %d%s\n", $9, byte($13) * 256 + byte($14), byte($11) * 256 + byte($12),
                   $10 == "01" ? " momentary" : "" }
        $2 == "R" && $4 == "6F" && $7 == "4E" {
            printf "timing %d %d %s\n", (byte($9) * 256 + byte($10)) * 10,
                   (byte($11) * 256 + byte($12)) / 100, $8 }
        $2 == "R" && $4 == "6F" && $7 == "E3" && !(($8 $9) in seen) {
            seen[$8 $9] = 1
            # Text bytes up to the length the reply announces, its zero left out.
            for (i = 10; i <= 6 + byte($6) - 128; i++) if ($i != "00") caps = caps sprintf("%c", byte($i)) }
        END { if (caps != "") print "caps " caps; print hex > edid }' "$log"
}

# fake_edid <display> <hex|->: the EDID value of the display's monitor
# device (0-based), or none.
fake_edid() {
    local key
    key="$fake_device_key\\$(printf '%04d' "$1")&0000\\Device Parameters"
    if [ "$2" = - ]; then
        "$WINE" reg delete "$key" /v EDID /f > /dev/null 2>&1
    else
        "$WINE" reg add "$key" /v EDID /t REG_BINARY /d "$2" /f > /dev/null 2>&1
    fi
}

# fake_run <name> <script> <arguments...>: lumetra.exe on the hardware
# backend over the script; its output in $work/<name>.txt (and .err), the
# fake's calls in $work/<name>.calls; sets $status.
fake_run() {
    local name="$1" script="$2"
    shift 2
    : > "$work/$name.calls"
    (
        cd "$(dirname "$LUMETRA_EXE")" && VESKOL_BACKEND=hardware FAKE_DXVA2_SCRIPT="$script" \
            FAKE_DXVA2_LOG="$work/$name.calls" "$WINE" "$LUMETRA_EXE" "$@"
    ) > "$work/$name.out" 2> "$work/$name.err"
    status=$?
    tr -d '\r' < "$work/$name.out" > "$work/$name.txt"
}

# fake_start <name> <script>: the window on the hardware backend, in the
# background ($session_pid); the fake's calls in $work/<name>.calls.
fake_start() {
    : > "$work/$1.calls"
    (
        cd "$(dirname "$LUMETRA_EXE")" && VESKOL_BACKEND=hardware FAKE_DXVA2_SCRIPT="$2" \
            FAKE_DXVA2_LOG="$work/$1.calls" exec "$WINE" "$LUMETRA_EXE"
    ) > /dev/null 2>&1 &
    session_pid=$!
}

# fake_wait <file> <pattern> [count]: waits up to 30 s until `count` lines
# (1 unless given) of the call log match; the program logs as it works.
fake_wait() {
    for _ in $(seq 300); do
        [ "$(grep -c -- "$2" "$1" 2>/dev/null)" -ge "${3:-1}" ] && return 0
        sleep 0.1
    done
    return 1
}
