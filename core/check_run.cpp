#include "core/comparison_folding.h"
#include "core/cross_check.h"
#include "core/engine.h"
#include "core/entry_cells.h"
#include "core/validation.h"

#include <atomic>
#include <functional>
#include <future>

namespace vormak {

namespace {

// The address book read beside the phone's side, on a thread of its own; the
// run stops it (and waits for it) however it ends.
class SideLoadBeside {
public:
    template <class Load> explicit SideLoadBeside(Load load) {
        result_ = std::async(std::launch::async, [this, load] {
            return load([this](int) {
                if (stop_)
                    throw Stopped{};
            });
        });
    }
    ~SideLoadBeside() {
        stop_ = true;
        if (result_.valid())
            result_.wait();
    }
    SideLoadBeside(const SideLoadBeside&) = delete;
    SideLoadBeside& operator=(const SideLoadBeside&) = delete;

    SideReader::Status get() { return result_.get(); }

    struct Stopped {};

private:
    std::atomic<bool> stop_{false};
    std::future<SideReader::Status> result_;
};

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
        // Both sides are read at once; what the address book's reading has to
        // say is said after the phone's side, as when one follows the other.
        SideLoadBeside addressBook([this](const std::function<void(int)>& progress) {
            try {
                return loadSide(Side::AddressBook, progress);
            } catch (const SideLoadBeside::Stopped&) {
                return SideReader::Status::End;
            }
        });
        SortOut(Side::Mobile);
        showProgress(u"住所録側ソート中！");
        if (const auto status = addressBook.get(); status != SideReader::Status::Record)
            refuseRead(Side::AddressBook, status);
        window_.showRecordCount(Side::AddressBook,
                                u" " + decimal(table(Side::AddressBook).count()));
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

// Reads the side's records into its table and sorts them, touching nothing
// of the window: it may run beside the other side's. `progress` hears the
// running count and may throw to stop it.
SideReader::Status Engine::loadSide(Side side, const std::function<void(int)>& progress) {
    using Status = SideReader::Status;
    const SideSettings& s = settings_.side(side);
    SideReader& file = reader(side);
    file.close();
    if (const Status opened = file.open(toUtf8(s.path), s.delimiter()); opened != Status::Record)
        return opened;
    const RecordFormat format(s, settings_, conversion_);
    // Only lines that exist are read: an empty file or a lone title line
    // gives no entry and no end-of-data message.
    std::vector<Text>& titles = titles_[sideIndex(side)];
    titles.clear();
    if (s.titleLine) {
        Status title = file.peek();
        if (title == Status::Record)
            title = file.read(format);
        if (title != Status::Record && title != Status::End)
            return title;
        titles.assign(file.fields().begin() + 1, file.fields().begin() + 1 + s.columns());
    }

    KeyTable& entries = table(side);
    const EntryCells extra(s, settings_.removeBlanks);
    entries.reset(s.columns(), extra.count());
    for (Status next = file.peek(); next != Status::End; next = file.peek()) {
        if (next != Status::Record)
            return next;
        if (entries.count() == kMaxEntries)
            return Status::TooMany;
        if (const Status read = file.read(format); read != Status::Record)
            return read;
        if (extra.count() == 0) {
            entries.add(file.fields());
        } else {
            for (const auto& cells : extra.of(file.fields())) {
                if (entries.count() == kMaxEntries)
                    return Status::TooMany;
                entries.add(file.fields(), cells);
            }
        }
        progress(entries.count());
    }
    const int name = s.comparedName(), tel = s.comparedTel();
    const KeyTable::SortKey byName{name, settings_.foldReadings ? foldReading : nullptr};
    const KeyTable::SortKey byTel{tel, settings_.foldNumbers ? foldNumber : nullptr};
    if (settings_.key == MatchKey::Name)
        entries.sort(byName, byTel);
    else
        entries.sort(byTel, byName);
    return Status::Record;
}

void Engine::SortOut(Side side) {
    const auto status = loadSide(side, [this, side](int count) {
        if (dueForYield()) {
            window_.showRecordCount(side, u" " + decimal(count));
            yieldOrAbandon();
        }
    });
    if (status != SideReader::Status::Record)
        refuseRead(side, status);
    window_.showRecordCount(side, u" " + decimal(table(side).count()));
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
