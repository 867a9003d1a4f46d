#include "core/engine.h"
#include "core/conversion_table.h"

namespace vormak {

namespace {

constexpr std::u16string_view kCannotOpen[2] = {u"携帯電話側ファイルが開けません",
                                                u"住所録側ファイルが開けません"};
constexpr std::u16string_view kCannotRead[2] = {u"携帯電話側ファイルが読めません",
                                                u"住所録側ファイルが読めません"};
constexpr std::u16string_view kLineTooLong[2] = {u"携帯電話側ファイルに長すぎる行があります",
                                                 u"住所録側ファイルに長すぎる行があります"};
constexpr std::u16string_view kCardTooLarge[2] = {u"携帯電話側ファイルに大きすぎる連絡先があります",
                                                  u"住所録側ファイルに大きすぎる連絡先があります"};

} // namespace

Engine::Engine(Window& window) : window_(window) {}

Engine::OperationScope::OperationScope(Engine& engine) : engine_(engine) {
    engine_.operationInProgress_ = true;
    engine_.window_.setOperationLocked(true);
    engine_.window_.setBusy(true);
}

Engine::OperationScope::~OperationScope() {
    engine_.window_.setBusy(false);
    engine_.window_.setOperationLocked(false);
    engine_.operationInProgress_ = false;
}

void Engine::showMessage(std::u16string_view text) {
    window_.message(text, MessageButtons::Ok, MessageIcon::None, u"Vormak");
}

void Engine::abandonWith(std::u16string_view text) {
    showMessage(text);
    throw OperationAbandoned{false};
}

void Engine::yieldOrAbandon() {
    if (!window_.yield())
        throw OperationAbandoned{true};
}

void Engine::showProgress(std::u16string_view text) {
    window_.showStatus(text);
    yieldOrAbandon();
    lastYield_ = std::chrono::steady_clock::now();
}

bool Engine::dueForYield() {
    constexpr auto kInterval = std::chrono::milliseconds(40);
    const auto now = std::chrono::steady_clock::now();
    if (now - lastYield_ < kInterval)
        return false;
    lastYield_ = now;
    return true;
}

void Engine::takeSettings() {
    settings_ = window_.settings();
    conversion_ = ConversionTable(settings_.conversion);
}

void Engine::Form_Load() {
    window_.setFindingsVisible(false);
    window_.selectMatchKey(MatchKey::Telephone);
    ChkBoxUp(MatchKey::Telephone);
    loadConversionTable();
}

void Engine::ChkBoxUp(MatchKey matchKey) {
    const Text key = matchKey == MatchKey::Name ? u"氏名" : u"電話番号";
    const Text other = matchKey == MatchKey::Name ? u"電話番号" : u"氏名";
    const std::array<Text, 5> captions = {
        u"1．携帯側の同一" + key + u"重複データ",
        u"2．住所録側の同一" + key + u"重複データ",
        u"3．" + key + u"データが、携帯側にないもの",
        u"4．" + key + u"データが、住所録側にないもの",
        u"5．同一" + key + u"で" + other + u"が一致しないデータ",
    };
    window_.showCheckCaptions(captions);
}

// --- Record reader ---

void Engine::openSideFile(Side side) {
    const SideSettings& s = settings_.side(side);
    if (const auto status = reader(side).open(toUtf8(s.path), s.delimiter());
        status != SideReader::Status::Record)
        refuseRead(side, status);
}

bool Engine::sideHasMoreLines(Side side) {
    openSideFile(side);
    switch (const auto status = reader(side).peek()) {
    case SideReader::Status::Record:
        return true;
    case SideReader::Status::End:
        return false;
    default:
        refuseRead(side, status);
    }
}

void Engine::refuseRead(Side side, SideReader::Status status) {
    switch (status) {
    case SideReader::Status::CannotOpen:
        abandonWith(kCannotOpen[sideIndex(side)]);
    case SideReader::Status::NotText:
        abandonWith(fileProblemText(FileProblem::NotText, side));
    case SideReader::Status::TooMany:
        abandonWith(side == Side::Mobile ? u"携帯電話側 データが1000000件を超えています"
                                         : u"住所録側 データが1000000件を超えています");
    default:
        break;
    }
    if (status == SideReader::Status::TooLong)
        abandonWith(reader(side).format().kind == FileFormat::Kind::VCard
                        ? kCardTooLarge[sideIndex(side)]
                        : kLineTooLong[sideIndex(side)]);
    abandonWith(kCannotRead[sideIndex(side)]);
}

void Engine::RecGet(Side side) {
    if (readRecord(side, RecordFormat(settings_.side(side), settings_, conversion_)) ==
        SideReader::Status::End)
        showMessage(u"データの上限に達しました");
}

SideReader::Status Engine::readRecord(Side side, const RecordFormat& format) {
    openSideFile(side);
    const auto status = reader(side).read(format);
    if (status != SideReader::Status::Record && status != SideReader::Status::End)
        refuseRead(side, status);
    return status;
}

// --- File inspection ---

void Engine::ChkFile_LostFocus(Side side) {
    if (operationInProgress_)
        return;
    takeSettings();
    SideSettings& s = settings_.side(side);
    // An empty box names no file: there is nothing to look at.
    if (s.path.empty())
        return;
    const std::string path = toUtf8(s.path);
    inspected_[sideIndex(side)] = std::pair{s.path, identify(path)};
    const int count = FieldCntGet(path, s.delimiter());
    s.fieldCount = decimal(count);
    s.namePosition.clear();
    s.telPosition.clear();
    window_.showInspection(side, {s.fieldCount, {}, {}, std::nullopt});

    if (count == 0) {
        FileProblem problem = fileProblem(path);
        if (problem == FileProblem::None)
            problem = firstLineTooLong(path, s.delimiter()) ? FileProblem::LineTooLong
                                                            : FileProblem::Empty;
        if (!problemShown_)
            statusBeforeProblem_ = window_.status();
        problemShown_ = side;
        window_.showStatus(fileProblemText(problem, side));
    } else if (problemShown_ == side) {
        window_.showStatus(statusBeforeProblem_);
        problemShown_.reset();
    }
    try {
        KeyItiGet(side, count);
    } catch (const OperationAbandoned&) {
        // The file went away between counting and reading; the reason has
        // been shown and the positions stay empty.
    }
}

void Engine::KeyItiGet(Side side, int fieldCount) {
    window_.selectViewerSide(side);
    settings_.viewerSide = side;
    showFirstRecord();
    // A file the classic program could not read is looked at as today's
    // exports are written, says how it was read, and which titles were
    // taken: in a wide export they may be the wrong ones.
    const FileFormat& format = reader(side).format();
    const SideSettings& s = settings_.side(side);
    const std::string path = toUtf8(s.path);
    const KeyPositions found =
        format.kind == FileFormat::Kind::Text && fieldCount > 0
            ? exportKeyColumns(path, format, s.delimiter(), FldBuf(side), fieldCount)
            : vormak::KeyItiGet(FldBuf(side), fieldCount);
    if (fieldCount > 0 && format.kind != FileFormat::Kind::Classic)
        window_.showStatus(formatDescription(side, format, path, fieldCount, FldBuf(side), found));
    window_.showInspection(side, {decimal(fieldCount), found.name ? decimal(found.name) : Text(),
                                  found.tel ? decimal(found.tel) : Text(), found.bothFound(),
                                  found.givenName, found.moreTels});
}

void Engine::inspectIfChanged(Side side) {
    const Text path = window_.settings().side(side).path;
    if (path.empty())
        return;
    const auto& last = inspected_[sideIndex(side)];
    if (last && last->first == path && last->second == identify(toUtf8(path)))
        return;
    ChkFile_LostFocus(side);
}

// --- Record viewer ---

void Engine::Command5_Click() {
    viewerCommand(&Engine::showNextRecord);
}

void Engine::Command6_Click() {
    viewerCommand(&Engine::showFirstRecord);
}

// A viewer command does nothing while an operation holds the input files; an
// unreadable file has been reported and ends it, the list as it was.
void Engine::viewerCommand(void (Engine::*show)()) {
    if (operationInProgress_)
        return;
    inspectIfChanged(window_.settings().viewerSide);
    takeSettings();
    try {
        (this->*show)();
    } catch (const OperationAbandoned&) {
    }
}

void Engine::showFirstRecord() {
    const Side side = settings_.viewerSide;
    if (numericValue(settings_.side(side).fieldCount) == 0)
        return;
    reader(side).close();
    showNextRecord();
}

void Engine::showNextRecord() {
    const Side side = settings_.viewerSide;
    if (numericValue(settings_.side(side).fieldCount) == 0)
        return;
    RecGet(side);
    showViewerRecord(side);
}

void Engine::showViewerRecord(Side side) {
    showFieldLines(std::min(settings_.side(side).fields(), kMaxFields),
                   [this, side](int i) -> std::u16string_view { return FldBuf(side)[i]; });
}

void Engine::showFieldLines(int fieldCount, const std::function<std::u16string_view(int)>& field) {
    std::vector<Text> lines;
    for (int i = 1; i <= fieldCount; ++i) {
        // The field number right-aligned in two characters.
        Text line(i < 10 ? 1 : 0, u' ');
        line += decimal(i);
        line += u": ";
        line += field(i);
        lines.push_back(std::move(line));
    }
    window_.showRecordLines(lines);
}

void Engine::showEntry(size_t findingIndex) {
    if (operationInProgress_ || findingIndex >= findings_.size())
        return;
    const Finding& f = findings_[findingIndex];
    const Side side = f.mobileEntry ? Side::Mobile : Side::AddressBook;
    const int entry = f.mobileEntry ? f.mobileEntry : f.addressEntry;
    if (entry == 0)
        return;
    window_.selectViewerSide(side);
    reader(side).close();
    const KeyTable& entries = KeyTbl(side);
    showFieldLines(entries.columns(), [&entries, entry](int i) { return entries.cell(entry, i); });
}

// --- Conversion table ---

void Engine::Command12_Click() {
    takeSettings();
    const ConversionSave saved = saveConversionFile(kConversionFile, settings_.conversion);
    if (saved.result == SaveResult::Unencodable)
        showMessage(u"機種依存文字ファイル（vormak.izn）に書けない文字があります：" +
                    saved.unencodable);
    else if (saved.result == SaveResult::CannotCreate)
        showMessage(u"機種依存文字ファイル（vormak.izn）が作成できません");
    else
        window_.showStatus(u"記憶しました");
}

void Engine::loadConversionTable() {
    const auto pairs = loadConversionFile(kConversionFile);
    for (size_t i = 0; i < pairs.size(); ++i)
        window_.showConversionPair(static_cast<int>(i), pairs[i].from, pairs[i].to);
}

} // namespace vormak
