// The check as the user sees it: from the click on the start button to
// "検 査 終 了" in the real window (offscreen), 999 records of 20 fields per
// side, about a thousand result lines added to the visible, sorted list with a
// yield after each.

#include "core/cp932.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <random>

using namespace vormak;

namespace {

constexpr int kRecords = 999;

Text record(int i, bool otherNumber) {
    Text line = u"ﾔﾏﾀﾞ ﾀﾛｳ" + decimal(i) + u",山田　太郎" + decimal(i) + u",090-" +
                decimal(otherNumber ? 5000 + i : 1000 + i) + u"-" + decimal(2000 + i);
    for (int f = 4; f <= 20; ++f)
        line += u",東京都ﾒﾓ" + decimal(f);
    return line;
}

// Every second entry has another number on the address-book side: each such
// pair gives one line of check 3 and one of check 4.
void writeSide(const QString& path, int side) {
    std::vector<Text> lines;
    for (int i = 1; i <= kRecords; ++i)
        lines.push_back(record(i, side == 2 && i % 2 == 0));
    std::shuffle(lines.begin(), lines.end(), std::mt19937(side));
    Text all = u"ﾌﾘｶﾞﾅ,氏名,電話番号";
    for (int f = 4; f <= 20; ++f)
        all += u",項目" + decimal(f);
    all += u"\r\n";
    for (const auto& l : lines)
        all += l + u"\r\n";
    std::ofstream(path.toStdString(), std::ios::binary) << encodeCp932(all);
}

class SilentPresenter : public ui::MessagePresenter {
public:
    MessageAnswer present(QWidget*, const ui::MessageRequest&) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    int shown = 0;
};

void ClickToCheckEnd(benchmark::State& state) {
    QTemporaryDir dir;
    ui::Form1 form;
    auto presenter = std::make_unique<SilentPresenter>();
    SilentPresenter& messages = *presenter;
    form.setMessagePresenter(std::move(presenter));
    form.load();
    form.show();
    for (Side side : kBothSides) {
        const QString path = dir.filePath(QStringLiteral("side%1.csv").arg(int(side)));
        writeSide(path, int(side));
        form.control<QLineEdit>(ui::indexed("ChkFile", side))->setText(path);
        form.engine().ChkFile_LostFocus(side);
    }
    QCoreApplication::processEvents();
    auto* start = form.control<QPushButton>("Command3");

    for (auto _ : state) {
        start->click();
        if (form.control<QLabel>("JikkouMsg")->text() != QStringLiteral(u"検 査 終 了"))
            state.SkipWithError("the check did not end");
    }
    state.counters["lines"] = static_cast<double>(form.engine().findings().size());
    if (messages.shown != 0 || form.engine().RecCnt(Side::Mobile) != kRecords ||
        form.engine().RecCnt(Side::AddressBook) != kRecords)
        state.SkipWithError("the check did not run through");
}

BENCHMARK(ClickToCheckEnd)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
