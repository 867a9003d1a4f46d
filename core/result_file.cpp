#include "core/cp932.h"
#include "core/engine.h"
#include "core/replacement_file.h"
#include "core/side_controls.h"

#include <sys/stat.h>

namespace vormak {

namespace {

// Columns 1..n of a record joined with the delimiter (no delimiter after the
// last one). n is EndSx when given, else the side's field count; columns
// beyond the 20 a record holds do not exist.
template <typename Fields> Text joined(const Fields& fields, int n, char16_t delimiter) {
    Text line;
    for (int c = 1; c <= std::min(n, kMaxFields); ++c) {
        if (c > 1)
            line += delimiter;
        line += fields[c];
    }
    return line;
}

// Length of a plain file; 0 when it does not exist or cannot be examined.
long long fileLength(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return st.st_size;
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

const char16_t* sideName(int side) {
    return side == 1 ? u"携帯電話側" : u"住所録側";
}

} // namespace

int Engine::recordWidth(int Wsx, std::optional<int> EndSx) const {
    return EndSx ? *EndSx : wholeNumber(window_.text(sideControls(Wsx).FieldCnt));
}

Text Engine::RecPut(int Wsx, int WCnt, char16_t WKugiri, std::optional<int> EndSx) const {
    return joined(keyTbl_[Wsx][WCnt], recordWidth(Wsx, EndSx), WKugiri);
}

Text Engine::RecPut2(int Wsx, char16_t WKugiri, std::optional<int> EndSx) const {
    return joined(fldBuf_[Wsx], recordWidth(Wsx, EndSx), WKugiri);
}

// The records the result list names for the output side: checks 1, 3 and 5
// for correcting the mobile side (address-book entries), checks 2, 4 and 5
// for correcting the address book (mobile entries). A duplicate line (check 1
// or 2) names an entry of its own side, so that entry is the one written.
std::vector<Engine::ResultRecord> Engine::resultRecords(int outputSide) const {
    std::vector<ResultRecord> records;
    const int count = window_.listCount("ChkLst");
    for (int i = 0; i < count; ++i) {
        const Text line = window_.listLine("ChkLst", i);
        if (line.empty())
            continue;
        const int check = line[0] - u'0';
        int side = 0;
        int from = 2; // entry number at characters 3 to 5
        if (outputSide == 2 && (check == 1 || check == 3 || check == 5)) {
            side = check == 1 ? 1 : 2;
            from = check == 5 ? 5 : 2; // check 5: the side-2 number at 6 to 8
        } else if (outputSide == 1 && (check == 2 || check == 4 || check == 5)) {
            side = check == 2 ? 2 : 1;
        } else {
            continue;
        }
        const int entry = wholeNumber(line.size() > size_t(from) ? line.substr(from, 3) : Text());
        if (entry < 1 || entry > kMaxEntries)
            continue;
        const size_t messageAt = check == 5 ? 8 : 5;
        records.push_back({side, entry, line.size() > messageAt ? line.substr(messageAt) : Text()});
    }
    return records;
}

// A side's field count as the output needs it: present and 1 to 20.
bool Engine::outputFieldCountUsable(int side) {
    const Text count = window_.text(sideControls(side).FieldCnt);
    if (numericValue(count) == 0) {
        showMessage(side == 1 ? u"携帯電話側ファイルが指定されていません"
                              : u"住所録側ファイルが指定されていません ");
        return false;
    }
    if (!isWholeNumberIn(count, 1, kMaxFields)) {
        showMessage(Text(sideName(side)) + u" 項目数が正しくありません");
        return false;
    }
    return true;
}

// "ﾌｧｲﾙ書出し": writes the records named by the result list into the result
// file, for correcting the chosen side. The file is written beside the target
// and put in its place only when complete, so a failed output leaves the old
// file as it was.
void Engine::Command9_Click() {
    if (operationInProgress())
        return;
    const Text name = window_.text("KekkaFile");
    if (name.empty()) {
        showMessage(u"結果ファイルが指定されていません");
        return;
    }
    const std::string path = toUtf8(name);
    for (int side = 1; side <= 2; ++side) {
        const Text input = window_.text(sideControls(side).ChkFile);
        if (!input.empty() && sameFile(path, toUtf8(input))) {
            showMessage(u"検査対象ファイルには書き出せません");
            return;
        }
    }
    const int outputSide = window_.isSelected("KOutOpt") ? 2 : 1;
    const std::vector<ResultRecord> records = resultRecords(outputSide);
    bool sideUsed[3] = {false, false, false};
    sideUsed[outputSide] = true;
    for (const auto& r : records)
        sideUsed[r.side] = true;
    for (int side = 1; side <= 2; ++side)
        if (sideUsed[side] && !outputFieldCountUsable(side))
            return;
    if (fileLength(path) > 0 &&
        window_.message(u"既存のファイルです。\r書き換えてもいいですか？", MessageButtons::YesNo,
                        MessageIcon::None, u"Vormak") != MessageAnswer::Yes)
        return;

    window_.setText("JikkouMsg", u"結果ファイル出力中！");
    ReplacementFile::Result result;
    try {
        OperationScope scope(*this);
        yieldOrAbandon();
        result = writeResultFile(path, outputSide, records);
    } catch (const OperationAbandoned& abandoned) {
        if (!abandoned.windowClosed)
            window_.setText("JikkouMsg", u"出 力 中 止");
        return;
    }
    if (result != ReplacementFile::Result::Done) {
        window_.setText("JikkouMsg", u"出 力 中 止");
        showMessage(result == ReplacementFile::Result::CannotCreate
                        ? u"結果ファイルが作成できません"
                        : u"結果ファイルの書込みに失敗しました");
        return;
    }
    window_.setText("JikkouMsg", u"出 力 終 了");
    window_.yield();
}

ReplacementFile::Result Engine::writeResultFile(const std::string& path, int outputSide,
                                                const std::vector<ResultRecord>& records) {
    const char16_t delimiter = window_.isSelected("KCsvOpt") ? u',' : u'\t';
    const bool withMessage = window_.isChecked("ChkMsgOut");
    ReplacementFile file(path);
    if (!file.isOpen())
        return ReplacementFile::Result::CannotCreate;
    auto put = [&](Text line, std::u16string_view message) {
        // The message column follows the record's own fields, even for a
        // side of 20 fields; nothing of it is kept in the tables.
        if (withMessage)
            (line += delimiter) += message;
        file.write(encodeCp932(line + u"\r\n"));
    };
    if (window_.isChecked(sideControls(outputSide).TitleChk)) {
        // The title line is the side's first line, read through the viewer,
        // which shows it as well.
        window_.select(outputSide == 1 ? "KeitaiDsp" : "JyusyoDsp");
        showFirstRecord();
        put(RecPut2(outputSide, delimiter), u"ｴﾗｰﾒｯｾｰｼﾞ");
    }
    for (const auto& r : records)
        put(RecPut(r.side, r.entry, delimiter), r.message);
    return file.commit();
}

} // namespace vormak
