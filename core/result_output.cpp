// The result list's commands: the result file, printing, removing lines.
#include "core/engine.h"
#include "core/printer.h"
#include "core/result_file.h"
#include "core/validation.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace vormak {

namespace {

bool sameFile(const std::string& a, const std::string& b) {
    const auto ia = identify(a), ib = identify(b);
    return ia && ib && ia->device == ib->device && ia->inode == ib->inode;
}

} // namespace

// Refuses, with its message, a result file that cannot or must not be
// written now; asks before replacing an existing one.
bool Engine::resultFileRefused(const std::string& path) {
    auto refuse = [this](std::u16string_view text) {
        showMessage(text);
        window_.showStatus(u"出 力 中 止");
        return true;
    };
    if (!lastCheck_)
        return refuse(u"検査結果がありません。先に検査を実行してください。");
    for (Side side : kBothSides) {
        const CheckedSide& then = (*lastCheck_)[sideIndex(side)];
        if (!(checkedSide(side, then.output) == then))
            return refuse(
                u"検査後にファイルまたは設定が変更されています。もう一度検査してください。");
    }
    for (Side side : kBothSides) {
        const Text& input = settings_.side(side).path;
        if (!input.empty() && sameFile(path, toUtf8(input))) {
            showMessage(u"検査対象ファイルには書き出せません");
            return true;
        }
    }
    const Side recordsOf = settings_.result.recordsOf;
    bool sideUsed[2] = {false, false};
    sideUsed[sideIndex(recordsOf)] = true;
    for (const auto& r : resultRecords(findings_, recordsOf))
        sideUsed[sideIndex(r.side)] = true;
    for (Side side : kBothSides) {
        if (!sideUsed[sideIndex(side)])
            continue;
        if (const auto problem = fieldCountProblem(settings_.side(side), side)) {
            showMessage(*problem);
            return true;
        }
    }
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISREG(st.st_mode) && ::access(path.c_str(), W_OK) != 0)
        return refuse(u"結果ファイルが作成できません");
    return exists && S_ISREG(st.st_mode) && st.st_size > 0 &&
           window_.message(u"既存のファイルです。\r書き換えてもいいですか？", MessageButtons::YesNo,
                           MessageIcon::None, u"Vormak") != MessageAnswer::Yes;
}

// A check that read one of today's files writes its values so that they read
// back; one of two classic files writes them as they are, as it always did.
bool Engine::quoteResultValues() const {
    return std::any_of(kBothSides.begin(), kBothSides.end(), [&](Side side) {
        return reader(side).format().kind != FileFormat::Kind::Classic;
    });
}

// The title line is the side's first line, read through the viewer, which
// shows it as well.
std::optional<Text> Engine::titleLineForResult() {
    const Side side = settings_.result.recordsOf;
    if (!settings_.side(side).titleLine)
        return std::nullopt;
    window_.selectViewerSide(side);
    settings_.viewerSide = side;
    showFirstRecord();
    return joinedFields(FldBuf(side), settings_.side(side).fields(), settings_.result.delimiter(),
                        quoteResultValues());
}

// "ﾌｧｲﾙ書出し": writes the records the findings name into the result file, for
// correcting the chosen side. The file is written beside the target and put
// in its place only when complete, so a failed output leaves the old file as
// it was.
void Engine::Command9_Click() {
    if (operationInProgress_)
        return;
    takeSettings();
    const ResultFileSettings& out = settings_.result;
    if (out.path.empty()) {
        showMessage(u"結果ファイルが指定されていません");
        return;
    }
    const std::string path = toUtf8(out.path);
    if (resultFileRefused(path))
        return;

    window_.showStatus(u"結果ファイル出力中！");
    ResultFileOutcome outcome;
    try {
        OperationScope scope(*this);
        yieldOrAbandon();
        ResultFileContent content;
        content.titleLine = titleLineForResult();
        content.quoteValues = quoteResultValues();
        for (const auto& r : resultRecords(findings_, out.recordsOf)) {
            content.lines.push_back(joinedFields(KeyTbl(r.side), r.entry,
                                                 settings_.side(r.side).fields(), out.delimiter(),
                                                 content.quoteValues));
            content.messages.push_back(r.message);
        }
        outcome = writeResultFile(path, content, out.delimiter(), out.withMessage,
                                  (*lastCheck_)[sideIndex(out.recordsOf)].output);
    } catch (const OperationAbandoned& abandoned) {
        if (!abandoned.windowClosed)
            window_.showStatus(u"出 力 中 止");
        return;
    }
    using Status = ResultFileOutcome::Status;
    if (outcome.status != Status::Done) {
        window_.showStatus(u"出 力 中 止");
        showMessage(outcome.status == Status::Unencodable
                        ? u"結果ファイルに書けない文字があります：" + outcome.unencodable
                    : outcome.status == Status::CannotCreate
                        ? Text(u"結果ファイルが作成できません")
                        : Text(u"結果ファイルの書込みに失敗しました"));
        return;
    }
    window_.showStatus(u"出 力 終 了");
    window_.yield();
}

// "結果印刷": every line of the result list, in list order, one printed line
// each, landscape A4 at 12 points. An empty list starts no job at all, so no
// blank sheet comes out of the printer.
void Engine::Command8_Click(Printer& printer) {
    if (operationInProgress_)
        return;
    if (findings_.empty()) {
        window_.showStatus(u"印刷する結果がありません");
        return;
    }
    bool printed = false;
    try {
        // A long list takes a while: the window stays responsive meanwhile,
        // its commands locked; closing it drops the job.
        OperationScope scope(*this);
        lastYield_ = std::chrono::steady_clock::now();
        printer.setPageProperty(kPageOrientation, kOrientationLandscape);
        printer.setPageProperty(kPagePaperSize, kPaperA4);
        printer.setFontSize(12);
        for (const Finding& f : findings_) {
            printer.printLine(f.line);
            if (dueForYield())
                yieldOrAbandon();
        }
        printed = printer.endDocument();
    } catch (const OperationAbandoned&) {
        return;
    }
    if (!printed) {
        if (const Text reason = printer.failureReason(); !reason.empty())
            window_.showStatus(reason);
        showMessage(u"印刷できません");
        return;
    }
    window_.showStatus(decimal(printer.pageCount()) + u"ページを " + printer.destination() +
                       u" に印刷しました");
}

// "選択された部分を検索結果リストから削除": removes every selected line.
void Engine::Command11_Click() {
    if (operationInProgress_)
        return;
    if (!findings_.remove(window_.selectedFindings()).empty())
        window_.showFindings(findings_);
}

} // namespace vormak
