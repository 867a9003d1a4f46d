// The window over large lists, offscreen: from the click on "⑤" to
// "検 査 終 了", and removing half of the result lines at once.
//
//   large_window_check MOBILE.csv ADDRESS.txt [RUNS]
//
// The files are a pair from generate_contacts (CSV and TAB, name in field 2,
// telephone in field 5). Prints the median of each time over RUNS (5).

#include "core/engine.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace vormak;

namespace {

struct Silent : ui::MessagePresenter {
    MessageAnswer present(QWidget*, const ui::MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class F> double secondsOf(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MOBILE ADDRESS [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;

    ui::Form1 form;
    auto presenter = std::make_unique<Silent>();
    Silent& messages = *presenter;
    form.setMessagePresenter(std::move(presenter));
    form.load();
    form.show();
    form.control<QAbstractButton>("TabOpt(2)")->setChecked(true);
    for (Side side : kBothSides) {
        form.control<QLineEdit>(ui::indexed("ChkFile", side))
            ->setText(QString::fromLocal8Bit(argv[side == Side::Mobile ? 1 : 2]));
        form.engine().ChkFile_LostFocus(side);
        form.control<QLineEdit>(ui::indexed("KanaNameIti", side))->setText(QStringLiteral("2"));
        form.control<QLineEdit>(ui::indexed("TelNoIti", side))->setText(QStringLiteral("5"));
    }
    QCoreApplication::processEvents();
    auto* start = form.control<QAbstractButton>("Command3");
    auto* remove = form.control<QAbstractButton>("Command11");
    auto* list = form.control<QListWidget>("ChkLst");
    auto* status = form.control<QLabel>("JikkouMsg");

    std::vector<double> checks, removals;
    size_t lines = 0;
    for (int run = 0; run < runs; ++run) {
        checks.push_back(secondsOf([&] { start->click(); }));
        if (status->text() != QStringLiteral(u"検 査 終 了") || messages.shown != 0) {
            std::fprintf(stderr, "the check did not end\n");
            return 1;
        }
        lines = form.engine().findings().size();
        // Every other line selected, as a user would by Ctrl+click: the worst
        // case for removing, one block per line.
        list->clearSelection();
        QItemSelection half;
        for (int row = 0; row < list->count(); row += 2)
            half.select(list->model()->index(row, 0), list->model()->index(row, 0));
        list->selectionModel()->select(half, QItemSelectionModel::Select);
        const size_t selected = (static_cast<size_t>(list->count()) + 1) / 2;
        removals.push_back(secondsOf([&] { remove->click(); }));
        if (form.engine().findings().size() != lines - selected) {
            std::fprintf(stderr, "the removal did not remove the selected lines\n");
            return 1;
        }
    }
    std::printf("window, %s x %s records: click to the end of the check %.3f s (median of %d), "
                "%zu result lines\n",
                qPrintable(QString::number(form.engine().RecCnt(Side::Mobile))),
                qPrintable(QString::number(form.engine().RecCnt(Side::AddressBook))),
                median(checks), runs, lines);
    std::printf("window: removing %zu selected lines %.3f s (median of %d)\n", (lines + 1) / 2,
                median(removals), runs);
    return 0;
}
