#include "core/comparison_folding.h"
#include "core/cross_check.h"
#include "core/engine.h"
#include "core/validation.h"

namespace vormak {

namespace {

constexpr std::u16string_view kTooManyRecords[2] = {u"携帯電話側 データが1000000件を超えています",
                                                    u"住所録側 データが1000000件を超えています"};

} // namespace

bool Engine::InputChk() {
    if (const auto problem = vormak::InputChk(settings_)) {
        showMessage(*problem);
        return true;
    }
    return false;
}

void Engine::Command3_Click() {
    if (operationInProgress_)
        return;
    for (Side side : kBothSides)
        inspectIfChanged(side);
    takeSettings();
    for (Side side : kBothSides) {
        FileFormat format;
        const SideSettings& s = settings_.side(side);
        if (!s.path.empty() &&
            findFileFormat(toUtf8(s.path), s.delimiter(), format) == FormatResult::NotText) {
            showMessage(fileProblemText(FileProblem::NotText, side));
            return;
        }
    }
    if (InputChk())
        return;
    OperationScope scope(*this);
    try {
        window_.setFindingsVisible(false);
        lastCheck_.reset();
        for (Side side : kBothSides) {
            table(side).reset(0);
            window_.showRecordCount(side, u" 0");
        }
        showProgress(u"携帯側ソート中！");
        SortOut(Side::Mobile);
        showProgress(u"住所録側ソート中！");
        SortOut(Side::AddressBook);
        showProgress(u"突合わせ検査中！");
        ChkMain(1);
        window_.setFindingsVisible(true);
        ChkMain(2);
        lastCheck_ = {checkedSide(Side::Mobile, reader(Side::Mobile).outputEncoding()),
                      checkedSide(Side::AddressBook, reader(Side::AddressBook).outputEncoding())};
        window_.showStatus(u"検 査 終 了");
        // The run is complete: a window closed now leaves nothing to abandon.
        window_.yield();
    } catch (const OperationAbandoned&) {
        // The reason has been shown (or the window is closing). Findings left
        // in the list would name entries of tables that were just emptied.
        findings_.clear();
        window_.showFindings(findings_);
        window_.setFindingsVisible(true);
        window_.showStatus(u"検 査 中 止");
    }
}

Engine::CheckedSide Engine::checkedSide(Side side, Encoding output) const {
    const SideSettings& s = settings_.side(side);
    return {s.path, identify(toUtf8(s.path)), s.commaSeparated, s.titleLine, s.fieldCount, output};
}

void Engine::SortOut(Side side) {
    const SideSettings& s = settings_.side(side);
    reader(side).close();
    // Only lines that exist are read: an empty file or a lone title line
    // gives no entry and no end-of-data message.
    std::vector<Text>& titles = titles_[sideIndex(side)];
    titles.clear();
    if (s.titleLine && sideHasMoreLines(side)) {
        RecGet(side);
        titles.assign(FldBuf(side).begin() + 1, FldBuf(side).begin() + 1 + s.columns());
    }

    KeyTable& entries = table(side);
    entries.reset(s.columns());
    const RecordFormat format(s, settings_, conversion_);
    while (sideHasMoreLines(side)) {
        if (entries.count() == kMaxEntries)
            abandonWith(kTooManyRecords[sideIndex(side)]);
        if (readRecord(side, format) == SideReader::Status::End)
            showMessage(u"データの上限に達しました");
        entries.add(FldBuf(side));
        if (dueForYield()) {
            window_.showRecordCount(side, u" " + decimal(entries.count()));
            yieldOrAbandon();
        }
    }
    window_.showRecordCount(side, u" " + decimal(entries.count()));
    const int name = s.name(), tel = s.tel();
    const KeyTable::SortKey byName{name, settings_.foldReadings ? foldReading : nullptr};
    const KeyTable::SortKey byTel{tel, settings_.foldNumbers ? foldNumber : nullptr};
    if (settings_.key == MatchKey::Name)
        entries.sort(byName, byTel);
    else
        entries.sort(byTel, byName);
}

void Engine::ChkMain(int pass) {
    CrossCheck check(table(Side::Mobile), table(Side::AddressBook), settings_);
    if (pass == 1) {
        check.run(1);
        return;
    }
    findings_.clear();
    window_.showFindings(findings_);
    check.run(2, [this](Finding finding) {
        findings_.append(std::move(finding));
        if (dueForYield())
            yieldOrAbandon();
    });
    findings_.sort();
    window_.showFindings(findings_);
}

} // namespace vormak
