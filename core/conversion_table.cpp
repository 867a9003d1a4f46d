#include "core/cp932.h"
#include "core/engine.h"
#include "core/replacement_file.h"

namespace vormak {

namespace {

// The table file: a bare name, so it lives in the current folder.
constexpr const char* kTableFile = "vormak.izn";
constexpr int kPairs = 4;

// Reads the table file field by field: blanks before a field are skipped; a
// field that begins with a double quote runs to the next double quote and the
// rest up to the comma or the line end is skipped; any other field runs to
// the next comma or line end, with blanks at its ends removed. A field that
// ends at the line end leaves the next field to the next line.
class TableFieldReader {
public:
    explicit TableFieldReader(const std::string& path) : lines_(path) {}

    bool atEnd() { return !lineLeft_ && lines_.atEnd(); }

    // False at the end of the file or when it cannot be read.
    bool next(Text& field) {
        if (!lineLeft_) {
            if (lines_.readLine(line_) != LineReader::Status::Line)
                return false;
            pos_ = 0;
            lineLeft_ = true;
        }
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
        size_t stop;
        if (pos_ < line_.size() && line_[pos_] == u'"') {
            size_t close = line_.find(u'"', pos_ + 1);
            size_t end = close == Text::npos ? line_.size() : close;
            field = line_.substr(pos_ + 1, end - pos_ - 1);
            stop = close == Text::npos ? Text::npos : line_.find(u',', close + 1);
        } else {
            stop = line_.find(u',', pos_);
            field =
                withoutEndBlanks(line_.substr(pos_, stop == Text::npos ? Text::npos : stop - pos_));
        }
        if (stop == Text::npos)
            lineLeft_ = false;
        else
            pos_ = stop + 1;
        return true;
    }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
    static Text withoutEndBlanks(Text text) {
        while (!text.empty() && isBlank(text.back()))
            text.pop_back();
        return text;
    }

    LineReader lines_;
    Text line_;
    size_t pos_ = 0;
    bool lineLeft_ = false; // the current line still has a field to give
};

} // namespace

// "記憶": writes every pair in use, trimmed, as one line "from","to".
void Engine::Command12_Click() {
    Text content;
    for (int i = 0; i < kPairs; ++i) {
        Text from = trimmed(window_.text(indexed("FrMoji", i)));
        if (from.empty())
            continue;
        content +=
            u"\"" + from + u"\",\"" + trimmed(window_.text(indexed("ToMoji", i))) + u"\"\r\n";
    }
    ReplacementFile file(kTableFile);
    file.write(encodeCp932(content));
    if (file.commit() != ReplacementFile::Result::Done)
        showMessage(u"機種依存文字ファイル（vormak.izn）が作成できません");
}

// Fills the pairs from the table file, two fields at a time, lowest index
// first. A missing file, a fifth pair or a pair cut short by the end of the
// file ends the loading silently; boxes not reached keep their contents.
void Engine::loadConversionTable() {
    TableFieldReader fields(kTableFile);
    for (int i = 0; !fields.atEnd(); ++i) {
        Text from, to;
        if (i >= kPairs || !fields.next(from) || !fields.next(to))
            return;
        window_.setText(indexed("FrMoji", i), from);
        window_.setText(indexed("ToMoji", i), to);
    }
}

} // namespace vormak
