#include "cli/terminal_window.h"

#include <csignal>

namespace vormak::cli {

namespace {

volatile std::sig_atomic_t interruptSeen = 0;

extern "C" void onInterrupt(int) {
    interruptSeen = 1;
}

} // namespace

TerminalWindow::TerminalWindow(const Invocation& invocation, Console& console)
    : settings_(invocation.settings), given_(invocation.given), console_(console) {
    // The window's conversion boxes start with this pair, before any table
    // file is loaded over them.
    settings_.conversion[0] = {u"﨑", u"崎"};
    for (Side side : kBothSides)
        typeGivenValues(side);
}

void TerminalWindow::stopOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TerminalWindow::interrupted() {
    return interruptSeen != 0;
}

void TerminalWindow::showStatus(std::u16string_view text) {
    status_ = text;
    drawProgress(true);
}

void TerminalWindow::showRecordCount(Side side, std::u16string_view count) {
    counts_[sideIndex(side)] = count;
    drawProgress(false);
}

void TerminalWindow::drawProgress(bool urgent) {
    Text line = status_;
    if (!counts_[0].empty()) {
        if (!line.empty())
            line += u"  ";
        line += u"携帯側" + counts_[0] + u"件  住所録側" + counts_[1] + u"件";
    }
    console_.progress(line, urgent);
}

// The inspection fills in the boxes as in the window; what the command line
// gave is then typed over them.
void TerminalWindow::showInspection(Side side, const InspectionResult& result) {
    takeInspection(settings_.side(side), result);
    typeGivenValues(side);
}

void TerminalWindow::typeGivenValues(Side side) {
    SideSettings& s = settings_.side(side);
    const GivenInspection& given = given_[sideIndex(side)];
    if (given.fieldCount)
        s.fieldCount = *given.fieldCount;
    // A position given is one column, as a position typed in the window.
    if (given.namePosition) {
        s.namePosition = *given.namePosition;
        s.givenNamePosition = 0;
    }
    if (given.telPosition) {
        s.telPosition = *given.telPosition;
        s.moreTelPositions.clear();
    }
    if (given.titleLine)
        s.titleLine = *given.titleLine;
}

void TerminalWindow::showConversionPair(int index, std::u16string_view from,
                                        std::u16string_view to) {
    settings_.conversion[static_cast<size_t>(index)] = {Text(from), Text(to)};
}

MessageAnswer TerminalWindow::message(std::u16string_view text, MessageButtons buttons, MessageIcon,
                                      std::u16string_view) {
    // The one question the engine asks is whether to replace an existing
    // result file; naming it with --output has answered it.
    if (buttons == MessageButtons::YesNo)
        return MessageAnswer::Yes;
    console_.err(text);
    return MessageAnswer::Ok;
}

} // namespace vormak::cli
