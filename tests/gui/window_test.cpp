// The window itself: places, captions that fit, tab order, the sorted result
// list, the conversion boxes and the message box.

#include "form_fixture.h"

#include "ui/control_table.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTimer>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using Window = FormTest;

// Width a control needs to show its caption whole.
int neededWidth(QWidget* w) {
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox o;
        o.initFrom(frame);
        o.text = frame->title();
        o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            w->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, w);
        const int text = QFontMetrics(w->font()).horizontalAdvance(frame->title());
        return title.left() + std::max(title.width(), text);
    }
    if (auto* b = qobject_cast<QPushButton*>(w))
        return QFontMetrics(w->font()).horizontalAdvance(b->text().remove(u'&')) + 6;
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) || qobject_cast<QLabel*>(w))
        return w->sizeHint().width();
    return 0;
}

// With either key's check captions: every caption fits its control, every
// control its container, and no two controls of one container overlap.
TEST_F(Window, EveryCaptionIsFullyVisible) {
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    form.load();
    for (const char* key : {"KanaNameHikaku", "TelNoHikaku"}) {
        form.select(key);
        for (const ControlSpec& spec : controlTable()) {
            QWidget* w = form.control(spec.name);
            if (w->isHidden())
                continue;
            EXPECT_LE(neededWidth(w), w->width()) << spec.name;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << spec.name;
            for (const ControlSpec& other : controlTable()) {
                QWidget* o = form.control(other.name);
                const bool sibling = o->parentWidget() == w->parentWidget();
                EXPECT_FALSE(o != w && sibling && !o->isHidden() &&
                             w->geometry().intersects(o->geometry()))
                    << spec.name << " overlaps " << other.name;
            }
        }
    }
}

TEST_F(Window, TabOrderFollowsTheTabIndexes) {
    const std::vector<std::string> expected = {
        "ChkFile(1)",  "Command1",       "CsvOpt(1)",   "TabOpt(1)",   "FieldCnt(1)",
        "TitleChk(1)", "KanaNameIti(1)", "TelNoIti(1)", "ChkFile(2)",  "Command2",
        "CsvOpt(2)",   "TabOpt(2)",      "FieldCnt(2)", "TitleChk(2)", "KanaNameIti(2)",
        "TelNoIti(2)", "KanaNameHikaku", "TelNoHikaku", "KeitaiDsp",   "JyusyoDsp",
        "Command5",    "Command6",       "RecLst",      "DblChkK",     "DblChkJ",
        "KNonChk",     "JNonChk",        "ChkLst",      "Command3",    "Command8",
        "KOutOpt",     "JOutOpt",        "ChkMsgOut",   "Command10",   "KekkaFile",
        "KCsvOpt",     "KTabOpt",        "Command9",    "Command4",    "Command13",
        "FrMoji(0)",   "ToMoji(0)",      "FrMoji(1)",   "ToMoji(1)",   "FrMoji(2)",
        "ToMoji(2)",   "FrMoji(3)",      "ToMoji(3)",   "Command12",   "SpcChk",
        "HifnChk",     "Command11",      "SubKeyErrChk"};
    std::vector<std::string> chain;
    QWidget* first = form.control("ChkFile(1)");
    for (QWidget* w = first; chain.empty() || w != first; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w->objectName().toStdString());
    EXPECT_EQ(chain, expected);
}

// Ordinal order: by UTF-16 code unit, no case or width folding, a proper
// prefix first, equal lines side by side. The font is fixed-pitch, a
// full-width character exactly two half-width ones, so the columns line up.
TEST_F(Window, ResultListSortsEachLineIntoOrdinalPlaceInAFixedPitchFont) {
    for (const char16_t* line : {u"b", u"ｱ", u"a", u"B", u"あ", u"ab", u"a", u"", u"Ａ"})
        form.listAdd("ChkLst", line);
    EXPECT_EQ(lines("ChkLst"), (Lines{u"", u"B", u"a", u"a", u"ab", u"b", u"あ", u"Ａ", u"ｱ"}));
    const QFontMetrics m(form.control("ChkLst")->font());
    EXPECT_EQ(m.horizontalAdvance(q(u"携ﾃﾞ")), 4 * m.horizontalAdvance(QStringLiteral("1")));
}

TEST_F(Window, ConversionBoxTakesOneTypedCharacterButKeepsLongerProgramTexts) {
    start();
    type("FrMoji(1)", q(u"髙橋"));
    EXPECT_EQ(form.text("FrMoji(1)"), u"髙");
    form.setText("ToMoji(1)", u"ab");
    auto* box = form.control<QLineEdit>("ToMoji(1)");
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("c"));
    EXPECT_EQ(form.text("ToMoji(1)"), u"ab");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(form.text("ToMoji(1)"), u"a");
}

// The real message box: a lone CR breaks the line; no icon; Japanese Yes/No
// from Qt's own translation; the answer is passed back.
TEST_F(Window, MessageBoxBreaksAtALoneCrAndAsksYesOrNoInJapanese) {
    form.setMessagePresenter(std::make_unique<MessageBoxPresenter>());
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen << box->windowTitle() << box->text() << QString::number(box->icon());
        for (QAbstractButton* b : box->buttons())
            seen << b->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(form.message(u"上\r下\r\n終", vormak::MessageButtons::YesNo,
                           vormak::MessageIcon::None, u"Vormak"),
              vormak::MessageAnswer::No);
    EXPECT_EQ(seen, QStringList({QStringLiteral("Vormak"), q(u"上\n下\n終"), QStringLiteral("0"),
                                 q(u"はい(&Y)"), q(u"いいえ(&N)")}));
}

} // namespace
