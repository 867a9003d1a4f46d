#!/usr/bin/env bash
# vormak-check run as a user runs it, on copies of the sample files: for each
# path through the program its exit status, standard output and standard
# error, compared byte for byte, and the result file it writes.
set -uo pipefail
readonly program=$1 examples=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1 # no vormak.izn here: the window's first pair 﨑→崎 applies
cp "$examples/keitai.csv" "$examples/jyusyo.txt" .
failures=0

cat >listed.txt <<'END'
1:026   携帯側に電話番号重複データあり （氏名=鈴木一郎、電話=09034561234）
2:007   住所側に電話番号重複データあり （氏名=中村陽子、電話=0661234567）
3:004   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=岡田光、電話=0459876543）
3:022   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=小川浩、電話=09012125656）
3:031   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=前田由紀、電話=09097531086）
4:009   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=藤田勇気、電話=08011223344）
4:021   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=小川浩、電話=09012123434）
4:028   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=後藤美穂、電話=09055667788）
5:011012携帯側と住所録側で氏名不一致 （電話番号=08027182818、氏名 携帯:近藤さとみ 住所録:近藤里美）
5:024025携帯側と住所録側で氏名不一致 （電話番号=09031415926、氏名 携帯:長谷川隆 住所録:長谷川隆史）
END
# For correcting the phone: the address book's title line, the phone's
# duplicate and the address book's records, in Shift-JIS with CR LF.
iconv -f UTF-8 -t CP932 <<'END' | sed 's/$/\r/' >for_phone.csv
氏名,フリガナ,郵便番号,住所,電話番号,メールアドレス,ｴﾗｰﾒｯｾｰｼﾞ
24,鈴木一郎,09034561234,仕事,   携帯側に電話番号重複データあり （氏名=鈴木一郎、電話=09034561234）
岡田光,オカダ ヒカル,100-0005,東京都千代田区丸の内1-1-1,0459876543,user29@example.jp,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=岡田光、電話=0459876543）
小川浩,オガワ ヒロシ,600-8216,京都府京都市下京区烏丸通7-7-7,09012125656,user28@example.jp,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=小川浩、電話=09012125656）
前田由紀,マエダ ユキ,530-0001,大阪府大阪市北区梅田2-2-2,09097531086,user30@example.jp,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=前田由紀、電話=09097531086）
近藤里美,コンドウ サトミ,060-0042,北海道札幌市中央区大通西6-6-6,08027182818,user27@example.jp,携帯側と住所録側で氏名不一致 （電話番号=08027182818、氏名 携帯:近藤さとみ 住所録:近藤里美）
長谷川隆史,ハセガワ タカシ,812-0011,福岡県福岡市博多区博多駅前5-5-5,09031415926,user26@example.jp,携帯側と住所録側で氏名不一致 （電話番号=09031415926、氏名 携帯:長谷川隆 住所録:長谷川隆史）
END
readonly usage="使い方 (usage): vormak-check [オプション] 携帯側ファイル 住所録側ファイル  (--help)"

# expect NAME STATUS STDOUT_FILE STDERR_TEXT ARGS...
expect() {
    local name=$1 status=$2 out=$3 err=$4
    shift 4
    "$program" "$@" >got.out 2>got.err
    local got=$?
    if [ -n "$err" ]; then printf '%s\n' "$err" >want.err; else : >want.err; fi
    if [ "$got" != "$status" ] || ! cmp -s got.out "$out" || ! cmp -s got.err want.err; then
        echo "FAIL: $name: exit $got (expected $status)"
        diff got.out "$out"
        diff got.err want.err
        failures=$((failures + 1))
    fi
}

expect "the samples give every kind of finding" 1 listed.txt "" \
    --format2 tab keitai.csv jyusyo.txt
expect "with every check off nothing is found" 0 /dev/null "" \
    --checks "" --format2 tab keitai.csv jyusyo.txt
expect "a field count out of range is refused" 2 /dev/null "住所録側 項目数が正しくありません" \
    --format2 tab --fields2 257 keitai.csv jyusyo.txt
expect "a missing file: the refusal, then its cause" 2 /dev/null \
    $'携帯電話側ファイルが指定されていません\n携帯電話側ファイルが見つかりません' \
    --format2 tab nowhere.csv jyusyo.txt
expect "a conversion table that cannot be read" 2 /dev/null \
    "機種依存文字ファイル（nowhere.izn）が読めません" --pairs nowhere.izn keitai.csv jyusyo.txt
expect "an unknown option" 2 /dev/null $'vormak-check: 知らないオプションです: --format3\n'"$usage" \
    --format3 tab keitai.csv jyusyo.txt
echo "an older result" >result.csv
expect "the result file replaces an existing one" 1 listed.txt "" \
    --format2 tab --output result.csv keitai.csv jyusyo.txt
cmp result.csv for_phone.csv || { echo "FAIL: result file bytes differ"; failures=$((failures + 1)); }
expect "an input file is refused as the result file" 2 listed.txt "検査対象ファイルには書き出せません" \
    --format2 tab --output keitai.csv keitai.csv jyusyo.txt
cmp keitai.csv "$examples/keitai.csv" || { echo "FAIL: the input was written"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "vormak-check: every path passed"
exit $((failures > 0))
