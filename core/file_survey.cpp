#include "core/file_survey.h"
#include "core/text_line_reader.h"
#include "core/vcard_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormak {

namespace {

constexpr std::array<std::u16string_view, 9> kNameWords = {
    u"氏名", u"ﾌﾘｶﾞﾅ", u"フリガナ", u"ふりがな", u"ﾅﾏｴ", u"ナマエ", u"仮名", u"名前", u"姓名"};
constexpr std::array<std::u16string_view, 7> kTelWords = {u"電話",   u"ＴＥＬ", u"Ｔｅｌ", u"ﾃﾞﾝﾜ",
                                                          u"デンワ", u"TEL",    u"Tel"};

template <size_t N>
bool containsAny(std::u16string_view title, const std::array<std::u16string_view, N>& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::u16string_view w) { return title.find(w) != Text::npos; });
}

} // namespace

int FieldCntGet(const std::string& path, char16_t delimiter) {
    FileFormat format;
    if (findFileFormat(path, delimiter, format) != FormatResult::Known)
        return 0;
    switch (format.kind) {
    case FileFormat::Kind::VCard:
        return static_cast<int>(VCardReader::titleLine().size());
    case FileFormat::Kind::Text: {
        TextRecordReader file(path, format.encoding, format.lineEnds, delimiter);
        std::vector<Text> fields;
        if (file.next(fields) != TextRecordReader::Status::Record ||
            (fields.size() == 1 && fields[0].empty()))
            return 0;
        return static_cast<int>(std::min<size_t>(fields.size(), 32767));
    }
    case FileFormat::Kind::Classic:
        break;
    }
    LineReader file(path);
    Text line;
    if (!file.isOpen() || file.readLine(line) != LineReader::Status::Line || line.empty())
        return 0;
    return SideReader::fieldCountOf(line, delimiter);
}

bool firstLineTooLong(const std::string& path, char16_t delimiter) {
    FileFormat format;
    if (findFileFormat(path, delimiter, format) != FormatResult::Known)
        return false;
    if (format.kind == FileFormat::Kind::Classic) {
        LineReader file(path);
        Text line;
        return file.readLine(line) == LineReader::Status::TooLong;
    }
    if (format.kind == FileFormat::Kind::Text) {
        TextRecordReader file(path, format.encoding, format.lineEnds, delimiter);
        std::vector<Text> fields;
        return file.next(fields) == TextRecordReader::Status::TooLong;
    }
    return false;
}

Text formatDescription(Side side, const FileFormat& format, const std::string& path, int fieldCount,
                       const FieldBuffer& title, KeyPositions found) {
    Text out = side == Side::Mobile ? u"携帯側: " : u"住所録側: ";
    if (format.kind == FileFormat::Kind::VCard) {
        VCardReader file(path);
        std::vector<Text> record;
        int count = 0;
        while (file.next(record) == VCardReader::Status::Record)
            ++count;
        out += u"vCard";
        if (!file.versionSeen().empty())
            (out += u' ') += fromUtf8(file.versionSeen());
        return out + u"、" + decimal(count) + u"件";
    }
    static constexpr std::u16string_view kNames[] = {u"Shift-JIS",   u"EUC-JP",   u"UTF-8",
                                                     u"UTF-8 (BOM)", u"UTF-16LE", u"UTF-16BE"};
    out += kNames[static_cast<int>(format.encoding)];
    out += format.lineEnds == LineEnds::Lf ? u"、LF、" : u"、CR LF、";
    out += decimal(fieldCount) + u"項目";
    auto position = [&](std::u16string_view word, int column) {
        out += u"、";
        out += word;
        out += column ? decimal(column) + u"「" + title[column] + u"」" : Text(u"なし");
    };
    position(u"氏名=", found.name);
    position(u"電話=", found.tel);
    return out;
}

KeyPositions KeyItiGet(const FieldBuffer& title, int fieldCount) {
    KeyPositions found;
    const int columns = std::min(fieldCount, kMaxFields);
    for (int i = 1; i <= columns && !found.bothFound(); ++i) {
        if (!found.name && containsAny(title[i], kNameWords))
            found.name = i;
        if (!found.tel && containsAny(title[i], kTelWords))
            found.tel = i;
    }
    return found;
}

FileProblem fileProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileProblem::NotFound
                                                   : FileProblem::CannotOpen;
    if (S_ISDIR(st.st_mode))
        return FileProblem::Folder;
    if (!S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0)
        return FileProblem::CannotOpen;
    if (st.st_size == 0)
        return FileProblem::Empty;
    FileFormat format;
    return findFileFormat(path, u',', format) == FormatResult::NotText ? FileProblem::NotText
                                                                       : FileProblem::None;
}

Text fileProblemText(FileProblem problem, Side side) {
    const Text name = side == Side::Mobile ? u"携帯電話側ファイル" : u"住所録側ファイル";
    switch (problem) {
    case FileProblem::NotFound:
        return name + u"が見つかりません";
    case FileProblem::Folder:
        return name + u"はフォルダです";
    case FileProblem::CannotOpen:
        return name + u"が開けません";
    case FileProblem::Empty:
        return name + u"は空です";
    case FileProblem::NotText:
        return name + u"の形式が判別できません";
    case FileProblem::LineTooLong:
        return name + u"に長すぎる行があります";
    case FileProblem::None:
        break;
    }
    return {};
}

} // namespace vormak
