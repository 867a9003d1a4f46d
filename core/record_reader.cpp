#include "core/engine.h"
#include "core/side_controls.h"

#include <algorithm>

namespace vormak {

namespace {

constexpr std::u16string_view kEndOfData = u"データの上限に達しました";
constexpr std::u16string_view kCannotOpen[3] = {u"", u"携帯電話側ファイルが開けません",
                                                u"住所録側ファイルが開けません"};
constexpr std::u16string_view kCannotRead[3] = {u"", u"携帯電話側ファイルが読めません",
                                                u"住所録側ファイルが読めません"};
constexpr std::u16string_view kLineTooLong[3] = {u"", u"携帯電話側ファイルに長すぎる行があります",
                                                 u"住所録側ファイルに長すぎる行があります"};

} // namespace

LineReader& Engine::openSideFile(int Wsx) {
    auto& file = sideFile_[Wsx];
    if (!file) {
        auto opened = std::make_unique<LineReader>(toUtf8(window_.text(sideControls(Wsx).ChkFile)));
        if (!opened->isOpen())
            abandonWith(kCannotOpen[Wsx]);
        file = std::move(opened);
    }
    return *file;
}

bool Engine::sideHasMoreLines(int Wsx) {
    LineReader& file = openSideFile(Wsx);
    if (!file.atEnd())
        return true;
    // atEnd() also holds after a failed read; only a read tells the two apart.
    Text none;
    if (file.readLine(none) == LineReader::Status::Failed)
        abandonWith(kCannotRead[Wsx]);
    return false;
}

void Engine::RecGet(int Wsx) {
    const SideControls& side = sideControls(Wsx);
    const char16_t delimiter = window_.isSelected(side.CsvOpt) ? u',' : u'\t';
    LineReader& file = openSideFile(Wsx);

    Text line;
    switch (file.readLine(line)) {
    case LineReader::Status::End:
        showMessage(kEndOfData);
        return;
    case LineReader::Status::TooLong:
        abandonWith(kLineTooLong[Wsx]);
    case LineReader::Status::Failed:
        abandonWith(kCannotRead[Wsx]);
    case LineReader::Status::Line:
        break;
    }

    // Every delimiter splits, inside quotes too. Fields above the buffer's
    // twenty are counted but not stored.
    const ConversionPairs pairs = readConversionPairs();
    auto& buffer = fldBuf_[Wsx];
    const std::u16string_view rest(line);
    int n = 0;
    size_t start = 0;
    for (;;) {
        size_t p = rest.find(delimiter, start);
        ++n;
        size_t end = p == std::u16string_view::npos ? rest.size() : p;
        if (n <= kMaxFields)
            cleanField(buffer[n], rest.substr(start, end - start), pairs);
        if (p == std::u16string_view::npos)
            break;
        start = p + 1;
    }

    // Fields the line lacks up to the field count become empty; those above
    // both keep what an earlier, longer record left there.
    const int fieldCount = std::min<int>(wholeNumber(window_.text(side.FieldCnt)), kMaxFields);
    for (int i = n + 1; i <= fieldCount; ++i)
        buffer[i].clear();

    cleanKeyFields(Wsx);
}

void Engine::cleanKeyFields(int Wsx) {
    const SideControls& side = sideControls(Wsx);
    const Text nameText = window_.text(side.KanaNameIti);
    const Text telText = window_.text(side.TelNoIti);
    if (nameText.empty() || telText.empty())
        return;
    auto& buffer = fldBuf_[Wsx];
    const int name = wholeNumber(nameText);
    if (name >= 1 && name <= kMaxFields && window_.isChecked("SpcChk"))
        buffer[name] = TumeMoji(TumeMoji(buffer[name], u" "), u"\u3000");
    const int tel = wholeNumber(telText);
    if (tel >= 1 && tel <= kMaxFields && window_.isChecked("HifnChk"))
        buffer[tel] = TumeMoji(buffer[tel], u"-");
}

int Engine::FieldCntGet(std::u16string_view Wk, char16_t WKugiri) {
    LineReader file(toUtf8(Wk));
    Text line;
    if (!file.isOpen() || file.readLine(line) != LineReader::Status::Line || line.empty())
        return 0;
    const auto delimiters = std::count(line.begin(), line.end(), WKugiri);
    return static_cast<int>(std::min<long>(delimiters + 1, 32767));
}

} // namespace vormak
