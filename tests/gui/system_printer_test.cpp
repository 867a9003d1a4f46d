// The result list printed through the system printer's code into PDF files,
// read back with poppler's pdfinfo and pdftotext; and, when a CUPS scheduler
// with a PDF printer is set up (scripts/cups-print-test.sh), on the system's
// default printer.

#include "core/engine.h"
#include "pdf_reading.h"
#include "ui/system_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace vormak;
using vormak::ui::SystemPrinter;
using namespace vormak::ui::testing;

namespace {

// A result list of `count` distinct lines, each as long as a real one, and
// the same as pdftotext gives them back.
std::vector<std::u16string> resultLines(int count, const std::u16string& blanks = u"   ") {
    std::vector<std::u16string> lines;
    for (int i = 1; i <= count; ++i) {
        const std::u16string n =
            QString::number(i).rightJustified(3, QLatin1Char('0')).toStdU16String();
        lines.push_back(u"3:" + n + blanks +
                        u"住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ﾔﾏﾀﾞﾀﾛｳ、電話=0901234" +
                        n + u"）");
    }
    return lines;
}

// Prints the lines as the result printing does.
bool printAll(Printer& printer, const std::vector<std::u16string>& lines) {
    printer.setPageProperty(kPageOrientation, kOrientationLandscape);
    printer.setPageProperty(kPagePaperSize, kPaperA4);
    printer.setFontSize(12);
    for (const auto& line : lines)
        printer.printLine(line);
    return printer.endDocument();
}

} // namespace

TEST(PrintToPdf, LinesFillLandscapeA4PagesInOrderAndContinueOnTheNext) {
    if (!popplerAvailable())
        GTEST_SKIP() << "pdftotext/pdfinfo not installed (poppler-utils)";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const auto lines = resultLines(100);
    SystemPrinter printer(pdf);
    ASSERT_TRUE(printAll(printer, lines));

    // At 12 points a landscape A4 page holds about forty lines: three pages.
    EXPECT_EQ(pagesAndSize(pdf), "3 842 x 595");
    std::vector<std::u16string> printed;
    size_t firstPage = 0;
    for (int page = 1; page <= 3; ++page) {
        auto onPage = pdfLines(pdf, page);
        if (page == 1)
            firstPage = onPage.size();
        printed.insert(printed.end(), onPage.begin(), onPage.end());
    }
    EXPECT_EQ(printed, resultLines(100, u" ")); // every line whole, once, in list order
    EXPECT_GE(firstPage, 35u);
    EXPECT_LE(firstPage, 45u);
}

TEST(PrintToPdf, PortraitIsTheDefaultAndHoldsMoreLinesPerPage) {
    if (!popplerAvailable())
        GTEST_SKIP() << "pdftotext/pdfinfo not installed (poppler-utils)";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("portrait.pdf"));
    SystemPrinter printer(pdf);
    printer.setFontSize(12);
    for (const auto& line : resultLines(100))
        printer.printLine(line);
    ASSERT_TRUE(printer.endDocument());
    EXPECT_EQ(pagesAndSize(pdf), "2 595 x 842");
}

TEST(PrintToPdf, NothingPrintedMakesNoDocument) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("none.pdf"));
    SystemPrinter printer(pdf);
    EXPECT_TRUE(printer.endDocument());
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST(PrintToPdf, AnOutputThatCannotBeWrittenFails) {
    SystemPrinter printer(QStringLiteral("/nonexistent-folder/list.pdf"));
    EXPECT_FALSE(printAll(printer, resultLines(3)));
}

TEST(PrintOnSystemPrinter, NoDefaultPrinterFails) {
    // A scheduler that does not exist: no default printer can be found.
    QTemporaryDir dir;
    qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-such.sock")).toUtf8());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    SystemPrinter printer;
    EXPECT_FALSE(printAll(printer, resultLines(3)));
    qunsetenv("CUPS_SERVER");
}

// Run by scripts/cups-print-test.sh, which sets up the scheduler and names the
// folder where the PDF printer puts what it prints.
TEST(PrintOnCups, AJobOnTheDefaultPrinterArrivesWithTheLandscapePageCount) {
    const QString outFolder = qEnvironmentVariable("VORMAK_CUPS_OUTPUT");
    if (outFolder.isEmpty())
        GTEST_SKIP() << "no CUPS test printer (run by scripts/cups-print-test.sh)";
    const auto lines = resultLines(100);
    SystemPrinter printer;
    ASSERT_TRUE(printAll(printer, lines));

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
    // The landscape pages come out as A4 sheets with the text turned, as on
    // paper; the page count is that of the landscape layout (portrait would
    // need only two pages).
    const std::string got = pagesAndSize(arrived);
    std::printf("arrived: %s (%s)\n", arrived.toStdString().c_str(), got.c_str());
    EXPECT_TRUE(got == "3 595 x 842" || got == "3 842 x 595") << got;
}

TEST(PrintOnRefusingCups, AJobTheDefaultPrinterRefusesFails) {
    if (qEnvironmentVariableIsEmpty("VORMAK_CUPS_REFUSING"))
        GTEST_SKIP() << "no refusing CUPS test printer (run by scripts/cups-print-test.sh)";
    SystemPrinter printer;
    EXPECT_FALSE(printAll(printer, resultLines(3)));
}
