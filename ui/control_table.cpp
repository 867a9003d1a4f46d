#include "ui/control_table.h"

namespace vormak::ui {

const char16_t* const kWindowCaption =
    u"ソルベック V1.0a （携帯電話ダイヤルメモリ←→パソコン住所録　相互データチェック）";

namespace {

using K = ControlKind;
using F = FontRole;
constexpr int none = kNoTabStop;
constexpr unsigned lockedBox = Yellow | RightAligned | DirectInput | LockedInOperation;
constexpr unsigned countBox = RightAligned | DirectInput | LockedInOperation;
constexpr unsigned lockedOn = On | LockedInOperation;
constexpr unsigned locked = LockedInOperation;

// Frames, main buttons, the result list and the message line sit where the
// window has always had them (twips). Inner controls are laid out in pixels so
// that every caption fits at the fixed size.
// clang-format off
constexpr ControlRow kControls[] = {
    // ① The two input files; side 2 repeats side 1 96 pixels lower.
    {"Frame1", K::Frame, nullptr, u"① 検査対象のファイル", {120, 120, 5415, 3195}, none, F::Bold, BlueCaption, 4},
    {"Label1", K::Label, "Frame1", u"携 帯 側", fromPixels(8, 20, 68, 21), none, F::Bold, None, 0},
    {"ChkFile(1)", K::TextBox, "Frame1", u"", fromPixels(78, 20, 226, 21), 0, F::Normal, Yellow | locked, 0, u"携帯側 ファイル名"},
    {"Command1", K::Button, "Frame1", u"参照", fromPixels(308, 19, 45, 23), 1, F::Normal, locked, 0, u"携帯側 参照"},
    {"Label17", K::Label, "Frame1", u"形式", fromPixels(8, 43, 30, 21), none, F::Normal, None, 0},
    {"Frame2", K::Group, "Frame1", u"", fromPixels(40, 43, 206, 21), none, F::Normal, None, 0},
    {"CsvOpt(1)", K::Option, "Frame2", u"ｶﾝﾏ形式(CSV)", fromPixels(0, 0, 100, 21), 2, F::Normal, lockedOn, 0, u"携帯側 ｶﾝﾏ形式(CSV)"},
    {"TabOpt(1)", K::Option, "Frame2", u"TAB形式(TXT)", fromPixels(102, 0, 104, 21), 3, F::Normal, locked, 0, u"携帯側 TAB形式(TXT)"},
    {"Label10", K::Label, "Frame1", u"項目数", fromPixels(8, 66, 88, 21), none, F::Normal, None, 0},
    {"FieldCnt(1)", K::TextBox, "Frame1", u"0", fromPixels(98, 66, 44, 21), 4, F::Bold, countBox, 0, u"携帯側 項目数"},
    {"TitleChk(1)", K::CheckBox, "Frame1", u"1行目ﾀｲﾄﾙ行", fromPixels(248, 43, 106, 21), 5, F::Normal, lockedOn, 0, u"携帯側 1行目ﾀｲﾄﾙ行"},
    {"Label11", K::Label, "Frame1", u"総件数", fromPixels(166, 66, 96, 21), none, F::Normal, None, 0},
    {"DtCnt(1)", K::TextBox, "Frame1", u"0", fromPixels(264, 66, 56, 21), none, F::Bold, RightAligned | Disabled, 0, u"携帯側 総件数"},
    {"Label13", K::Label, "Frame1", u"氏名の位置", fromPixels(8, 89, 88, 21), none, F::Normal, None, 0},
    {"KanaNameIti(1)", K::TextBox, "Frame1", u"", fromPixels(98, 89, 44, 21), 6, F::Normal, lockedBox, 0, u"携帯側 氏名の位置"},
    {"Label5", K::Label, "Frame1", u"電話番号の位置", fromPixels(166, 89, 96, 21), none, F::Normal, None, 0},
    {"TelNoIti(1)", K::TextBox, "Frame1", u"", fromPixels(264, 89, 56, 21), 7, F::Normal, lockedBox, 0, u"携帯側 電話番号の位置"},

    {"Label2", K::Label, "Frame1", u"住所録側", fromPixels(8, 116, 68, 21), none, F::Bold, None, 0},
    {"ChkFile(2)", K::TextBox, "Frame1", u"", fromPixels(78, 116, 226, 21), 8, F::Normal, Yellow | locked, 0, u"住所録側 ファイル名"},
    {"Command2", K::Button, "Frame1", u"参照", fromPixels(308, 115, 45, 23), 9, F::Normal, locked, 0, u"住所録側 参照"},
    {"Label18", K::Label, "Frame1", u"形式", fromPixels(8, 139, 30, 21), none, F::Normal, None, 0},
    {"Frame8", K::Group, "Frame1", u"", fromPixels(40, 139, 206, 21), none, F::Normal, None, 0},
    {"CsvOpt(2)", K::Option, "Frame8", u"ｶﾝﾏ形式(CSV)", fromPixels(0, 0, 100, 21), 10, F::Normal, lockedOn, 0, u"住所録側 ｶﾝﾏ形式(CSV)"},
    {"TabOpt(2)", K::Option, "Frame8", u"TAB形式(TXT)", fromPixels(102, 0, 104, 21), 11, F::Normal, locked, 0, u"住所録側 TAB形式(TXT)"},
    {"Label3", K::Label, "Frame1", u"項目数", fromPixels(8, 162, 88, 21), none, F::Normal, None, 0},
    {"FieldCnt(2)", K::TextBox, "Frame1", u"0", fromPixels(98, 162, 44, 21), 12, F::Bold, countBox, 0, u"住所録側 項目数"},
    {"TitleChk(2)", K::CheckBox, "Frame1", u"1行目ﾀｲﾄﾙ行", fromPixels(248, 139, 106, 21), 13, F::Normal, lockedOn, 0, u"住所録側 1行目ﾀｲﾄﾙ行"},
    {"Label12", K::Label, "Frame1", u"総件数", fromPixels(166, 162, 96, 21), none, F::Normal, None, 0},
    {"DtCnt(2)", K::TextBox, "Frame1", u"0", fromPixels(264, 162, 56, 21), none, F::Bold, RightAligned | Disabled, 0, u"住所録側 総件数"},
    {"Label7", K::Label, "Frame1", u"氏名の位置", fromPixels(8, 185, 88, 21), none, F::Normal, None, 0},
    {"KanaNameIti(2)", K::TextBox, "Frame1", u"", fromPixels(98, 185, 44, 21), 14, F::Normal, lockedBox, 0, u"住所録側 氏名の位置"},
    {"Label8", K::Label, "Frame1", u"電話番号の位置", fromPixels(166, 185, 96, 21), none, F::Normal, None, 0},
    {"TelNoIti(2)", K::TextBox, "Frame1", u"", fromPixels(264, 185, 56, 21), 15, F::Normal, lockedBox, 0, u"住所録側 電話番号の位置"},

    // ② The match key.
    {"Frame5", K::Frame, nullptr, u"② 突合キーに使用する項目", {120, 3420, 4275, 675}, none, F::Bold, BlueCaption, 5},
    {"KanaNameHikaku", K::Option, "Frame5", u"氏名", fromPixels(24, 20, 90, 20), 16, F::Normal, locked, 0},
    {"TelNoHikaku", K::Option, "Frame5", u"電話番号", fromPixels(140, 20, 110, 20), 17, F::Normal, lockedOn, 0},

    // ③ Normalisation before the check.
    {"Frame6", K::Frame, nullptr, u"③ 検査前文字変換", {120, 4260, 4275, 675}, none, F::Bold, BlueCaption, 6},
    {"SpcChk", K::CheckBox, "Frame6", u"氏名の空白詰める", fromPixels(12, 20, 128, 20), 72, F::Normal, lockedOn, 0},
    {"HifnChk", K::CheckBox, "Frame6", u"電話のﾊｲﾌﾝ詰める", fromPixels(146, 20, 132, 20), 73, F::Normal, lockedOn, 0},
    // Beside the caption: the comparison folds of the option menu that are on.
    {"FoldIndicator", K::Label, "Frame6", u"", fromPixels(150, 0, 128, 16), none, F::Normal, RightAligned, 0},

    // ④ The checks; their captions follow the match key.
    {"Frame4", K::Frame, nullptr, u"④ 検査項目", {4620, 3360, 4695, 1575}, none, F::Bold, BlueCaption, 7},
    {"DblChkK", K::CheckBox, "Frame4", u"", fromPixels(12, 19, 296, 17), 23, F::Normal, lockedOn, 0},
    {"DblChkJ", K::CheckBox, "Frame4", u"", fromPixels(12, 36, 296, 17), 24, F::Normal, lockedOn, 0},
    {"KNonChk", K::CheckBox, "Frame4", u"", fromPixels(12, 53, 296, 17), 25, F::Normal, lockedOn, 0},
    {"JNonChk", K::CheckBox, "Frame4", u"", fromPixels(12, 70, 296, 17), 26, F::Normal, lockedOn, 0},
    {"SubKeyErrChk", K::CheckBox, "Frame4", u"", fromPixels(12, 87, 296, 17), 85, F::Normal, lockedOn, 0},

    // Record viewer.
    {"Frame3", K::Frame, nullptr, u"検査対象ﾌｧｲﾙ 内容確認", {5640, 60, 3675, 3195}, none, F::Bold, None, 10},
    {"KeitaiDsp", K::Option, "Frame3", u"携帯側", fromPixels(12, 20, 80, 20), 18, F::Normal, On, 0, u"内容確認 携帯側"},
    {"JyusyoDsp", K::Option, "Frame3", u"住所録側", fromPixels(100, 20, 90, 20), 19, F::Normal, None, 0, u"内容確認 住所録側"},
    {"Command5", K::Button, "Frame3", u"次データ(N)", fromPixels(8, 44, 108, 24), 20, F::Normal, locked, 0},
    {"Command6", K::Button, "Frame3", u"最初のデータ(&T)", fromPixels(122, 44, 115, 24), 21, F::Normal, locked, 0},
    {"RecLst", K::List, "Frame3", u"", fromPixels(8, 74, 229, 131), 22, F::Normal, None, 0, u"検査対象ﾌｧｲﾙ 内容"},

    // ⑤ Start, printing, result file, exit, help.
    {"Command3", K::Button, nullptr, u"⑤　検査開始(&G)", {9600, 60, 2235, 555}, 28, F::Bold, locked, 8},
    {"Command8", K::Button, nullptr, u"結果印刷(&L)", {9600, 720, 2235, 555}, 29, F::Bold, locked, 11},
    {"Frame7", K::Frame, nullptr, u"検査結果をﾌｧｲﾙへ書出し", {9480, 1440, 2475, 3135}, none, F::Bold, None, 12},
    {"Frame9", K::Group, "Frame7", u"", fromPixels(8, 18, 150, 42), none, F::Normal, None, 0},
    {"KOutOpt", K::Option, "Frame9", u"携帯側の修正用", fromPixels(0, 0, 150, 20), 30, F::Normal, lockedOn, 0},
    {"JOutOpt", K::Option, "Frame9", u"住所録側の修正用", fromPixels(0, 21, 150, 20), 31, F::Normal, locked, 0},
    {"ChkMsgOut", K::CheckBox, "Frame7", u"結果ﾒｯｾｰｼﾞも出力", fromPixels(8, 62, 150, 20), 32, F::Normal, lockedOn, 0},
    {"Label4", K::Label, "Frame7", u"結果ファイル名", fromPixels(8, 86, 100, 22), none, F::Normal, None, 0},
    {"Command10", K::Button, "Frame7", u"参照", fromPixels(116, 85, 42, 24), 33, F::Normal, locked, 0, u"結果ファイル 参照"},
    {"KekkaFile", K::TextBox, "Frame7", u"", fromPixels(8, 111, 150, 22), 34, F::Normal, locked, 0, u"結果ファイル名"},
    {"Frame11", K::Group, "Frame7", u"", fromPixels(8, 136, 150, 42), none, F::Normal, None, 0},
    {"KCsvOpt", K::Option, "Frame11", u"ｶﾝﾏ形式(CSV)", fromPixels(0, 0, 150, 20), 35, F::Normal, lockedOn, 0, u"結果ファイル ｶﾝﾏ形式(CSV)"},
    {"KTabOpt", K::Option, "Frame11", u"TAB形式(TXT)", fromPixels(0, 21, 150, 20), 36, F::Normal, locked, 0, u"結果ファイル TAB形式(TXT)"},
    {"Command9", K::Button, "Frame7", u"ﾌｧｲﾙ書出し(&O)", fromPixels(8, 180, 150, 24), 37, F::Normal, locked, 0},
    {"Command4", K::Button, nullptr, u"処理終了(&X)", {9600, 4800, 2235, 555}, 38, F::Bold, None, 0},
    {"Command13", K::Button, nullptr, u"ヘルプ(&H)", {9600, 5460, 2235, 555}, 39, F::Bold, None, 1},

    // Conversion pairs.
    {"Frame10", K::Frame, nullptr, u"携帯機種依存文字", {9780, 6120, 1875, 2235}, none, F::Bold, None, 13},
    {"FrMoji(0)", K::TextBox, "Frame10", u"﨑", fromPixels(22, 20, 30, 22), 40, F::Normal, OneCharacter | locked, 0, u"機種依存文字1 変換前"},
    {"Label6", K::Label, "Frame10", u"→", fromPixels(54, 20, 18, 22), none, F::Normal, None, 0},
    {"ToMoji(0)", K::TextBox, "Frame10", u"崎", fromPixels(74, 20, 30, 22), 41, F::Normal, OneCharacter | locked, 0, u"機種依存文字1 変換後"},
    {"FrMoji(1)", K::TextBox, "Frame10", u"", fromPixels(22, 45, 30, 22), 42, F::Normal, OneCharacter | locked, 0, u"機種依存文字2 変換前"},
    {"Label9", K::Label, "Frame10", u"→", fromPixels(54, 45, 18, 22), none, F::Normal, None, 0},
    {"ToMoji(1)", K::TextBox, "Frame10", u"", fromPixels(74, 45, 30, 22), 43, F::Normal, OneCharacter | locked, 0, u"機種依存文字2 変換後"},
    {"FrMoji(2)", K::TextBox, "Frame10", u"", fromPixels(22, 70, 30, 22), 44, F::Normal, OneCharacter | locked, 0, u"機種依存文字3 変換前"},
    {"Label14", K::Label, "Frame10", u"→", fromPixels(54, 70, 18, 22), none, F::Normal, None, 0},
    {"ToMoji(2)", K::TextBox, "Frame10", u"", fromPixels(74, 70, 30, 22), 45, F::Normal, OneCharacter | locked, 0, u"機種依存文字3 変換後"},
    {"FrMoji(3)", K::TextBox, "Frame10", u"", fromPixels(22, 95, 30, 22), 46, F::Normal, OneCharacter | locked, 0, u"機種依存文字4 変換前"},
    {"Label15", K::Label, "Frame10", u"→", fromPixels(54, 95, 18, 22), none, F::Normal, None, 0},
    {"ToMoji(3)", K::TextBox, "Frame10", u"", fromPixels(74, 95, 30, 22), 47, F::Normal, OneCharacter | locked, 0, u"機種依存文字4 変換後"},
    {"Command12", K::Button, "Frame10", u"記憶", fromPixels(22, 121, 82, 24), 48, F::Normal, locked, 0},

    // Result list.
    {"KekkaLst", K::Frame, nullptr, u"検査結果リスト", {120, 4980, 9195, 2895}, none, F::Bold, RedCaption, 9},
    {"ChkLst", K::List, "KekkaLst", u"", {120, 240, 8955, 2400}, 27, F::Fixed, MultiSelect | Hidden, 0, u"検査結果リスト"},
    // Beside the caption: how many lines the list holds.
    {"FindingCount", K::Label, "KekkaLst", u"", fromPixels(118, 0, 120, 16), none, F::Normal, Hidden, 0},
    {"Command11", K::Button, "KekkaLst", u"選択された部分を検索結果リストから削除(&D)", fromPixels(305, 176, 300, 16), 76, F::Normal, locked, 0},

    // Message line.
    {"Label16", K::Label, nullptr, u"処理メッセージ", {300, 8040, 1455, 255}, none, F::Normal, None, 0},
    {"JikkouMsg", K::Label, nullptr, u"①から④の順に指定して⑤を実行して下さい", {1980, 7980, 6795, 435}, none, F::Message, None, 0},
};
// clang-format on

} // namespace

std::span<const ControlRow> controlTable() {
    return kControls;
}

} // namespace vormak::ui
