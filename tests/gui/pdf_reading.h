#pragma once
// Reads printed PDF files back with poppler's pdfinfo and pdftotext.

#include <QString>
#include <QStringList>

#include <cstdio>
#include <string>
#include <vector>

namespace vormak::ui::testing {

inline std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

inline bool popplerAvailable() {
    return !commandOutput("command -v pdftotext pdfinfo").empty();
}

inline std::string quoted(const QString& path) {
    return "'" + path.toStdString() + "'";
}

// "Pages:" and "Page size:" of pdfinfo, e.g. "3 842 x 595".
inline std::string pagesAndSize(const QString& pdf) {
    const std::string info = commandOutput("pdfinfo " + quoted(pdf) + " 2>/dev/null");
    auto field = [&](const std::string& name) {
        size_t at = info.find(name);
        if (at == std::string::npos)
            return std::string();
        size_t from = info.find_first_not_of(' ', at + name.size());
        return info.substr(from, info.find('\n', from) - from);
    };
    std::string size = field("Page size:");
    size = size.substr(0, size.find(" pts"));
    return field("Pages:") + " " + size;
}

// The text lines of one page (0: of every page), as pdftotext reads them. A
// run of blanks comes back as one: pdftotext guesses blanks from the gaps
// between the letters.
inline std::vector<std::u16string> pdfLines(const QString& pdf, int page = 0) {
    const std::string p = std::to_string(page);
    const std::string pages = page == 0 ? std::string() : " -f " + p + " -l " + p;
    const QString text = QString::fromStdString(commandOutput(
        "pdftotext -layout -enc UTF-8" + pages + " " + quoted(pdf) + " - 2>/dev/null"));
    std::vector<std::u16string> lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString simplified = line.simplified();
        if (!simplified.isEmpty())
            lines.push_back(simplified.toStdU16String());
    }
    return lines;
}

} // namespace vormak::ui::testing
