// The print button into a PDF file, read back with poppler's pdfinfo and
// pdftotext; and, when scripts/cups-print-test.sh has set up a CUPS scheduler
// with a PDF printer, a job on the system's default printer.

#include "form_fixture.h"

#include "ui/control_factory.h"
#include "ui/system_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count and the size of the first page in points, e.g. "3 842 x 595".
std::string pagesAndSize(const QString& pdf) {
    const auto info =
        QRegularExpression(QStringLiteral("Pages: +(\\d+).*Page size: +([0-9.]+ x [0-9.]+)"),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(output(QStringLiteral("pdfinfo"), {pdf}));
    return (info.captured(1) + u' ' + info.captured(2)).toStdString();
}

// The tests print on the system's default printer, or into `pdf` once they
// have said so.
class Print : public FormTest {
protected:
    ~Print() override {
        printerFactory() = [] { return std::make_unique<SystemPrinter>(); };
    }
    // A check whose address book holds `count` numbers and whose phone holds
    // none of them: as many result lines, each as long as a real one.
    void checkMissing(int count) {
        Lines address = {u"氏名,電話番号"};
        for (int i = 1; i <= count; ++i) {
            const auto n = QString::number(i).rightJustified(3, u'0').toStdU16String();
            address.push_back(u"ﾔﾏﾀﾞﾀﾛｳ,0901234" + n);
        }
        checkFiles({u"氏名,電話番号"}, address);
    }
    QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
};
using PrintOnCups = Print; // as scripts/cups-print-test.sh sets the printer up
using PrintOnRefusingCups = Print;

// A printer that fails is reported. At 12 points a landscape A4 page holds
// about forty lines: three pages for a hundred, every line whole, once, in
// list order.
TEST_F(Print, TheListFillsLandscapeA4PagesInOrder) {
    printerFactory() = [this] { return std::make_unique<SystemPrinter>(pdf); };
    start();
    click("Command8");
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "an empty list prints nothing";
    EXPECT_EQ(text("JikkouMsg"), u"印刷する結果がありません");
    checkMissing(100);
    pdf = QStringLiteral("/nonexistent-folder/printed.pdf");
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{u"印刷できません"});
    EXPECT_EQ(text("JikkouMsg"), u"印刷データが作成できません");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdftotext/pdfinfo not installed (poppler-utils)";
    pdf = dir.filePath(QStringLiteral("printed.pdf"));
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{u"印刷できません"}); // no other since
    EXPECT_EQ(text("JikkouMsg"), u"3ページを printed.pdf に印刷しました");
    ASSERT_EQ(pagesAndSize(pdf), "3 842 x 595");
    // pdftotext guesses blanks from the gaps between the letters: a run of
    // blanks comes back as one. Each page ends in a form feed.
    const QStringList pages =
        output(QStringLiteral("pdftotext"), {"-layout", "-enc", "UTF-8", pdf, "-"}).split(u'\f');
    ASSERT_GE(pages.size(), 3);
    Lines printed, listed;
    for (int page = 0; page < 3; ++page) {
        const QStringList onPage = pages[page].split(u'\n', Qt::SkipEmptyParts);
        EXPECT_GE(onPage.size(), page < 2 ? 35 : 10) << page;
        for (const QString& line : onPage)
            printed.push_back(line.simplified().toStdU16String());
    }
    for (const auto& line : lines("ChkLst"))
        listed.push_back(q(line).simplified().toStdU16String());
    EXPECT_EQ(printed, listed);
}

TEST_F(PrintOnCups, AJobOnTheDefaultPrinterArrivesWithTheLandscapePageCount) {
    const QString outFolder = qEnvironmentVariable("VORMAK_CUPS_OUTPUT");
    if (outFolder.isEmpty())
        GTEST_SKIP() << "no CUPS test printer (run by scripts/cups-print-test.sh)";
    checkMissing(100);
    click("Command8");
    ASSERT_EQ(messageTexts(), Lines{});
    QString arrived;
    // The file is complete once the printer has finished with it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto pdfs = QDir(outFolder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
            if (!pdfs.isEmpty() && output(QStringLiteral("lpstat"), {"-o"}).isEmpty())
                arrived = pdfs.first().filePath();
            return !arrived.isEmpty();
        },
        120000))
        << "no PDF arrived from the printer within two minutes";
    // The printer may turn landscape pages into A4 sheets with the text turned;
    // the page count is that of the landscape layout (portrait needs two).
    const std::string got = pagesAndSize(arrived);
    EXPECT_TRUE(got == "3 595 x 842" || got == "3 842 x 595") << got;
}

TEST_F(PrintOnRefusingCups, AJobTheDefaultPrinterRefusesIsReported) {
    if (qEnvironmentVariableIsEmpty("VORMAK_CUPS_REFUSING"))
        GTEST_SKIP() << "no refusing CUPS test printer (run by scripts/cups-print-test.sh)";
    checkMissing(1);
    click("Command8");
    EXPECT_EQ(messageTexts(), Lines{u"印刷できません"});
    // The status line gives the reason CUPS gave, in CUPS's words; longer than
    // the line, it is written smaller or on two lines, and what still does not
    // fit shows whole under the pointer.
    const QString status = q(text("JikkouMsg"));
    EXPECT_TRUE(status.startsWith(QStringLiteral(u"プリンタがジョブを受け付けません: ")))
        << status.toStdString();
    auto* line = form.control<QLabel>("JikkouMsg");
    EXPECT_LT(line->font().pixelSize(), fontFor(FontRole::Message).pixelSize());
    const bool fits =
        QFontMetrics(line->font()).horizontalAdvance(status) <= line->contentsRect().width();
    EXPECT_EQ(line->toolTip(), fits || line->wordWrap() ? QString() : status);
}

} // namespace
