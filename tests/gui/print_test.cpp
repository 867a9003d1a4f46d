// The print button into a PDF file, read back with poppler's pdfinfo and
// pdftotext; and, when scripts/cups-print-test.sh has set up a CUPS scheduler
// with a PDF printer, a job on the system's default printer.

#include "form_fixture.h"

#include "ui/system_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <chrono>
#include <cstdio>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// The page count and the size of the first page in points, e.g. "3 842 x 595".
std::string pagesAndSize(const QString& pdf) {
    return QString::fromStdString(
               commandOutput("pdfinfo '" + pdf.toStdString() +
                             "' 2>/dev/null | sed -nE 's/^Pages: +//p; s/^Page size: +([0-9.]+ x "
                             "[0-9.]+).*/\\1/p'"))
        .simplified()
        .toStdString();
}

// The text lines of one page as pdftotext reads them; it guesses blanks from
// the gaps between the letters, so a run of blanks comes back as one.
Lines pdfLines(const QString& pdf, int page) {
    const std::string p = std::to_string(page);
    const QString text = QString::fromStdString(commandOutput(
        "pdftotext -layout -enc UTF-8 -f " + p + " -l " + p + " '" + pdf.toStdString() + "' -"));
    Lines lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (!line.simplified().isEmpty())
            lines.push_back(line.simplified().toStdU16String());
    return lines;
}

// `count` distinct result lines, each as long as a real one.
Lines resultLines(int count, const std::u16string& blanks = u"   ") {
    Lines lines;
    for (int i = 1; i <= count; ++i) {
        const auto n = QString::number(i).rightJustified(3, u'0').toStdU16String();
        lines.push_back(u"3:" + n + blanks +
                        u"住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ﾔﾏﾀﾞﾀﾛｳ、電話=0901234" +
                        n + u"）");
    }
    return lines;
}

// A check whose address book holds the numbers of resultLines(count) and
// whose phone holds none of them.
class ListedFindings : public FormTest {
protected:
    void checkMissing(int count) {
        Lines address = {u"氏名,電話番号"};
        for (int i = 1; i <= count; ++i) {
            const auto n = QString::number(i).rightJustified(3, u'0').toStdU16String();
            address.push_back(u"ﾔﾏﾀﾞﾀﾛｳ,0901234" + n);
        }
        checkFiles({u"氏名,電話番号"}, address);
    }
};

class Print : public ListedFindings {
protected:
    Print() {
        printerFactory() = [this] { return std::make_unique<SystemPrinter>(pdf); };
    }
    ~Print() override {
        printerFactory() = [] { return std::make_unique<SystemPrinter>(); };
    }
    QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
};

// At 12 points a landscape A4 page holds about forty lines: three pages for a
// hundred, every line whole, once, in list order.
TEST_F(Print, TheListFillsLandscapeA4PagesInOrder) {
    if (commandOutput("command -v pdftotext pdfinfo").empty())
        GTEST_SKIP() << "pdftotext/pdfinfo not installed (poppler-utils)";
    start();
    click("Command8");
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "an empty list prints nothing";
    EXPECT_EQ(text("JikkouMsg"), u"印刷する結果がありません");
    checkMissing(100);
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(text("JikkouMsg"), u"3ページを printed.pdf に印刷しました");
    ASSERT_EQ(pagesAndSize(pdf), "3 842 x 595");
    Lines printed;
    for (int page = 1; page <= 3; ++page) {
        const Lines onPage = pdfLines(pdf, page);
        EXPECT_GE(onPage.size(), page < 3 ? 35u : 10u) << page;
        printed.insert(printed.end(), onPage.begin(), onPage.end());
    }
    EXPECT_EQ(printed, resultLines(100, u" "));
    EXPECT_EQ(lines("ChkLst"), resultLines(100));
}

TEST_F(Print, APrinterThatFailsIsReported) {
    start();
    pdf = QStringLiteral("/nonexistent-folder/printed.pdf");
    checkMissing(1);
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{u"印刷できません"});
    EXPECT_EQ(text("JikkouMsg"), u"印刷データが作成できません");
    EXPECT_EQ(lines("ChkLst").size(), 1u);
}

// Printed on the system's default printer, as set up by the script.
// On the system's default printer, as the script sets it up.
class PrintOnCups : public ListedFindings {};
using PrintOnRefusingCups = PrintOnCups;

TEST_F(PrintOnCups, AJobOnTheDefaultPrinterArrivesWithTheLandscapePageCount) {
    const QString outFolder = qEnvironmentVariable("VORMAK_CUPS_OUTPUT");
    if (outFolder.isEmpty())
        GTEST_SKIP() << "no CUPS test printer (run by scripts/cups-print-test.sh)";
    checkMissing(100);
    click("Command8");
    ASSERT_EQ(messageTexts(), Lines{});
    QString arrived;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (arrived.isEmpty() && std::chrono::steady_clock::now() < deadline) {
        const auto found = QDir(outFolder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
        // The file is complete once the printer has finished with it.
        if (!found.isEmpty() && commandOutput("lpstat -o 2>/dev/null").empty())
            arrived = found.first().filePath();
        else
            QThread::msleep(200);
    }
    ASSERT_FALSE(arrived.isEmpty()) << "no PDF arrived from the printer within two minutes";
    // The printer may turn landscape pages into A4 sheets with the text turned;
    // the page count is that of the landscape layout (portrait needs two).
    const std::string got = pagesAndSize(arrived);
    std::printf("arrived: %s (%s)\n", arrived.toStdString().c_str(), got.c_str());
    EXPECT_TRUE(got == "3 595 x 842" || got == "3 842 x 595") << got;
}

TEST_F(PrintOnRefusingCups, AJobTheDefaultPrinterRefusesIsReported) {
    if (qEnvironmentVariableIsEmpty("VORMAK_CUPS_REFUSING"))
        GTEST_SKIP() << "no refusing CUPS test printer (run by scripts/cups-print-test.sh)";
    checkMissing(1);
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{u"印刷できません"});
    // The status line gives the reason CUPS gave, in CUPS's words; longer than
    // the line, it shows whole under the pointer.
    const QString status = q(text("JikkouMsg"));
    EXPECT_TRUE(status.startsWith(QStringLiteral(u"プリンタがジョブを受け付けません: ")))
        << status.toStdString();
    EXPECT_EQ(form.control("JikkouMsg")->toolTip(), status);
}

} // namespace
