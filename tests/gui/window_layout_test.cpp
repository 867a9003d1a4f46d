// The window as the user first sees it: captions, places, fonts, tab order and
// the input rules of the boxes.

#include "form_fixture.h"

#include "ui/control_table.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using WindowLayout = FormTest;

QString visibleText(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// Where the frame's style draws its caption.
QRect titleRect(QGroupBox* frame) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                          frame);
}

TEST_F(WindowLayout, CaptionsAreTheProgramsOwnTexts) {
    EXPECT_EQ(
        form.windowTitle(),
        q(u"ソルベック V1.0a （携帯電話ダイヤルメモリ←→パソコン住所録　相互データチェック）"));
    const std::pair<const char*, const char16_t*> captions[] = {
        {"Frame1", u"① 検査対象のファイル"},
        {"Label1", u"携 帯 側"},
        {"Label2", u"住所録側"},
        {"CsvOpt(1)", u"ｶﾝﾏ形式(CSV)"},
        {"TabOpt(2)", u"TAB形式(TXT)"},
        {"TitleChk(2)", u"1行目ﾀｲﾄﾙ行"},
        {"Label5", u"電話番号の位置"},
        {"Frame5", u"② 突合キーに使用する項目"},
        {"Frame6", u"③ 検査前文字変換"},
        {"HifnChk", u"電話のﾊｲﾌﾝ詰める"},
        {"Frame4", u"④ 検査項目"},
        {"Frame3", u"検査対象ﾌｧｲﾙ 内容確認"},
        {"Command5", u"次データ(N)"},
        {"Command6", u"最初のデータ(&T)"},
        {"Command3", u"⑤　検査開始(&G)"},
        {"Command8", u"結果印刷(&L)"},
        {"Frame7", u"検査結果をﾌｧｲﾙへ書出し"},
        {"ChkMsgOut", u"結果ﾒｯｾｰｼﾞも出力"},
        {"Command9", u"ﾌｧｲﾙ書出し(&O)"},
        {"Command4", u"処理終了(&X)"},
        {"Command13", u"ヘルプ(&H)"},
        {"Frame10", u"携帯機種依存文字"},
        {"KekkaLst", u"検査結果リスト"},
        {"Command11", u"選択された部分を検索結果リストから削除(&D)"},
        {"Label16", u"処理メッセージ"},
        {"JikkouMsg", u"①から④の順に指定して⑤を実行して下さい"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(form.text(name), caption) << name;
}

TEST_F(WindowLayout, ClientAreaIsFixedAt802By568) {
    EXPECT_EQ(form.minimumSize(), QSize(802, 568));
    EXPECT_EQ(form.maximumSize(), QSize(802, 568));
}

TEST_F(WindowLayout, PlacedControlsSitAtTheirTwipRectanglesDividedBy15) {
    const std::pair<const char*, QRect> places[] = {
        {"Frame1", {8, 8, 361, 213}},       {"Frame5", {8, 228, 285, 45}},
        {"Frame6", {8, 284, 285, 45}},      {"Frame4", {308, 224, 313, 105}},
        {"Frame3", {376, 4, 245, 213}},     {"Command3", {640, 4, 149, 37}},
        {"Command8", {640, 48, 149, 37}},   {"Frame7", {632, 96, 165, 209}},
        {"Command4", {640, 320, 149, 37}},  {"Command13", {640, 364, 149, 37}},
        {"Frame10", {652, 408, 125, 149}},  {"KekkaLst", {8, 332, 613, 193}},
        {"ChkLst", {8, 16, 597, 160}},      {"Label16", {20, 536, 97, 17}},
        {"JikkouMsg", {132, 532, 453, 29}},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(form.control(name)->geometry(), rect) << name;
}

// Every caption fits its control, every control its container, and no two
// visible controls of one container overlap.
TEST_F(WindowLayout, EveryCaptionIsFullyVisible) {
    form.load();
    for (bool nameKey : {false, true}) {
        form.select(nameKey ? "KanaNameHikaku" : "TelNoHikaku");
        for (const ControlSpec& spec : controlTable()) {
            QWidget* w = form.control(spec.name);
            const QString name = QString::fromLatin1(spec.name);
            if (w->isHidden())
                continue;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << spec.name;
            int needed = 0;
            if (auto* frame = qobject_cast<QGroupBox*>(w)) {
                const QRect title = titleRect(frame);
                EXPECT_GE(title.left(), 0) << spec.name;
                needed = title.left() + title.width();
                EXPECT_GE(title.width(),
                          QFontMetrics(frame->font()).horizontalAdvance(frame->title()))
                    << spec.name;
            } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                       qobject_cast<QLabel*>(w))
                needed = w->sizeHint().width();
            else if (auto* b = qobject_cast<QPushButton*>(w))
                needed = QFontMetrics(b->font()).horizontalAdvance(visibleText(b->text())) + 6;
            EXPECT_LE(needed, w->width()) << spec.name;
            if (!qobject_cast<QGroupBox*>(w) && !qobject_cast<QListWidget*>(w)) {
                EXPECT_LE(QFontMetrics(w->font()).height(), w->height()) << spec.name;
            }
            for (QWidget* sibling :
                 w->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (sibling != w && !sibling->isHidden() && !sibling->objectName().isEmpty() &&
                    !sibling->objectName().startsWith(QLatin1String("qt_"))) {
                    EXPECT_FALSE(w->geometry().intersects(sibling->geometry()))
                        << spec.name << " overlaps " << sibling->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(WindowLayout, TabOrderFollowsTheTabIndexes) {
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
    QWidget* w = form.control("ChkFile(1)");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != form.control("ChkFile(1)"));
    EXPECT_EQ(chain, expected);
}

TEST_F(WindowLayout, ControlsWithoutTabIndexNeverTakeTheFocus) {
    for (const char* name : {"DtCnt(1)", "DtCnt(2)", "HikakuFldIti(1)", "Hikaku2FldIti(2)",
                             "Frame1", "KekkaLst", "JikkouMsg"})
        EXPECT_EQ(form.control(name)->focusPolicy(), Qt::NoFocus) << name;
}

TEST_F(WindowLayout, FontsAndColoursFollowTheirRoles) {
    const QFont normal = form.control("Label17")->font();
    EXPECT_EQ(normal.families(),
              QStringList({q(u"ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}));
    EXPECT_EQ(normal.pixelSize(), 12);
    EXPECT_FALSE(normal.bold());
    for (const char* name :
         {"Frame1", "Command3", "Command13", "Label2", "FieldCnt(1)", "DtCnt(2)"}) {
        const QFont f = form.control(name)->font();
        EXPECT_TRUE(f.bold()) << name;
        EXPECT_EQ(f.pixelSize(), 15) << name;
    }
    auto* message = form.control<QLabel>("JikkouMsg");
    EXPECT_EQ(message->font().pixelSize(), 21);
    EXPECT_TRUE(message->font().bold());
    EXPECT_EQ(message->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_TRUE(form.control("Frame4")->styleSheet().contains(QColor(0, 0, 192).name()));
    EXPECT_TRUE(form.control("KekkaLst")->styleSheet().contains(QColor(128, 0, 0).name()));
    EXPECT_EQ(form.control<QLineEdit>("ChkFile(2)")->palette().color(QPalette::Base),
              QColor(255, 255, 192));
}

// Result lines mix half-width and full-width characters; they line up only
// when a full-width character is exactly two half-width ones.
TEST_F(WindowLayout, ResultListFontIsFixedPitch) {
    const QFontMetrics m(form.control("ChkLst")->font());
    EXPECT_EQ(m.horizontalAdvance(q(u"携")), 2 * m.horizontalAdvance(QStringLiteral("1")));
    EXPECT_EQ(m.horizontalAdvance(q(u"ﾃﾞｰﾀ")), 4 * m.horizontalAdvance(QStringLiteral(":")));
}

TEST_F(WindowLayout, CountAndPositionBoxesAreRightAlignedWithoutInputMethod) {
    for (int side = 1; side <= 2; ++side) {
        for (const char* box : {"FieldCnt", "KanaNameIti", "TelNoIti", "DtCnt"}) {
            auto* edit = form.control<QLineEdit>(vormak::indexed(box, side));
            EXPECT_TRUE(edit->alignment() & Qt::AlignRight) << box;
            if (std::string_view(box) != "DtCnt") {
                EXPECT_FALSE(edit->testAttribute(Qt::WA_InputMethodEnabled)) << box;
            }
        }
        EXPECT_FALSE(form.control("DtCnt(1)")->isEnabled());
        EXPECT_TRUE(form.control<QLineEdit>(vormak::indexed("ChkFile", side))
                        ->testAttribute(Qt::WA_InputMethodEnabled));
    }
}

TEST_F(WindowLayout, ConversionBoxTakesOneTypedCharacterButKeepsLongerProgramTexts) {
    start();
    type("FrMoji(1)", q(u"髙橋"));
    EXPECT_EQ(form.text("FrMoji(1)"), u"髙");

    form.setText("ToMoji(1)", u"ab");
    auto* box = form.control<QLineEdit>("ToMoji(1)");
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("c"));
    EXPECT_EQ(form.text("ToMoji(1)"), u"ab");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(form.text("ToMoji(1)"), u"a");
}

TEST_F(WindowLayout, InitialStatesBeforeLoad) {
    for (const char* on :
         {"CsvOpt(1)", "CsvOpt(2)", "TelNoHikaku", "KeitaiDsp", "KOutOpt", "KCsvOpt"})
        EXPECT_TRUE(form.isSelected(on)) << on;
    for (const char* on : {"TitleChk(1)", "TitleChk(2)", "SpcChk", "HifnChk", "DblChkK", "DblChkJ",
                           "KNonChk", "JNonChk", "SubKeyErrChk", "ChkMsgOut"})
        EXPECT_TRUE(form.isChecked(on)) << on;
    EXPECT_EQ(form.text("FrMoji(0)"), u"﨑");
    EXPECT_EQ(form.text("ToMoji(0)"), u"崎");
    EXPECT_EQ(form.text("HikakuFldIti(2)"), u"1");
    EXPECT_EQ(form.text("Hikaku2FldIti(1)"), u"1");
    EXPECT_FALSE(form.isVisible("HikakuFldIti(1)"));
    EXPECT_EQ(form.text("FieldCnt(1)"), u"0");
    EXPECT_EQ(form.text("DtCnt(2)"), u"0");
}

} // namespace
