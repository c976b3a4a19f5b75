#!/usr/bin/env bash
# The package, in a Wine prefix of its own (never the project's or the
# user's): a silent install puts lumetra.exe, VESKOL.dll and the help file
# under Program Files with a Start-menu shortcut and an uninstall entry; the
# installed program shows its window and opens a simulated monitor through
# the installed VESKOL.dll; a silent uninstall leaves no file, shortcut or
# registry entry behind. The portable zip holds the same three files.
# Usage: package_test.sh <installer> <portable zip>
set -uo pipefail
installer="$(realpath "$1")" zip="$(realpath "$2")"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d /tmp/lumetra-package.XXXXXX)"
export LUMETRA_WINEPREFIX="$work/prefix"
installed="$LUMETRA_WINEPREFIX/drive_c/Program Files/Lumetra"
shortcut="$LUMETRA_WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Lumetra.lnk"
source "$here/../../tools/lumetra-session"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() { session_stop; "$WINESERVER" -k 2> /dev/null; rm -rf "$work"; }
trap cleanup EXIT

# Every file and folder of drive C but the temporary folders and Wine's own.
files_of_drive_c() {
    (cd "$LUMETRA_WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune \
        -o -print | sort)
}
registry_has() { "$WINE" reg query "$@" > /dev/null 2>&1; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumetra'
# The key the help viewer reads (with a space), not the one without it.
help_key='HKLM\Software\Microsoft\Windows\HTML Help'
unread_help_key='HKLM\Software\Microsoft\Windows\HTMLHelp'

"$WINE" wineboot -i > /dev/null 2>&1
"$WINESERVER" -w
files_of_drive_c > "$work/before.txt"

# --- install ---
"$WINE" "$installer" /S > /dev/null 2>&1 || fail "installer exit status $?"
"$WINESERVER" -w
for file in lumetra.exe VESKOL.dll Lumetra-JPN.chm uninstall.exe; do
    [ -s "$installed/$file" ] || fail "$file not installed"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
registry_has "$uninstall_key" /v QuietUninstallString || fail "no uninstall entry"
registry_has "$help_key" /v Lumetra-JPN.chm || fail "help file not registered"
! registry_has "$unread_help_key" /v Lumetra-JPN.chm || fail "help file registered where the viewer never looks"

mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip") || fail "zip does not extract"
for file in lumetra.exe VESKOL.dll Lumetra-JPN.chm; do
    cmp -s "$work"/zip/*/"$file" "$installed/$file" || fail "$file of the zip differs from the installed one"
done
[ "$(find "$work/zip" -type f | wc -l)" -eq 3 ] || fail "zip holds other files: $(find "$work/zip" -type f)"

# --- the installed program: its window, and a monitor opened through VESKOL.dll ---
# Started in its folder, as the shortcut starts it; the folder is on drive C,
# so the simulator's files are named through drive Z (the Unix root). The
# display is the test run's own when there is one (a display started here
# may meet another program's).
session_display 0
session_log="$work/frames.log"
(cd "$installed" && VESKOL_LOG="Z:$session_log" VESKOL_STATE="Z:$work/state.txt" \
    exec "$WINE" lumetra.exe) > "$work/wine.txt" 2>&1 &
session_pid=$!
session_window > /dev/null || fail "installed lumetra.exe showed no window: $(grep -v fixme "$work/wine.txt")"
session_wait_open || fail "installed lumetra.exe opened no monitor"
session_stop

# --- uninstall ---
"$WINE" "C:\\Program Files\\Lumetra\\uninstall.exe" /S > /dev/null 2>&1 || fail "uninstaller exit status $?"
"$WINESERVER" -w
files_of_drive_c > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" > "$work/left.txt" || fail "left behind: $(cat "$work/left.txt")"
! registry_has "$uninstall_key" || fail "uninstall entry left behind"
! registry_has "$help_key" /v Lumetra-JPN.chm || fail "help file registration left behind"

[ "$failures" -eq 0 ] && echo "package: all checks passed"
exit $((failures > 0))
