#pragma once
// The check engine: the program's procedures and the tables they share,
// working on the window only through the Window interface.
//
// The procedures keep the names the program has always used (RecGet, SortOut,
// ChkMain, Command3_Click, ...): they are the vocabulary of the help text and
// of the people who use the program. Sides are 1 (mobile, 携帯側) and
// 2 (address book, 住所録側).

#include "core/line_reader.h"
#include "core/replacement_file.h"
#include "core/text.h"
#include "core/window.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vormak {

class Printer;

// Thrown inside a long operation that cannot go on. The reason has been shown
// to the user already, or the window was closed (then nothing more is shown).
// Caught by the handler that started the operation.
struct OperationAbandoned {
    bool windowClosed = false;
};

constexpr int kMaxEntries = 999; // entries of KeyTbl per side
constexpr int kMaxFields = 20;   // fields of a record

// "ChkFile" and 1 give "ChkFile(1)": the name of one element of a control array.
std::string indexed(std::string_view name, int index);

class Engine {
public:
    explicit Engine(Window& window);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // --- Main window: load, check captions, key choice, hidden key columns ---
    void Form_Load();
    void ChkBoxUp(int Wsw);
    void KanaNameHikaku_Click();
    void TelNoHikaku_Click();
    void KanaNameIti_Change(int Index);
    void TelNoIti_Change(int Index);

    // --- Check run ---
    bool InputChk();
    void Command3_Click();

    // --- Record reader ---
    void RecGet(int Wsx);
    static int FieldCntGet(std::u16string_view Wk, char16_t WKugiri);

    // --- File inspection and key-column detection ---
    void ChkFile_LostFocus(int Index);
    void KeyItiGet(int Wsx);

    // --- Record viewer ---
    void Command5_Click();
    void Command6_Click();

    // --- Key normalisation ---
    static Text TumeMoji(std::u16string_view Wkmoji, std::u16string_view TumeC);
    Text IzonCnv(std::u16string_view Wk) const;

    // --- Conversion table file "vormak.izn" in the current folder ---
    void Command12_Click();
    void loadConversionTable();

    // --- Side sort and cross-check ---
    void SortOut(int Wsx);
    void ChkMain(int SyoriSW);

    // --- Results: file output, printing, list editing ---
    void Command9_Click();
    void Command8_Click(Printer& printer);
    void Command11_Click();

    // Record writers: columns 1 to n of entry WCnt of KeyTbl (RecPut) or of
    // the record buffer (RecPut2) joined with WKugiri, as one line without its
    // end mark. n is EndSx when given, else the number in FieldCnt(Wsx).
    Text RecPut(int Wsx, int WCnt, char16_t WKugiri,
                std::optional<int> EndSx = std::nullopt) const;
    Text RecPut2(int Wsx, char16_t WKugiri, std::optional<int> EndSx = std::nullopt) const;

    // True while a check run or a result file output is in progress; the
    // commands that touch the shared tables then do nothing.
    bool operationInProgress() const { return operationInProgress_; }

    // Read access to the shared tables, for the window and for tests.
    const Text& FldBuf(int side, int field) const { return fldBuf_[side][field]; }
    const Text& KeyTbl(int side, int entry, int column) const {
        return keyTbl_[side][entry][column];
    }
    int RecCnt(int side) const { return recCnt_[side]; }
    bool isSideFileOpen(int side) const { return sideFile_[side] != nullptr; }

private:
    using Record = std::array<Text, kMaxFields + 1>; // index 0: match mark in KeyTbl

    Window& window_;
    std::array<std::array<Text, kMaxFields + 1>, 3> fldBuf_{};  // [side][field], 1-based
    std::array<std::unique_ptr<LineReader>, 3> sideFile_{};      // SideFNo
    std::array<std::vector<Record>, 3> keyTbl_;                  // [side][entry], 1-based
    std::array<int, 3> recCnt_{};                                // RecCnt
    bool operationInProgress_ = false;

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

    // Yields to the window; throws OperationAbandoned{true} when it was closed.
    void yieldOrAbandon();

    // Private helpers of the procedures are declared below this line.

    // Message box with one OK button, no icon and the title "Vormak".
    void showMessage(std::u16string_view text);
    // Shows the reason and abandons the operation in progress.
    [[noreturn]] void abandonWith(std::u16string_view text);

    // Record reader: the side's open file, opened from ChkFile(side) when none
    // is open; a file that cannot be opened abandons the operation.
    LineReader& openSideFile(int Wsx);
    void closeSideFile(int Wsx) { sideFile_[Wsx].reset(); }
    // True while the side's file has a further line; a read failure abandons.
    bool sideHasMoreLines(int Wsx);

    // Key normalisation: the conversion pairs in use, read from the eight
    // boxes once per record.
    struct ConversionPair {
        Text from;
        char16_t to;
    };
    using ConversionPairs = std::vector<ConversionPair>;
    ConversionPairs readConversionPairs() const;
    static void convertInPlace(Text& w, const ConversionPairs& pairs);
    // Trim, drop double quotes, convert: what every field read goes through.
    static void cleanField(Text& out, std::u16string_view raw, const ConversionPairs& pairs);
    void cleanKeyFields(int Wsx);

    // Record viewer: the first-record and next-record commands without the
    // re-entry guard; they throw OperationAbandoned when the side's file
    // cannot be read. An operation that runs the first-record command inside
    // its own scope (the result file output) calls showFirstRecord.
    int viewerSide() const;
    void showFirstRecord();
    void showNextRecord();

    // Side sort: entries 1..count of a side put in order of key column, then
    // other column; records equal in both keep their file order.
    void orderEntries(int Wsx, int count);

    // Cross-check: the working state of one pass, with SideAdv and NearFind.
    class CheckPass;

    // Check run: progress text, then a yield.
    void showProgress(std::u16string_view text);

    // Tests fill the tables through this without running a check.
    friend class EngineTestAccess;

    // Result file output: one record to write per result line used.
    struct ResultRecord {
        int side;
        int entry;
        Text message;
    };
    std::vector<ResultRecord> resultRecords(int outputSide) const;
    bool outputFieldCountUsable(int side);
    ReplacementFile::Result writeResultFile(const std::string& path, int outputSide,
                                            const std::vector<ResultRecord>& records);
    int recordWidth(int Wsx, std::optional<int> EndSx) const;
};

} // namespace vormak
