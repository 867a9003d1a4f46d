#include "fake_window.h"

#include "core/engine.h"

namespace vormak::testing {

FakeWindow::FakeWindow() {
    // Text boxes and labels with the texts the window starts with.
    for (int side = 1; side <= 2; ++side) {
        texts_[indexed("ChkFile", side)] = u"";
        texts_[indexed("FieldCnt", side)] = u"0";
        texts_[indexed("DtCnt", side)] = u"0";
        texts_[indexed("KanaNameIti", side)] = u"";
        texts_[indexed("TelNoIti", side)] = u"";
        texts_[indexed("HikakuFldIti", side)] = u"1";
        texts_[indexed("Hikaku2FldIti", side)] = u"1";
        checked_[indexed("TitleChk", side)] = true;
    }
    for (int i = 0; i <= 3; ++i) {
        texts_[indexed("FrMoji", i)] = i == 0 ? u"﨑" : u"";
        texts_[indexed("ToMoji", i)] = i == 0 ? u"崎" : u"";
    }
    texts_["KekkaFile"] = u"";
    texts_["JikkouMsg"] = u"①から④の順に指定して⑤を実行して下さい";
    for (const char* box : {"SpcChk", "HifnChk", "DblChkK", "DblChkJ", "KNonChk", "JNonChk",
                            "SubKeyErrChk", "ChkMsgOut"})
        checked_[box] = true;

    // Option groups; the first of each is selected at start, except the key
    // choice, which the load handler sets.
    optionGroups_ = {{"CsvOpt(1)", {"CsvOpt(1)", "TabOpt(1)"}},
                     {"CsvOpt(2)", {"CsvOpt(2)", "TabOpt(2)"}},
                     {"KanaNameHikaku", {"KanaNameHikaku", "TelNoHikaku"}},
                     {"KeitaiDsp", {"KeitaiDsp", "JyusyoDsp"}},
                     {"KOutOpt", {"KOutOpt", "JOutOpt"}},
                     {"KCsvOpt", {"KCsvOpt", "KTabOpt"}}};
    selected_ = {"CsvOpt(1)", "CsvOpt(2)", "TelNoHikaku", "KeitaiDsp", "KOutOpt", "KCsvOpt"};
    lists_["ChkLst"];
    lists_["RecLst"];
}

void FakeWindow::setText(std::string_view control, std::u16string_view text) {
    texts_.at(key(control)) = std::u16string(text);
}

void FakeWindow::select(std::string_view option) {
    for (const auto& [first, members] : optionGroups_) {
        if (std::find(members.begin(), members.end(), option) == members.end())
            continue;
        for (const auto& m : members)
            selected_.erase(m);
        selected_.insert(key(option));
        return;
    }
    throw std::out_of_range("no such option button: " + key(option));
}

void FakeWindow::listAdd(std::string_view list, std::u16string_view line) {
    auto& l = lists_.at(key(list));
    if (list == "ChkLst") {
        // Sorted into place, after any equal line.
        auto at = std::upper_bound(l.begin(), l.end(), line,
                                   [](std::u16string_view v, const Line& e) { return v < e.text; });
        l.insert(at, Line{std::u16string(line)});
    } else {
        l.push_back(Line{std::u16string(line)});
    }
}

const std::vector<FakeWindow::Line>& FakeWindow::lines(std::string_view list) const {
    return lists_.at(key(list));
}

std::vector<std::u16string> FakeWindow::listLines(std::string_view list) const {
    std::vector<std::u16string> out;
    for (const auto& l : lines(list))
        out.push_back(l.text);
    return out;
}

MessageAnswer FakeWindow::message(std::u16string_view text, MessageButtons buttons,
                                  MessageIcon icon, std::u16string_view title) {
    messages.push_back({std::u16string(text), buttons, icon, std::u16string(title)});
    if (!answers.empty()) {
        MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool FakeWindow::yield() {
    ++yields;
    return onYield ? onYield() : true;
}

std::vector<std::u16string> FakeWindow::messageTexts() const {
    std::vector<std::u16string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

} // namespace vormak::testing
