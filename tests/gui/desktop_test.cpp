// The window as a desktop program: the names a screen reader speaks, the
// result file dialog.

#include "form_fixture.h"

#include <QAccessible>
#include <QFileDialog>
#include <QTimer>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using Desktop = FormTest;

TEST_F(Desktop, EveryFocusableControlHasASpokenNameOfItsOwn) {
    form.load();
    std::map<QString, QString> controlOf;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        const auto [it, added] = controlOf.emplace(name, w->objectName());
        EXPECT_TRUE(added) << name.toStdString() << ": " << it->second.toStdString() << ", "
                           << w->objectName().toStdString();
    }
    EXPECT_EQ(controlOf[q(u"⑤　検査開始(G)")], QStringLiteral("Command3"));
    EXPECT_EQ(controlOf[q(u"住所録側 TAB形式(TXT)")], QStringLiteral("TabOpt(2)"));
}

TEST_F(Desktop, AResultFileTypedWithoutExtensionGetsThatOfItsFormat) {
    struct Row {
        const char* name;
        const char* format;
        const char* typed;
        const char* chosen;
    };
    const Row rows[] = {{"comma-separated", "KCsvOpt", "kekka", "kekka.csv"},
                        {"tab-separated", "KTabOpt", "kekka", "kekka.txt"},
                        {"own extension", "KCsvOpt", "kekka.dat", "kekka.dat"}};
    form.setFileChooser(std::make_unique<DialogFileChooser>(&form));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setOn(row.format);
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->setText(dir.filePath(QString::fromLatin1(row.typed)));
            QTest::keyClick(name, Qt::Key_Return);
        });
        click("Command10");
        EXPECT_EQ(text("KekkaFile"),
                  dir.filePath(QString::fromLatin1(row.chosen)).toStdU16String());
    }
}

} // namespace
