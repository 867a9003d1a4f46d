// What --help prints, in Japanese and in English, and the usage line shown
// after a mistake on the command line.
#include "cli/command_line.h"

namespace vormak::cli {

const std::u16string_view kUsageLine =
    u"使い方 (usage): vormak-check [オプション] 携帯側ファイル 住所録側ファイル  (--help)";

const std::u16string_view kHelpText =
    uR"(使い方: vormak-check [オプション] 携帯側ファイル 住所録側ファイル
Usage:  vormak-check [OPTIONS] MOBILE_FILE ADDRESS_FILE

携帯電話の電話帳（携帯側）とパソコンの住所録（住所録側）を突き合わせ、検査結果を
1件1行で標準出力に書きます。メッセージは標準エラー出力に出ます。
Cross-checks a phone's contact list (side 1) with a PC address book (side 2)
and writes the findings to standard output, one per line. Messages go to
standard error.

ファイルの形式（省略時はファイルを調べて決めます）
File format (by default, what the inspection of each file finds):
  vCard 2.1/3.0/4.0、CSV・TAB（Shift-JIS、EUC-JP、UTF-8、UTF-16、行末 CR LF/LF）。
  vCard、UTF-8 などの今のファイルでは、読み方と氏名・電話に選んだ見出しを
  標準エラー出力に書きます（位置を指定したときを除く）。
  vCard 2.1/3.0/4.0, CSV or TAB in Shift-JIS, EUC-JP, UTF-8 or UTF-16, CR LF
  or LF; for such a file the titles taken for the name and the number are
  told on standard error, unless both positions are given.
  --format1 csv|tab, --format2 csv|tab  区切り / delimiter (csv)
  --title1 yes|no,   --title2 yes|no    1行目が見出し / first line is a title
  --fields1 N,       --fields2 N        項目数 / number of fields (1-256)
  --name1 N,         --name2 N          氏名位置 / field of the name
  --tel1 N,          --tel2 N           電話位置 / field of the telephone number

検査 / Check:
  --key name|tel    比較項目：氏名か電話番号 / match key (tel)
  --checks DIGITS   行う検査 / checks that are on (12345; "" turns all off)
                      1 携帯側の重複 / duplicates on the phone
                      2 住所録側の重複 / duplicates in the address book
                      3 携帯側にないもの / missing on the phone
                      4 住所録側にないもの / missing in the address book
                      5 もう一方の項目の不一致 / the other item differs
  --keep-blanks     氏名の空白（半角・全角）を詰めない / keep blanks in names
  --keep-hyphens    電話番号のハイフンを詰めない / keep hyphens in numbers
  --fold-readings   読みの表記ゆれを無視（ﾔﾏﾀﾞ＝ヤマダ＝やまだ）
                    compare names with width and kana folded
  --fold-numbers    電話番号の表記を揃える（+81 90-1234-5678＝09012345678）
                    compare numbers in their national form
  --pairs FILE      機種依存文字ファイル / conversion table (./vormak.izn)

結果ファイル / Result file:
  --output FILE     検査の後に書き出す。既存のファイルは置き換えます。
                    write it after the check, replacing an existing file
  --output-for mobile   携帯側の修正用：住所録側の見出し行とレコード
                        （検査3・5）、携帯側の重複レコード（検査1）(default)
                        for correcting the phone: the address book's title
                        line and records (checks 3, 5) and the phone's
                        duplicates (check 1)
  --output-for address  住所録側の修正用：携帯側の見出し行とレコード
                        （検査4・5）、住所録側の重複レコード（検査2）
                        for correcting the address book: the phone's title
                        line and records (checks 4, 5) and the address
                        book's duplicates (check 2)
  --delimiter csv|tab   区切り / delimiter (csv)
  --no-message          メッセージ列を付けない / no message column

その他 / Other:
  --encoding utf-8|cp932  標準出力と標準エラー出力の文字コード
                          encoding of standard output and error (utf-8)
  --help, --version

終了状態 / Exit status:
  0 指摘なし / no findings   1 指摘あり / findings
  2 検査できなかった、または結果ファイルが書けなかった / refused or failed)";

} // namespace vormak::cli
