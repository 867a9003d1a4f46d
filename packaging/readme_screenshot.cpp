// Renders the real window after a check over the sample data, as the picture
// of the README. Run in a folder that holds examples/; writes the PNG named on
// the command line.

#include "ui/appearance.h"
#include "ui/form1.h"
#include "ui/qt_translation.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <memory>

namespace {

// Nobody is there to answer a message: report it and go on.
struct ReportingPresenter : vormak::ui::MessagePresenter {
    vormak::MessageAnswer present(QWidget*, const vormak::ui::MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.toUtf8().constData());
        return request.buttons == vormak::MessageButtons::YesNo ? vormak::MessageAnswer::No
                                                                : vormak::MessageAnswer::Ok;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vormak"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    vormak::ui::installJapaneseQtTexts(app);
    vormak::ui::useDesignedAppearance();

    vormak::ui::Form1 form;
    form.setMessagePresenter(std::make_unique<ReportingPresenter>());
    form.load();
    form.show();
    // As after a pick with the browse button: the path, then the inspection.
    using vormak::Side;
    auto pick = [&form](Side side, const char* path) {
        form.control<QLineEdit>(vormak::ui::indexed("ChkFile", side))
            ->setText(QString::fromUtf8(path));
        form.runGuarded([&form, side] { form.engine().ChkFile_LostFocus(side); });
    };
    pick(Side::Mobile, "examples/keitai.csv");
    form.control<QRadioButton>("TabOpt(2)")->setChecked(true);
    pick(Side::AddressBook, "examples/jyusyo.txt");
    form.control<QPushButton>("Command3")->click();
    QApplication::processEvents();

    if (form.control<QLabel>("JikkouMsg")->text() != QStringLiteral(u"検 査 終 了") ||
        form.engine().findings().empty()) {
        std::fprintf(stderr, "the check over the sample data did not finish with results\n");
        return 1;
    }
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
