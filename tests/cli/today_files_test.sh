#!/usr/bin/env bash
# Today's sample files checked by vormak-check as a user checks them, with
# nothing typed: each pair gives the findings of the classic pair of the same
# people; standard error names the titles taken.
set -uo pipefail
readonly program=$1 examples=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1
cp "$examples"/* .
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$program" --format2 tab --output classic.csv keitai.csv jyusyo.txt >classic.txt
# The same address book as UTF-16LE TAB, and Outlook's as UTF-8 with LF.
iconv -f CP932 -t UTF-16LE jyusyo.txt | { printf '\xFF\xFE'; cat; } >jyusyo16.txt
iconv -f CP932 -t UTF-8 outlook.csv | tr -d '\r' >outlook8.csv
{ printf '\xFF\xFE'; iconv -f CP932 -t UTF-16LE classic.csv; } >classic16.csv

# expect NAME STDOUT_FILE STDERR_TEXT ARGS...   (findings: exit status 1)
expect() {
    local name=$1 out=$2 err=$3
    shift 3
    "$program" "$@" >got.out 2>got.err
    local got=$?
    if [ -n "$err" ]; then printf '%s\n' "$err" >want.err; else : >want.err; fi
    if [ "$got" != 1 ] || ! cmp -s got.out "$out" || ! cmp -s got.err want.err; then
        fail "$name: exit $got"
        diff got.out "$out"
        diff got.err want.err
    fi
}

# Nothing typed: the titles of Outlook's and Google's exports are found, the
# name joined from 姓 and 名 where it is split.
readonly outlook="住所録側: Shift-JIS、CR LF、92項目、氏名=4「姓」+2「名」、電話=41「携帯電話」+38「電話 (自宅)」"
readonly google="住所録側: UTF-8、LF、42項目、氏名=1「Name」、電話=33「Phone 1 - Value」"
expect "iPhone vCard 3.0 against the classic address book" classic.txt \
    "携帯側: vCard 3.0、31件" --format2 tab iphone.vcf jyusyo.txt
expect "iPhone against Outlook" classic.txt "携帯側: vCard 3.0、31件
$outlook" iphone.vcf outlook.csv
expect "2.1 vCard, quoted-printable Shift-JIS, against Google's CSV" classic.txt \
    "携帯側: vCard 2.1、31件
$google" keitai21.vcf google.csv
expect "the classic phone list against Google's CSV" classic.txt "$google" keitai.csv google.csv
expect "UTF-16LE TAB: the result file in UTF-16LE" classic.txt \
    "住所録側: UTF-16LE、CR LF、6項目、氏名=1「氏名」、電話=5「電話番号」" \
    --format2 tab --output result16.csv keitai.csv jyusyo16.txt
cmp -s result16.csv classic16.csv || fail "the UTF-16LE result file differs"

# A 92-column UTF-8 file with LF and Japanese titles: a position typed is one
# column (the family name alone, the mobile numbers alone), the titles found
# are told either way.
expect "Outlook's columns in UTF-8 with LF" classic.txt \
    "住所録側: UTF-8、LF、92項目、氏名=4「姓」+2「名」、電話=41「携帯電話」+38「電話 (自宅)」" keitai.csv outlook8.csv
"$program" --name2 4 --checks 5 keitai.csv outlook8.csv >got.out 2>/dev/null
grep -q '住所録:長谷川）' got.out || fail "a typed name position was joined: $(cat got.out)"
"$program" --tel2 41 --checks 4 keitai.csv outlook8.csv >got.out 2>/dev/null
grep -q '電話=0358024913' got.out || fail "a typed telephone position was joined: $(cat got.out)"

# Google's address is a quoted field of two lines: the result file quotes it.
"$program" --output google-result.csv keitai.csv google.csv >/dev/null 2>&1
grep -qz $',Home,"〒100-0005\n東京都千代田区丸の内1-1-1",千代田区' google-result.csv ||
    fail "the two-line address is not quoted in the result file"

[ "$failures" -eq 0 ] && echo "today's files: every pair passed"
exit $((failures > 0))
