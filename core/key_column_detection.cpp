#include "core/engine.h"
#include "core/side_controls.h"

#include <algorithm>
#include <array>

namespace vormak {

namespace {

constexpr std::array<std::u16string_view, 9> kNameWords = {
    u"氏名", u"ﾌﾘｶﾞﾅ", u"フリガナ", u"ふりがな", u"ﾅﾏｴ", u"ナマエ", u"仮名", u"名前", u"姓名"};
constexpr std::array<std::u16string_view, 7> kTelWords = {u"電話",   u"ＴＥＬ", u"Ｔｅｌ", u"ﾃﾞﾝﾜ",
                                                          u"デンワ", u"TEL",    u"Tel"};

template <size_t N>
bool containsAny(const Text& title, const std::array<std::u16string_view, N>& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::u16string_view w) { return title.find(w) != Text::npos; });
}

} // namespace

void Engine::ChkFile_LostFocus(int Index) {
    if (operationInProgress_)
        return;
    const SideControls& side = sideControls(Index);
    const char16_t delimiter = window_.isSelected(side.CsvOpt) ? u',' : u'\t';
    window_.setText(side.KanaNameIti, u"");
    window_.setText(side.TelNoIti, u"");
    window_.setText(side.FieldCnt, decimal(FieldCntGet(window_.text(side.ChkFile), delimiter)));
    try {
        KeyItiGet(Index);
    } catch (const OperationAbandoned&) {
        // The file went away between counting and reading; the reason has
        // been shown and the positions stay empty.
    }
}

void Engine::KeyItiGet(int Wsx) {
    const SideControls& side = sideControls(Wsx);
    window_.select(Wsx == 1 ? "KeitaiDsp" : "JyusyoDsp");
    showFirstRecord();
    window_.setText(side.KanaNameIti, u"");
    window_.setText(side.TelNoIti, u"");

    bool nameFound = false, telFound = false;
    const int columns = std::min<int>(wholeNumber(window_.text(side.FieldCnt)), kMaxFields);
    for (int i = 1; i <= columns && !(nameFound && telFound); ++i) {
        const Text& title = fldBuf_[Wsx][i];
        if (!nameFound && containsAny(title, kNameWords)) {
            nameFound = true;
            window_.setText(side.KanaNameIti, decimal(i));
        }
        if (!telFound && containsAny(title, kTelWords)) {
            telFound = true;
            window_.setText(side.TelNoIti, decimal(i));
        }
    }
    window_.setChecked(side.TitleChk, nameFound && telFound);
}

} // namespace vormak
