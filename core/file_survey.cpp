#include "core/file_survey.h"
#include "core/text_line_reader.h"
#include "core/vcard_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <span>
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

// Titles of today's exports, compared whole and with ASCII letters in any case.
constexpr std::array<std::u16string_view, 7> kWholeNameTitles = {
    u"氏名", u"名前", u"姓名", u"表示名", u"Name", u"Full Name", u"Display Name"};
constexpr std::array<std::u16string_view, 4> kFamilyNameTitles = {u"姓", u"Family Name",
                                                                  u"Last Name", u"Surname"};
constexpr std::array<std::u16string_view, 3> kGivenNameTitles = {u"名", u"Given Name",
                                                                 u"First Name"};
constexpr std::array<std::u16string_view, 3> kEnglishTelWords = {u"Phone", u"phone", u"PHONE"};
// Records looked at to see which telephone column is filled.
constexpr int kRecordsSurveyed = 1000;

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

template <size_t N>
bool isAnyOf(std::u16string_view title, const std::array<std::u16string_view, N>& titles) {
    title = trimmedView(title);
    return std::any_of(titles.begin(), titles.end(), [&](std::u16string_view t) {
        return t.size() == title.size() &&
               std::equal(t.begin(), t.end(), title.begin(),
                          [](char16_t a, char16_t b) { return asciiLower(a) == asciiLower(b); });
    });
}

template <size_t N>
int firstTitled(const FieldBuffer& title, int columns,
                const std::array<std::u16string_view, N>& titles) {
    for (int i = 1; i <= columns; ++i)
        if (isAnyOf(title[i], titles))
            return i;
    return 0;
}

bool holdsDigit(std::u16string_view value) {
    return std::any_of(value.begin(), value.end(), [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
    });
}

// The columns whose title names a telephone: first the one holding a number
// in the most of the first records (the first of them on a tie), then the
// others that hold one at all.
std::vector<int> filledTelColumns(const std::string& path, const FileFormat& format,
                                  char16_t delimiter, const FieldBuffer& title, int columns) {
    std::vector<int> candidates;
    for (int i = 1; i <= columns; ++i)
        if (containsAny(title[i], kTelWords) || containsAny(title[i], kEnglishTelWords))
            candidates.push_back(i);
    if (candidates.size() < 2)
        return candidates;
    std::vector<int> filled(candidates.size(), 0);
    TextRecordReader file(path, format.encoding, format.lineEnds, delimiter);
    std::vector<Text> fields;
    for (int r = 0; r <= kRecordsSurveyed && file.next(fields) == TextRecordReader::Status::Record;
         ++r) {
        if (r == 0) // the title line
            continue;
        for (size_t c = 0; c < candidates.size(); ++c) {
            const auto at = static_cast<size_t>(candidates[c] - 1);
            filled[c] += at < fields.size() && holdsDigit(fields[at]);
        }
    }
    const auto fullest =
        static_cast<size_t>(std::max_element(filled.begin(), filled.end()) - filled.begin());
    std::vector<int> found = {candidates[fullest]};
    for (size_t c = 0; c < candidates.size(); ++c)
        if (c != fullest && filled[c] > 0)
            found.push_back(candidates[c]);
    return found;
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
                       const FieldBuffer& title, const KeyPositions& found) {
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
    // A column as "4「姓」", its number and its title.
    auto titled = [&](int column) {
        out += decimal(column);
        out += u"「";
        out += title[column];
        out += u"」";
    };
    auto position = [&](std::u16string_view word, int column, std::span<const int> joined) {
        out += u"、";
        out += word;
        if (!column) {
            out += u"なし";
            return;
        }
        titled(column);
        for (int more : joined) {
            out += u"+";
            titled(more);
        }
    };
    const int given[] = {found.givenName};
    position(u"氏名=", found.name, std::span(given, found.givenName ? 1 : 0));
    position(u"電話=", found.tel, found.moreTels);
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

KeyPositions exportKeyColumns(const std::string& path, const FileFormat& format, char16_t delimiter,
                              const FieldBuffer& title, int fieldCount) {
    const int columns = std::min(fieldCount, kMaxFields);
    KeyPositions found = KeyItiGet(title, fieldCount);
    if (const int whole = firstTitled(title, columns, kWholeNameTitles)) {
        found.name = whole;
    } else if (const int family = firstTitled(title, columns, kFamilyNameTitles)) {
        found.name = family;
        found.givenName = firstTitled(title, columns, kGivenNameTitles);
    }
    const std::vector<int> tels = filledTelColumns(path, format, delimiter, title, columns);
    found.tel = tels.empty() ? 0 : tels.front();
    if (!tels.empty())
        found.moreTels.assign(tels.begin() + 1, tels.end());
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
