#!/usr/bin/env bash
# A compiled help file, read back with chmls: every page and the contents
# intact in the code page of the help's language (Japanese Shift_JIS, English
# Windows-1252); the file named by string 106 of that language's table; a
# page for every tab and colour sub-panel, titled and listed in the contents
# with the tab's own name from the string table; every test pattern
# described; every index keyword in the Unicode index. The English help must
# also have the Japanese help's shape: the same contents tree, the same pages
# in the index and the same links from each page.
# Usage: help_file_test.sh <compiled .chm> <source root> ja|en
# Exits 77 (skipped) after the other checks when the tree has no string
# table of that language to take the names from.
set -uo pipefail
chm="$1" root="$2" language="$3"
case "$language" in
    ja) pages="$root/help" table=LANG_JAPANESE code_page=CP932 charset=Shift_JIS ;;
    en) pages="$root/help/en" table=LANG_ENGLISH code_page=CP1252 charset=windows-1252 ;;
    *) echo "FAIL: unknown language $language"; exit 1 ;;
esac
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# The text of a string in the table of the help's language, from whichever
# resource script holds that table (the LANGUAGE statement before it).
string_of() {
    awk -v want="$table" -v symbol="$1" '
        $1 == "LANGUAGE" { current = $2; sub(/,$/, "", current) }
        { name = $1; sub(/,$/, "", name) }
        current == want && name == symbol && match($0, /".*"$/) {
            print substr($0, RSTART + 1, RLENGTH - 2); exit
        }' "$root"/resources/*.rc
}
symbols() { sed -n "s/^#define \($1\) .*/\1/p" "$root/resources/resource_ids.h"; }

chmls extractall "$chm" "$work/chm" > /dev/null 2>&1 || { echo "FAIL: cannot extract $chm"; exit 1; }
for source in "$pages"/*.html "$pages/contents.hhc"; do
    page="$work/chm/$(basename "$source")"
    if ! iconv -f "$code_page" -t UTF-8 "$page" > "$page.utf8" 2> /dev/null; then
        fail "$(basename "$page") missing or not $charset"
    elif ! sed "s/charset=$charset/charset=utf-8/" "$page.utf8" | cmp -s - "$source"; then
        fail "$(basename "$page") differs from its source once read as $charset"
    fi
done
grep -L "charset=$charset" "$work"/chm/*.html | while read -r page; do
    echo "FAIL: $(basename "$page") does not declare $charset" >&2
    exit 1
done || failures=$((failures + 1))

# Every list the checks walk must have been found: an empty one checks nothing.
found() { [ "$2" -ge "$3" ] || fail "$1: $2 found, expected at least $3"; }
tabs=$(symbols 'IDS_TAB_[A-Z_]*') colour_tabs=$(symbols 'IDS_COLOURTAB_[A-Z_]*')
patterns=$(symbols 'IDS_PATTERN_[A-Z_]*' | grep -vE 'LABEL|PIXELS|GROUP|AUTO|HINTS|BASE')
keywords="$(sed -n 's/.*name="Name" value="\(.*\)">/\1/p' "$pages/index.hhk")"
found "tab names" "$(wc -w <<< "$tabs")" 4
found "colour panel names" "$(wc -w <<< "$colour_tabs")" 2
found "test pattern names" "$(wc -w <<< "$patterns")" 28
found "index keywords" "$(grep -c . <<< "$keywords")" 10

help_file="$(string_of IDS_HELP_FILE)"
if [ -n "$help_file" ]; then
    [ "$help_file" = "$(basename "$chm")" ] || fail "the program opens \"$help_file\", not $(basename "$chm")"
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
        grep -qiF "$name" "$work/chm/patterns.html.utf8" || fail "test pattern \"$name\" not described"
    done
fi

hex() { od -An -tx1 -v | tr -d ' \n'; }
index="$(hex < "$work/chm/\$WWKeywordLinks/BTree")"
printf '%s\n' "$keywords" | while read -r keyword; do
    [[ "$index" == *"$(printf '%s' "$keyword" | iconv -f UTF-8 -t UTF-16LE | hex)"* ]] \
        || { echo "FAIL: index keyword \"$keyword\" not in the Unicode index" >&2; exit 1; }
done || failures=$((failures + 1))

if [ "$language" != ja ]; then
    # The contents tree as its nesting and pages, the index as the pages it
    # reaches, each page as the pages it links to: the same in both languages.
    tree() { grep -oE '<ul>|</ul>|name="Local" value="[^"]*"' "$1"; }
    targets() { grep -oE "$1\"[^\"#]*" "$2" | sort -u; }
    cmp -s <(tree "$root/help/contents.hhc") <(tree "$pages/contents.hhc") \
        || fail "the contents differ in shape from the Japanese help's"
    index_page='name="Local" value='
    cmp -s <(targets "$index_page" "$root/help/index.hhk") <(targets "$index_page" "$pages/index.hhk") \
        || fail "the index reaches other pages than the Japanese help's"
    for japanese in "$root"/help/*.html; do
        page="$pages/$(basename "$japanese")"
        cmp -s <(targets 'href=' "$japanese") <(targets 'href=' "$page" 2> /dev/null) \
            || fail "$(basename "$page") missing or linking elsewhere than the Japanese page"
    done
fi

[ "$failures" -eq 0 ] || exit 1
if [ -z "$help_file" ]; then
    echo "help file: no $table string table in resources/: names not checked"
    exit 77
fi
echo "help file: all checks passed"
