#include "ui/window_adapter.h"

#include "ui/control_factory.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

namespace vormak::ui {

std::string indexed(std::string_view name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

std::string indexed(std::string_view name, Side side) {
    return indexed(name, static_cast<int>(side));
}

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

Text toText(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())};
}

Text WindowAdapter::textOf(std::string_view box) const {
    return toText(form_.control<QLineEdit>(box)->text());
}

void WindowAdapter::setTextOf(std::string_view box, std::u16string_view text) {
    form_.control<QLineEdit>(box)->setText(toQString(text));
}

bool WindowAdapter::isOn(std::string_view button) const {
    return form_.control<QAbstractButton>(button)->isChecked();
}

Settings WindowAdapter::settings() const {
    Settings s;
    for (Side side : kBothSides) {
        SideSettings& one = s.side(side);
        one.path = textOf(indexed("ChkFile", side));
        one.commaSeparated = isOn(indexed("CsvOpt", side));
        one.titleLine = isOn(indexed("TitleChk", side));
        one.fieldCount = textOf(indexed("FieldCnt", side));
        one.namePosition = textOf(indexed("KanaNameIti", side));
        one.telPosition = textOf(indexed("TelNoIti", side));
        one.givenNamePosition = found_[sideIndex(side)].givenName;
        one.moreTelPositions = found_[sideIndex(side)].moreTels;
    }
    s.key = isOn("KanaNameHikaku") ? MatchKey::Name : MatchKey::Telephone;
    s.removeBlanks = isOn("SpcChk");
    s.removeHyphens = isOn("HifnChk");
    s.foldReadings = form_.action("FoldReadingsAction")->isChecked();
    s.foldNumbers = form_.action("FoldNumbersAction")->isChecked();
    for (int i = 0; i < kConversionPairs; ++i)
        s.conversion[i] = {textOf(indexed("FrMoji", i)), textOf(indexed("ToMoji", i))};
    constexpr std::string_view kChecks[5] = {"DblChkK", "DblChkJ", "KNonChk", "JNonChk",
                                             "SubKeyErrChk"};
    for (int c = 0; c < 5; ++c)
        s.checks[c] = isOn(kChecks[c]);
    s.viewerSide = isOn("KeitaiDsp") ? Side::Mobile : Side::AddressBook;
    s.result.path = textOf("KekkaFile");
    s.result.recordsOf = isOn("KOutOpt") ? Side::AddressBook : Side::Mobile;
    s.result.commaSeparated = isOn("KCsvOpt");
    s.result.withMessage = isOn("ChkMsgOut");
    return s;
}

// The message line keeps its place and size whatever it says. A text longer
// than the line (what a file was read as, a reason the printing system gave)
// is written smaller, down to the window's own size, then on two lines; what
// still does not fit is cut off and shows whole when the pointer rests on it.
void WindowAdapter::showStatus(std::u16string_view text) {
    auto* label = form_.control<QLabel>("JikkouMsg");
    label->setText(toQString(text));
    QFont font = fontFor(FontRole::Message);
    const int smallest = fontFor(FontRole::Normal).pixelSize();
    const QRect line = label->contentsRect();
    const auto fits = [&] {
        return QFontMetrics(font).horizontalAdvance(label->text()) <= line.width();
    };
    while (!fits() && font.pixelSize() > smallest)
        font.setPixelSize(font.pixelSize() - 1);
    const bool twoLines =
        !fits() &&
        QFontMetrics(font).boundingRect(line, Qt::TextWordWrap, label->text()).height() <=
            line.height();
    label->setFont(font);
    label->setWordWrap(twoLines);
    label->setToolTip(fits() || twoLines ? QString() : label->text());
}

Text WindowAdapter::status() const {
    return toText(form_.control<QLabel>("JikkouMsg")->text());
}

void WindowAdapter::showRecordCount(Side side, std::u16string_view count) {
    setTextOf(indexed("DtCnt", side), count);
}

void WindowAdapter::showInspection(Side side, const InspectionResult& result) {
    setTextOf(indexed("FieldCnt", side), result.fieldCount);
    setTextOf(indexed("KanaNameIti", side), result.namePosition);
    setTextOf(indexed("TelNoIti", side), result.telPosition);
    found_[sideIndex(side)] = {result.givenNamePosition, result.moreTelPositions};
    if (result.titleLine)
        form_.control<QAbstractButton>(indexed("TitleChk", side))->setChecked(*result.titleLine);
}

void WindowAdapter::showCheckCaptions(std::span<const Text, 5> captions) {
    constexpr std::string_view kChecks[5] = {"DblChkK", "DblChkJ", "KNonChk", "JNonChk",
                                             "SubKeyErrChk"};
    for (int c = 0; c < 5; ++c)
        form_.control<QAbstractButton>(kChecks[c])->setText(toQString(captions[c]));
}

void WindowAdapter::selectMatchKey(MatchKey key) {
    form_.control<QAbstractButton>(key == MatchKey::Name ? "KanaNameHikaku" : "TelNoHikaku")
        ->setChecked(true);
}

void WindowAdapter::showConversionPair(int index, std::u16string_view from,
                                       std::u16string_view to) {
    setTextOf(indexed("FrMoji", index), from);
    setTextOf(indexed("ToMoji", index), to);
}

void WindowAdapter::selectViewerSide(Side side) {
    form_.control<QAbstractButton>(side == Side::Mobile ? "KeitaiDsp" : "JyusyoDsp")
        ->setChecked(true);
}

void WindowAdapter::showRecordLines(const std::vector<Text>& lines) {
    auto* list = form_.control<QListWidget>("RecLst");
    list->clear();
    for (const Text& line : lines)
        list->addItem(toQString(line));
}

void WindowAdapter::setFindingsVisible(bool visible) {
    form_.control("ChkLst")->setVisible(visible);
    form_.control("FindingCount")->setVisible(visible);
}

void WindowAdapter::showFindings(const Findings& findings) {
    auto* list = form_.control<QListWidget>("ChkLst");
    // The lines are put in anew; the view stays where the user had scrolled.
    const int scrolled = list->verticalScrollBar()->value();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(findings.size()));
    for (const Finding& f : findings)
        lines.push_back(toQString(f.line));
    list->setUpdatesEnabled(false);
    // Dropping a selection of many separate lines first is far cheaper than
    // letting the model carry it through the clearing.
    list->selectionModel()->reset();
    list->clear();
    list->addItems(lines);
    list->setUpdatesEnabled(true);
    list->verticalScrollBar()->setValue(scrolled);
    form_.control<QLabel>("FindingCount")->setText(QStringLiteral(u"%1件").arg(findings.size()));
}

std::vector<size_t> WindowAdapter::selectedFindings() const {
    auto* list = form_.control<QListWidget>("ChkLst");
    // By ranges: asking line by line costs a look through every range each.
    std::vector<size_t> rows;
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<size_t>(row));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

MessageAnswer WindowAdapter::message(std::u16string_view text, MessageButtons buttons,
                                     MessageIcon icon, std::u16string_view title) {
    return form_.message(text, buttons, icon, title);
}

void WindowAdapter::setBusy(bool busy) {
    form_.setBusy(busy);
}

void WindowAdapter::setOperationLocked(bool locked) {
    form_.setOperationLocked(locked);
}

bool WindowAdapter::yield() {
    return form_.yield();
}

} // namespace vormak::ui
