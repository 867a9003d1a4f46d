// vormak-check: the check of the window, run from the command line. The
// options fill in a window held in memory; the engine's own procedures then
// inspect both files, run the check and write the result file, exactly as
// the buttons of the window do.

#include "cli/command_line.h"
#include "cli/terminal_window.h"
#include "core/conversion_table.h"
#include "core/engine.h"
#include "core/line_reader.h"

#include <string>
#include <vector>

namespace vormak::cli {

namespace {

enum ExitStatus { NoFindings = 0, Findings = 1, Failed = 2 };

// The status line's texts once a procedure has ended.
constexpr std::u16string_view kCheckFinished = u"検 査 終 了";
constexpr std::u16string_view kCheckAbandoned = u"検 査 中 止";
constexpr std::u16string_view kOutputFinished = u"出 力 終 了";
constexpr std::u16string_view kOutputAbandoned = u"出 力 中 止";

// The conversion table named on the command line, loaded into the boxes as
// the window loads vormak.izn; false when the file cannot be read.
bool loadNamedPairs(const std::string& path, Window& window) {
    if (!LineReader(path).isOpen())
        return false;
    const auto pairs = loadConversionFile(path);
    for (size_t i = 0; i < pairs.size(); ++i)
        window.showConversionPair(static_cast<int>(i), pairs[i].from, pairs[i].to);
    return true;
}

int runCheck(const Invocation& invocation, Console& console) {
    TerminalWindow window(invocation, console);
    Engine engine(window);
    if (!invocation.pairsFile) {
        engine.loadConversionTable();
    } else if (!loadNamedPairs(*invocation.pairsFile, window)) {
        console.err(u"機種依存文字ファイル（" + fromUtf8(*invocation.pairsFile) +
                    u"）が読めません");
        return Failed;
    }

    // What the inspection puts on the status line names a file it could not
    // read; it is told after the refusal that follows from it. For a file of
    // today it says how the file was read and which titles were taken for
    // the name and the number: told before the findings when the positions
    // were left to the inspection, as the window shows it.
    std::vector<Text> causes, columnsTaken;
    for (Side side : kBothSides) {
        const Text before = window.status();
        engine.ChkFile_LostFocus(side);
        if (window.status() == before || window.status().empty())
            continue;
        causes.push_back(window.status());
        const GivenInspection& given = invocation.given[sideIndex(side)];
        if (!given.namePosition || !given.telPosition)
            columnsTaken.push_back(window.status());
    }

    TerminalWindow::stopOnInterrupt();
    engine.Command3_Click();
    if (window.status() != kCheckFinished) {
        // An interrupt abandons the check without a message; any other
        // abandonment has told its reason, a refusal only its own message.
        if (TerminalWindow::interrupted())
            console.err(kCheckAbandoned);
        else if (window.status() != kCheckAbandoned)
            for (const Text& cause : causes)
                console.err(cause);
        return Failed;
    }

    for (const Text& columns : columnsTaken)
        console.err(columns);
    bool failed = false;
    if (invocation.writeResult) {
        engine.Command9_Click();
        failed = window.status() != kOutputFinished;
        if (failed && TerminalWindow::interrupted())
            console.err(kOutputAbandoned);
    }
    for (const Finding& finding : engine.findings())
        console.out(finding.line);
    if (!console.flushOutput()) {
        console.err(u"検査結果を標準出力に書けません");
        failed = true;
    }
    return failed ? Failed : engine.findings().empty() ? NoFindings : Findings;
}

} // namespace

} // namespace vormak::cli

int main(int argc, char** argv) {
    using namespace vormak::cli;
    const Invocation invocation = parseCommandLine(argc, argv);
    Console console(invocation.encoding);
    if (invocation.problem) {
        console.err(u"vormak-check: " + *invocation.problem);
        console.err(kUsageLine);
        return Failed;
    }
    switch (invocation.action) {
    case Invocation::Action::Help:
        console.out(kHelpText);
        return console.flushOutput() ? NoFindings : Failed;
    case Invocation::Action::Version:
        console.out(u"vormak-check " VORMAK_VERSION);
        return console.flushOutput() ? NoFindings : Failed;
    case Invocation::Action::Check:
        break;
    }
    return runCheck(invocation, console);
}
