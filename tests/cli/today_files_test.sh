#!/usr/bin/env bash
# Today's sample files checked by vormak-check as a user checks them: each
# pair gives the findings of the classic pair of the same people, except
# where a row says why not; standard error names the titles taken.
set -uo pipefail
readonly program=$1 examples=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1
cp "$examples"/* .
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$program" --format2 tab --output classic.csv keitai.csv jyusyo.txt >classic.txt
# 山田 太郎's iPhone card has three numbers: three records, the two that the
# address book lacks found by check 4, and the phone's entries after them
# numbered two higher.
sed -e 's/^1:026/1:028/' -e 's/^4:009/4:011/' -e 's/^4:021/4:023/' -e 's/^4:028/4:030/' \
    -e 's/^5:011012/5:013012/' -e 's/^5:024025/5:026025/' classic.txt >iphone.txt
sed -i '6i 4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=山田太郎、電話=0335810101）\
4:003   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=山田太郎、電話=0352532323）' iphone.txt
# Outlook splits the name into 姓 and 名: only the checks by number, with the
# family name shown, match the classic pair's.
"$program" --format2 tab --checks 34 iphone.vcf jyusyo.txt 2>/dev/null |
    sed '/^3:/s/氏名=\(岡田\|中村\|小川\|前田\)[^、]*/氏名=\1/' >outlook.txt
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

readonly google=(--title2 yes --name2 1 --tel2 33)
expect "iPhone vCard 3.0 against the classic address book" iphone.txt \
    "携帯側: vCard 3.0、33件" --format2 tab iphone.vcf jyusyo.txt
expect "2.1 vCard, quoted-printable Shift-JIS, against Google's CSV" classic.txt \
    "携帯側: vCard 2.1、31件" "${google[@]}" keitai21.vcf google.csv
expect "the classic phone list against Google's CSV" classic.txt "" \
    "${google[@]}" keitai.csv google.csv
expect "iPhone against Outlook, its positions typed" outlook.txt "携帯側: vCard 3.0、33件" \
    --name2 4 --tel2 38 --checks 34 iphone.vcf outlook.csv
expect "UTF-16LE TAB: the result file in UTF-16LE" classic.txt \
    "住所録側: UTF-16LE、CR LF、6項目、氏名=1「氏名」、電話=5「電話番号」" \
    --format2 tab --output result16.csv keitai.csv jyusyo16.txt
cmp -s result16.csv classic16.csv || fail "the UTF-16LE result file differs"

# The titles of a 92-column UTF-8 file with LF: the first to name a name and
# a telephone are not the right ones, which is why they are told.
"$program" keitai.csv outlook8.csv >/dev/null 2>got.err
printf '%s\n' "住所録側: UTF-8、LF、92項目、氏名=56「秘書の名前」、電話=30「アシスタントの電話」" |
    cmp -s - got.err || fail "92 columns: $(cat got.err)"

# Google's address is a quoted field of two lines: the result file quotes it.
"$program" "${google[@]}" --output google-result.csv keitai.csv google.csv >/dev/null
grep -qz $',Home,"〒100-0005\n東京都千代田区丸の内1-1-1",千代田区' google-result.csv ||
    fail "the two-line address is not quoted in the result file"

[ "$failures" -eq 0 ] && echo "today's files: every pair passed"
exit $((failures > 0))
