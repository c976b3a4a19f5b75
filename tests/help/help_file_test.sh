#!/usr/bin/env bash
# The compiled help file, read back with chmls: a page for every tab and
# colour sub-panel, titled and listed in the contents with the tab's own name
# from the string table; every test pattern described; the Japanese intact
# (pages and contents in Shift_JIS, index keywords in the Unicode index).
# Usage: help_file_test.sh <Lumetra-JPN.chm> <source root>
set -uo pipefail
chm="$1" root="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
string_of() { sed -n "s/^ *$1 *\"\(.*\)\"\$/\1/p" "$root/resources/lumetra.rc"; }
symbols() { sed -n "s/^#define \($1\) .*/\1/p" "$root/resources/resource_ids.h"; }

chmls extractall "$chm" "$work/chm" > /dev/null 2>&1 || { echo "FAIL: cannot extract $chm"; exit 1; }
for page in "$work"/chm/*.html "$work/chm/contents.hhc"; do
    iconv -f CP932 -t UTF-8 "$page" > "$page.utf8" 2> /dev/null \
        || fail "$(basename "$page") is not Shift_JIS"
done
grep -L 'charset=Shift_JIS' "$work"/chm/*.html | while read -r page; do
    echo "FAIL: $(basename "$page") does not declare Shift_JIS" >&2
    exit 1
done || failures=$((failures + 1))

# Every list the checks walk must have been found: an empty one checks nothing.
found() { [ "$2" -ge "$3" ] || fail "$1: $2 found, expected at least $3"; }
tabs=$(symbols 'IDS_TAB_[A-Z_]*') colour_tabs=$(symbols 'IDS_COLOURTAB_[A-Z_]*')
patterns=$(symbols 'IDS_PATTERN_[A-Z_]*' | grep -vE 'LABEL|PIXELS|GROUP|AUTO|HINTS|BASE')
keywords="$(sed -n 's/.*name="Name" value="\(.*\)">/\1/p' "$root/help/index.hhk")"
found "tab names" "$(wc -w <<< "$tabs")" 4
found "colour panel names" "$(wc -w <<< "$colour_tabs")" 2
found "test pattern names" "$(wc -w <<< "$patterns")" 28
found "index keywords" "$(grep -c . <<< "$keywords")" 10

for symbol in $tabs $colour_tabs; do
    name="$(string_of "$symbol")"
    [ -n "$name" ] || { fail "no string for $symbol"; continue; }
    page="$(grep -A1 -F "<param name=\"Name\" value=\"$name\">" "$work/chm/contents.hhc.utf8" \
            | sed -n 's/.*name="Local" value="\(.*\)">/\1/p')"
    if [ -z "$page" ]; then
        fail "no contents entry \"$name\" ($symbol)"
    elif ! grep -qF "<title>$name</title>" "$work/chm/$page.utf8" 2> /dev/null; then
        fail "page $page of \"$name\" missing or titled otherwise"
    fi
done

for symbol in $patterns; do
    name="$(string_of "$symbol")"
    [ -n "$name" ] || { fail "no string for $symbol"; continue; }
    grep -qF "$name" "$work/chm/patterns.html.utf8" || fail "test pattern \"$name\" not described"
done

hex() { od -An -tx1 -v | tr -d ' \n'; }
index="$(hex < "$work/chm/\$WWKeywordLinks/BTree")"
printf '%s\n' "$keywords" | while read -r keyword; do
    [[ "$index" == *"$(printf '%s' "$keyword" | iconv -f UTF-8 -t UTF-16LE | hex)"* ]] \
        || { echo "FAIL: index keyword \"$keyword\" not in the Unicode index" >&2; exit 1; }
done || failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "help file: all checks passed"
exit $((failures > 0))
