#!/usr/bin/env bash
# The package, in a Wine prefix of its own (never the project's or the
# user's) on an English system: a silent install chooses English and puts
# lumetra.exe, VESKOL.dll and both help files under Program Files, with the
# program's and the English help's Start-menu shortcuts and an uninstall
# entry in English; the installed program shows its window and opens a
# simulated monitor through the installed VESKOL.dll; a silent uninstall
# leaves no file, shortcut or registry entry behind. The portable zip holds
# the same four files. Where the Japanese locale is generated, the install
# and uninstall are repeated on a Japanese system, which gets the installer
# in Japanese.
# Usage: package_test.sh <installer> <portable zip>
set -uo pipefail
installer="$(realpath "$1")" zip="$(realpath "$2")"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d /tmp/lumetra-package.XXXXXX)"
export LUMETRA_WINEPREFIX="$work/prefix"
installed="$LUMETRA_WINEPREFIX/drive_c/Program Files/Lumetra"
start_menu="$LUMETRA_WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
help_files=(Lumetra-JPN.chm Lumetra-ENU.chm)
source "$here/../../tools/lumetra-session"
# An English system: Wine takes the display language from the messages
# locale (English too where that locale is not generated).
export LANG=en_US.UTF-8 LC_MESSAGES=en_US.UTF-8
unset LC_ALL
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
registry_value() { "$WINE" reg query "$1" /v "$2" 2> /dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }
# The English text the installer script gives a language string.
english_text() { sed -n "s/^LangString $1 \${LANG_ENGLISH} \"\(.*\)\"\$/\1/p" "$here/../../package/lumetra.nsi"; }
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
for file in lumetra.exe VESKOL.dll "${help_files[@]}" uninstall.exe; do
    [ -s "$installed/$file" ] || fail "$file not installed"
done
[ -f "$start_menu/Lumetra.lnk" ] || fail "no Start-menu shortcut"
if [ ! -f "$start_menu/Lumetra Help.lnk" ]; then
    fail "no English help shortcut: $(ls "$start_menu")"
elif ! grep -qaF Lumetra-ENU.chm "$start_menu/Lumetra Help.lnk"; then
    fail "the help shortcut does not open the English help"
fi
registry_has "$uninstall_key" /v QuietUninstallString || fail "no uninstall entry"
[ "$(registry_value "$uninstall_key" InstallerLanguage)" = 1033 ] \
    || fail "installed in language $(registry_value "$uninstall_key" InstallerLanguage), not English"
description="$(english_text DESCRIPTION)"
[ -n "$description" ] && [ "$(registry_value "$uninstall_key" Comments)" = "$description" ] \
    || fail "uninstall entry's description is not \"$description\""
for file in "${help_files[@]}"; do
    registry_has "$help_key" /v "$file" || fail "$file not registered"
    ! registry_has "$unread_help_key" /v "$file" || fail "$file registered where the viewer never looks"
done

mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip") || fail "zip does not extract"
for file in lumetra.exe VESKOL.dll "${help_files[@]}"; do
    cmp -s "$work"/zip/*/"$file" "$installed/$file" || fail "$file of the zip differs from the installed one"
done
[ "$(find "$work/zip" -type f | wc -l)" -eq 4 ] || fail "zip holds other files: $(find "$work/zip" -type f)"

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
# A silent uninstall must leave drive C and the registry as they were.
uninstall_cleanly() {
    "$WINE" "C:\\Program Files\\Lumetra\\uninstall.exe" /S > /dev/null 2>&1 || fail "uninstaller exit status $?"
    "$WINESERVER" -w
    files_of_drive_c > "$work/after.txt"
    diff "$work/before.txt" "$work/after.txt" > "$work/left.txt" || fail "left behind: $(cat "$work/left.txt")"
    ! registry_has "$uninstall_key" || fail "uninstall entry left behind"
    for file in "${help_files[@]}"; do
        ! registry_has "$help_key" /v "$file" || fail "$file registration left behind"
    done
}
uninstall_cleanly

# --- on a Japanese system: the installer in Japanese, the Japanese help's
# shortcut, and again nothing left behind ---
if locale -a 2> /dev/null | grep -qix 'ja_JP.utf-\?8'; then
    LC_MESSAGES=ja_JP.UTF-8 "$WINE" "$installer" /S > /dev/null 2>&1 || fail "Japanese install exit status $?"
    "$WINESERVER" -w
    [ "$(registry_value "$uninstall_key" InstallerLanguage)" = 1041 ] \
        || fail "installed on a Japanese system in language $(registry_value "$uninstall_key" InstallerLanguage)"
    grep -qaF Lumetra-JPN.chm "$start_menu/Lumetra ヘルプ.lnk" 2> /dev/null \
        || fail "no Japanese help shortcut opening the Japanese help: $(ls "$start_menu")"
    LC_MESSAGES=ja_JP.UTF-8 uninstall_cleanly
else
    echo "package: no ja_JP.UTF-8 locale, the installer on a Japanese system not checked"
fi

[ "$failures" -eq 0 ] && echo "package: all checks passed"
exit $((failures > 0))
