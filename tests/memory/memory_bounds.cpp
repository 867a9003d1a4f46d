// Files that must be read in bounded memory. vCards: 1 GiB without a line end
// after a card's first lines, twice, and a card with a 100 MB photo. A file
// picked by mistake: 256 MiB of letters without a line end through the field
// count, the inspection, the viewer and a check run; 1 GiB of zero bytes is
// no text at all. The large files are sparse where they may be.
//
// Prints each step and the peak resident size; exits with 1 when a step did
// not end as the user should see it or the peak grew past its bound.
#include "core/engine.h"
#include "core/vcard_reader.h"
#include "support/fake_window.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

using namespace vormak;

namespace {

bool failed = false;

void expect(bool ok, const char* what) {
    std::printf("%-56s %s\n", what, ok ? "ok" : "FAILED");
    failed = failed || !ok;
}

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// `head`, `mib` MiB of `fill` (zero bytes take no disk space), then `tail`.
std::string makeFile(const std::filesystem::path& path, const std::string& head, long long mib,
                     char fill, const std::string& tail = "") {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string block(fill ? 1 << 20 : 0, fill);
    const off_t end = static_cast<off_t>(head.size()) + (mib << 20);
    bool ok = fd >= 0 && ::write(fd, head.data(), head.size()) == ssize_t(head.size());
    for (long long i = 0; ok && fill && i < mib; ++i)
        ok = ::write(fd, block.data(), block.size()) == ssize_t(block.size());
    if (!ok || ::ftruncate(fd, end) != 0 ||
        ::pwrite(fd, tail.data(), tail.size(), end) != ssize_t(tail.size())) {
        std::perror(path.c_str());
        std::exit(2);
    }
    ::close(fd);
    return path.string();
}

// The records of a whole file as "R:name|number ", "T " for a refused card.
std::string readCards(const std::string& path) {
    VCardReader reader(path);
    std::string out;
    std::vector<Text> record;
    for (VCardReader::Status s; (s = reader.next(record)) != VCardReader::Status::End;) {
        if (s == VCardReader::Status::Failed)
            return out + "F";
        out += s == VCardReader::Status::TooLong
                   ? std::string("T ")
                   : "R:" + toUtf8(record[0]) + "|" + toUtf8(record[2]) + " ";
    }
    return out;
}

} // namespace

int main() {
    char folderTemplate[] = "/tmp/vormak-memory-XXXXXX";
    if (!::mkdtemp(folderTemplate))
        return 2;
    const std::filesystem::path folder = folderTemplate;
    const std::string cards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:";
    const std::string next =
        "\r\nTEL:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\n";
    // A 2.1 card whose name is not ASCII: the file's encoding is judged on a
    // second pass over the whole file.
    const auto longValue = makeFile(folder / "value.vcf",
                                    "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:\x8E\x52\r\nNOTE:", 1024, 0);
    const auto longName = makeFile(folder / "name.vcf", cards, 1024, 0, next);
    const auto photo =
        makeFile(folder / "photo.vcf", cards + "A\r\nPHOTO;ENCODING=b:", 100, 0, next);
    const auto zeros = makeFile(folder / "zeros.csv", "", 1024, 0);
    const auto letters = makeFile(folder / "letters.csv", "", 256, 'a');
    const auto small = makeFile(folder / "small.csv", "a,1\r\nb,2\r\n", 0, 0);
    const long startKiB = peakKiB();

    expect(VCardReader::looksLikeVCard(longValue), "a long value's file is a vCard");
    expect(readCards(longValue) == "R:山| ", "a value without a line end is passed over");
    expect(readCards(longName) == "T R:B|2 ", "a name over the bound is refused, then read on");
    expect(readCards(photo) == "R:A|1 R:B|2 ", "a 100 MB photo is passed over");
    const long vCardKiB = peakKiB();
    expect(vCardKiB - startKiB <= 16 * 1024, "vCards: peak resident size grew by 16 MiB at most");

    testing::FakeWindow window;
    Engine engine(window);
    SideSettings& mobile = window.controls.side(Side::Mobile);
    SideSettings& book = window.controls.side(Side::AddressBook);
    expect(fileProblem(zeros) == FileProblem::NotText, "zero bytes are no text");
    expect(FieldCntGet(letters, u',') == 0, "the letters' field count is 0");
    mobile.path = fromUtf8(letters);
    engine.ChkFile_LostFocus(Side::Mobile);
    expect(mobile.fieldCount == u"0" && window.messages.empty(), "inspection: 0 fields, quietly");
    // Counts and positions typed by hand, as a user would to force it.
    mobile = {mobile.path, true, false, u"2", u"1", u"2"};
    window.controls.viewerSide = Side::Mobile;
    engine.Command6_Click();
    const Text tooLong = u"携帯電話側ファイルに長すぎる行があります\n";
    expect(window.shownMessages() == tooLong, "the viewer refuses the line, naming the side");
    book.path = fromUtf8(small);
    engine.ChkFile_LostFocus(Side::AddressBook);
    book = {book.path, true, false, u"2", u"1", u"2"};
    window.messages.clear();
    engine.Command3_Click();
    expect(window.shownMessages() == tooLong && window.statusLine == u"検 査 中 止" &&
               !window.busy && !window.locked,
           "a check refuses the line and ends cleanly");
    const long endKiB = peakKiB();
    std::printf("peak resident size: %ld KiB, after the vCards %ld KiB, at the end %ld KiB\n",
                startKiB, vCardKiB, endKiB);
    expect(endKiB - startKiB <= 64 * 1024, "all: peak resident size grew by 64 MiB at most");
    std::filesystem::remove_all(folder);
    return failed ? 1 : 0;
}
