#pragma once
// The program's procedures, as the window calls them: each reads the settings
// once, hands them to the parts that own the data (side readers, key tables,
// cross-check, findings, result file) and tells the window what to show.
//
// The procedures keep the names the program has always used; they are the
// vocabulary of the help text and of the people who use the program. The
// romanised words in them:
//   Keitai  mobile phone (side 1)        Jyusyo   address book (side 2)
//   Kekka   result                       Hikaku   comparison, match key
//   Iti     position (of a field)        Kugiri   delimiter
//   Tume    removal (of blanks, hyphens) Izon     model-dependent (characters)
//   Dsp     display (the record viewer)  Chk      check
//   FldBuf  the field buffer of a side   KeyTbl   the sorted entries of a side

#include "core/file_survey.h"
#include "core/findings.h"
#include "core/key_table.h"
#include "core/side_reader.h"
#include "core/window.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vormak {

class Printer;

// Thrown inside a long operation that cannot go on. The reason has been shown
// to the user already, or the window was closed (then nothing more is shown).
// Caught by the procedure that started the operation.
struct OperationAbandoned {
    bool windowClosed = false;
};

// Entries of KeyTbl per side.
constexpr int kMaxEntries = 1000000;

// The conversion table file: a bare name, so it lives in the current folder.
constexpr const char* kConversionFile = "vormak.izn";

class Engine {
public:
    explicit Engine(Window& window);

    // --- Main window ---
    void Form_Load();
    void ChkBoxUp(MatchKey key);

    // --- Check run ---
    bool InputChk();
    void Command3_Click();

    // --- File inspection (on leaving a path box, or changing its format) ---
    void ChkFile_LostFocus(Side side);

    // --- Record viewer: next record, first record ---
    void Command5_Click();
    void Command6_Click();
    // Shows the entry a result line names (for check 5 the mobile one) as the
    // viewer shows a record; the viewer's buttons then start again at the top
    // of that side's file.
    void showEntry(size_t findingIndex);

    // --- Conversion table: "記憶", and loading it with the window ---
    void Command12_Click();
    void loadConversionTable();

    // --- Results: file output, printing, list editing ---
    void Command9_Click();
    void Command8_Click(Printer& printer);
    void Command11_Click();

    // True while a check run or a result file output is in progress; the
    // commands that touch the data then do nothing.
    bool operationInProgress() const { return operationInProgress_; }

    // Read access to the data, for the window and for tests.
    const Findings& findings() const { return findings_; }
    const KeyTable& KeyTbl(Side side) const { return tables_[sideIndex(side)]; }
    const FieldBuffer& FldBuf(Side side) const { return reader(side).fields(); }
    int RecCnt(Side side) const { return KeyTbl(side).count(); }
    // The fields of a side's title line as the last check read it; empty when
    // the side had none.
    const std::vector<Text>& titleFields(Side side) const { return titles_[sideIndex(side)]; }

private:
    // For the length of a check run or a result file output: busy pointer on,
    // commands locked, operationInProgress() true; all undone on every path.
    class OperationScope {
    public:
        explicit OperationScope(Engine& engine);
        ~OperationScope();
        OperationScope(const OperationScope&) = delete;
        OperationScope& operator=(const OperationScope&) = delete;

    private:
        Engine& engine_;
    };

    // What a result file depends on, remembered per side when a check ends.
    struct CheckedSide {
        Text path;
        std::optional<FileIdentity> identity;
        bool commaSeparated;
        bool titleLine;
        Text fieldCount;
        Encoding output; // of the result file that takes this side's records
        bool operator==(const CheckedSide&) const = default;
    };
    CheckedSide checkedSide(Side side, Encoding output) const;

    SideReader& reader(Side side) { return readers_[sideIndex(side)]; }
    const SideReader& reader(Side side) const { return readers_[sideIndex(side)]; }
    // Whether the result file quotes a value holding its delimiter or a line break.
    bool quoteResultValues() const;
    KeyTable& table(Side side) { return tables_[sideIndex(side)]; }

    // Reads the settings for the operation that starts now.
    void takeSettings();

    void showMessage(std::u16string_view text);
    [[noreturn]] void abandonWith(std::u16string_view text);
    // Yields to the window; abandons the operation when it was closed.
    void yieldOrAbandon();
    void showProgress(std::u16string_view text);
    // True, at most every few hundredths of a second, when the window is due
    // to paint and take input during a long loop.
    bool dueForYield();

    // Record reader: the next record of the side's file into its FldBuf,
    // opening the file when none is open. A file that cannot be opened or
    // read abandons the operation.
    void RecGet(Side side);
    SideReader::Status readRecord(Side side, const RecordFormat& format);
    void openSideFile(Side side);
    bool sideHasMoreLines(Side side);
    // Names the side's file that cannot be read on, and abandons.
    [[noreturn]] void refuseRead(Side side, SideReader::Status status);

    SideReader::Status loadSide(Side side, const std::function<void(int)>& progress);
    void SortOut(Side side);
    void ChkMain(int pass);

    void KeyItiGet(Side side, int fieldCount);
    // Inspects a side again when its path box names another file than the
    // one last inspected, or that file changed on disk since.
    void inspectIfChanged(Side side);

    void viewerCommand(void (Engine::*show)());
    void showFirstRecord();
    void showNextRecord();
    void showViewerRecord(Side side);
    void showFieldLines(int fieldCount, const std::function<std::u16string_view(int)>& field);

    bool resultFileRefused(const std::string& path);
    std::optional<Text> titleLineForResult();

    Window& window_;
    Settings settings_; // of the operation in progress
    ConversionTable conversion_;
    std::chrono::steady_clock::time_point lastYield_;
    std::array<SideReader, 2> readers_;
    std::array<KeyTable, 2> tables_;
    std::array<std::vector<Text>, 2> titles_;
    Findings findings_;
    bool operationInProgress_ = false;
    // Set when a check finished, cleared when one was abandoned.
    std::optional<std::array<CheckedSide, 2>> lastCheck_;
    // The file each side's inspection last looked at.
    std::array<std::optional<std::pair<Text, std::optional<FileIdentity>>>, 2> inspected_;
    // The side whose file problem the message line names, and what the line
    // said before; the next good inspection of that side puts it back.
    std::optional<Side> problemShown_;
    Text statusBeforeProblem_;

    friend class EngineTestAccess;
};

} // namespace vormak
