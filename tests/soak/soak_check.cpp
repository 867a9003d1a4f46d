// Soak: many consecutive check runs over 999 × 999 records in one real window,
// each started by clicking the start button. Every run must end as the first
// did (same result lines, "検 査 終 了", normal pointer, start button enabled,
// no message, every record read), and the resident size may grow by at most
// 8 MiB between the fifth run and the last. The suite runs it briefly; a long
// run is for before a release.
//
//   QT_QPA_PLATFORM=offscreen build/test/tests/soak_check [runs, default 1000]
#include "core/cp932.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <unistd.h>

#include <cstdio>
#include <fstream>

// A small quarantine keeps freed memory from counting as growth while use
// after free is still caught; Qt's own allocations at exit are not ours.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8:detect_leaks=0";
}

using namespace vormak;

namespace {

long residentKiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

struct CountingPresenter : ui::MessagePresenter {
    int shown = 0;
    MessageAnswer present(QWidget*, const ui::MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
        return ++shown, MessageAnswer::Ok;
    }
};

// 999 records with every kind of finding: duplicates on each side, entries
// only in the address book (side 2), numbers that differ there.
std::string writeSide(int side) {
    const std::string path =
        "/tmp/vormak-soak-" + std::to_string(::getpid()) + "-" + std::to_string(side) + ".csv";
    Text content = u"ﾌﾘｶﾞﾅ,電話番号\r\n";
    for (int i = 0; i < 999; ++i) {
        const int who = i % 97 == 3 ? i - 1 : side == 2 && i % 50 == 7 ? i + 5000 : i;
        const Text tel = side == 2 && i % 10 == 4 ? u"03-5555-" : u"090-1234-";
        content += u"\"ﾃｽﾄ " + decimal(who) + u"\"," + tel + decimal(1000 + who) + u"\r\n";
    }
    std::ofstream(path, std::ios::binary) << encodeCp932(content);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    ui::Form1 form;
    auto presenter = std::make_unique<CountingPresenter>();
    const CountingPresenter& messages = *presenter;
    form.setMessagePresenter(std::move(presenter));
    form.load();
    form.show();
    const std::string files[] = {writeSide(1), writeSide(2)};
    form.control<QLineEdit>("ChkFile(1)")->setText(QString::fromStdString(files[0]));
    form.control<QLineEdit>("ChkFile(2)")->setText(QString::fromStdString(files[1]));
    form.engine().ChkFile_LostFocus(Side::Mobile);
    form.engine().ChkFile_LostFocus(Side::AddressBook);
    auto* start = form.control<QAbstractButton>("Command3");
    auto* list = form.control<QListWidget>("ChkLst");
    auto* status = form.control<QLabel>("JikkouMsg");

    QStringList first;
    long warmKiB = 0;
    int bad = 0;
    for (int run = 1; run <= runs; ++run) {
        start->click();
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        if (run == 1)
            first = lines;
        if (run == std::min(5, runs))
            warmKiB = residentKiB();
        bad += lines != first || status->text() != QStringLiteral(u"検 査 終 了") ||
               QApplication::overrideCursor() || !start->isEnabled() || messages.shown ||
               form.engine().RecCnt(Side::Mobile) + form.engine().RecCnt(Side::AddressBook) != 1998;
    }
    const long endKiB = residentKiB();
    std::printf("%d runs, %lld result lines each, %d ended differently; resident size %ld KiB "
                "after the warm-up, %ld KiB at the end\n",
                runs, static_cast<long long>(first.size()), bad, warmKiB, endKiB);
    for (const std::string& file : files)
        std::remove(file.c_str());
    return bad == 0 && !first.isEmpty() && endKiB - warmKiB <= 8 * 1024 ? 0 : 1;
}
