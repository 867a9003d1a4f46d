// Soak: many consecutive check runs over 999 × 999 records in one real window,
// started by clicking the start button, with the resident size measured after
// the first runs and after the last one.
//
//   QT_QPA_PLATFORM=offscreen build/test/tests/soak_check [runs, default 1000]
//
// The test suite runs it briefly; a long run is for before a release.
//
// Prints the figures and exits with 1 when the resident size grew by more
// than the bound, or when a run did not end as the first one did (same
// result lines, "検 査 終 了", normal pointer, controls enabled, no message).
// In the sanitizer build every run is also checked for memory errors.

#include "core/cp932.h"
#include "core/text.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// A small quarantine keeps freed memory from counting as growth while use
// after free is still caught; Qt's own allocations at exit are not ours.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8:detect_leaks=0";
}

using namespace vormak;

namespace {

constexpr long kBoundKiB = 8 * 1024; // growth allowed between the warm-up and the end
constexpr int kWarmUpRuns = 5;

long residentKiB() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

struct CountingPresenter : ui::MessagePresenter {
    MessageAnswer present(QWidget*, const ui::MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

// 999 records per side with every kind of finding: duplicates on each side,
// entries missing on either side, telephone numbers that differ.
void writeSide(const std::filesystem::path& path, int side) {
    const char16_t delimiter = side == 1 ? u',' : u'\t';
    Text content = Text(u"ﾌﾘｶﾞﾅ") + delimiter + u"電話番号\r\n";
    for (int i = 0; i < 999; ++i) {
        int who = i;
        if (side == 2 && i % 50 == 7)
            who = i + 5000; // not on the mobile side
        if (i % 97 == 3)
            who = i - 1; // a duplicate of the record before
        Text tel = u"090-1234-" + decimal(1000 + who);
        if (side == 2 && i % 10 == 4)
            tel = u"03-5555-" + decimal(1000 + who); // differs from the mobile side
        content += u"\"ﾃｽﾄ " + decimal(who) + u"\"" + delimiter + tel + u"\r\n";
    }
    std::ofstream(path, std::ios::binary) << encodeCp932(content);
}

// The lines the result list shows.
std::vector<QString> resultLines(ui::Form1& form) {
    std::vector<QString> lines;
    auto* list = form.control<QListWidget>("ChkLst");
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(list->item(i)->text());
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // progress shows while it runs
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;

    char folderTemplate[] = "/tmp/vormak-soak-XXXXXX";
    if (!::mkdtemp(folderTemplate))
        return 2;
    const std::filesystem::path folder = folderTemplate;
    writeSide(folder / "mobile.csv", 1);
    writeSide(folder / "book.txt", 2);

    ui::Form1 form;
    auto presenter = std::make_unique<CountingPresenter>();
    CountingPresenter& messages = *presenter;
    form.setMessagePresenter(std::move(presenter));
    form.load();
    form.show();
    form.control<QAbstractButton>("TabOpt(2)")->setChecked(true);
    form.control<QLineEdit>("ChkFile(1)")
        ->setText(QString::fromStdString((folder / "mobile.csv").string()));
    form.control<QLineEdit>("ChkFile(2)")
        ->setText(QString::fromStdString((folder / "book.txt").string()));
    form.engine().ChkFile_LostFocus(Side::Mobile);
    form.engine().ChkFile_LostFocus(Side::AddressBook);
    auto* start = form.control<QAbstractButton>("Command3");

    std::vector<QString> expected;
    long warmKiB = 0;
    int bad = 0;
    const auto began = std::chrono::steady_clock::now();
    for (int run = 1; run <= runs; ++run) {
        start->click();
        if (run == 1)
            expected = resultLines(form);
        if (run == std::min(kWarmUpRuns, runs))
            warmKiB = residentKiB();
        const bool ok =
            resultLines(form) == expected &&
            form.control<QLabel>("JikkouMsg")->text() == QStringLiteral(u"検 査 終 了") &&
            QApplication::overrideCursor() == nullptr && start->isEnabled() &&
            form.engine().RecCnt(Side::Mobile) == 999 &&
            form.engine().RecCnt(Side::AddressBook) == 999 && messages.shown == 0;
        if (!ok && ++bad <= 5)
            std::fprintf(stderr, "run %d did not end as the first one did\n", run);
        if (run % 100 == 0)
            std::printf("run %d: %ld KiB resident\n", run, residentKiB());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const long endKiB = residentKiB();

    std::printf("%d runs over 999 x 999 records, %zu result lines each, %.1f s (%.0f ms a run)\n",
                runs, expected.size(), seconds, 1000 * seconds / runs);
    std::printf("resident size: %ld KiB after %d runs, %ld KiB at the end, grown by %ld KiB "
                "(bound %ld KiB)\n",
                warmKiB, std::min(kWarmUpRuns, runs), endKiB, endKiB - warmKiB, kBoundKiB);
    std::printf("runs that ended differently: %d\n", bad);
    std::filesystem::remove_all(folder);
    return bad == 0 && !expected.empty() && endKiB - warmKiB <= kBoundKiB ? 0 : 1;
}
