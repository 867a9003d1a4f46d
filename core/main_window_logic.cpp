#include "core/engine.h"
#include "core/side_controls.h"

namespace vormak {

void Engine::Form_Load() {
    window_.setVisible("ChkLst", false);
    window_.select("TelNoHikaku");
    ChkBoxUp(2);
    loadConversionTable();
}

void Engine::ChkBoxUp(int Wsw) {
    const std::u16string_view key = Wsw == 1 ? u"氏名" : u"電話番号";
    const std::u16string_view other = Wsw == 1 ? u"電話番号" : u"氏名";
    window_.setCaption("DblChkK", u"1．携帯側の同一" + Text(key) + u"重複データ");
    window_.setCaption("DblChkJ", u"2．住所録側の同一" + Text(key) + u"重複データ");
    window_.setCaption("KNonChk", u"3．" + Text(key) + u"データが、携帯側にないもの");
    window_.setCaption("JNonChk", u"4．" + Text(key) + u"データが、住所録側にないもの");
    window_.setCaption("SubKeyErrChk",
                       u"5．同一" + Text(key) + u"で" + Text(other) + u"が一致しないデータ");
}

namespace {

// The hidden key-column boxes of one side follow its two position boxes, the
// match-key column first. The texts are copied as they stand.
void copyKeyColumns(Window& window, int side, bool nameIsKey) {
    const SideControls& c = sideControls(side);
    const Text name = window.text(c.KanaNameIti);
    const Text tel = window.text(c.TelNoIti);
    window.setText(c.HikakuFldIti, nameIsKey ? name : tel);
    window.setText(c.Hikaku2FldIti, nameIsKey ? tel : name);
}

} // namespace

void Engine::KanaNameHikaku_Click() {
    copyKeyColumns(window_, 1, true);
    copyKeyColumns(window_, 2, true);
    ChkBoxUp(1);
}

void Engine::TelNoHikaku_Click() {
    copyKeyColumns(window_, 1, false);
    copyKeyColumns(window_, 2, false);
    ChkBoxUp(2);
}

void Engine::KanaNameIti_Change(int Index) {
    copyKeyColumns(window_, Index, window_.isSelected("KanaNameHikaku"));
}

void Engine::TelNoIti_Change(int Index) {
    copyKeyColumns(window_, Index, !window_.isSelected("TelNoHikaku"));
}

} // namespace vormak
