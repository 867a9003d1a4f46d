// A file picked by mistake, 256 MiB of letters without a single line end,
// goes through the field count, the inspection, the record viewer and a check
// run; none of them may hold more than a bounded part of it in memory. A
// sparse 1 GiB file of zero bytes is no text at all.
//
//   build/test/tests/huge_line_memory [size in MiB, default 256]
//
// Prints the peak resident size before and after and exits with 1 when it
// grew by more than the bound, or when a step did not refuse the line the
// way the user should see it.

#include "core/engine.h"
#include "core/text.h"
#include "support/fake_window.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>

using namespace vormak;

namespace {

constexpr long kBoundKiB = 64 * 1024; // growth of the peak resident size allowed

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool failed = false;

void expect(bool ok, const char* what) {
    std::printf("%-58s %s\n", what, ok ? "ok" : "FAILED");
    failed = failed || !ok;
}

std::filesystem::path makeLetters(const std::filesystem::path& path, long long mib) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::string block(size_t{1} << 20, 'a');
    for (long long i = 0; f && i < mib; ++i)
        std::fwrite(block.data(), 1, block.size(), f);
    if (!f || std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
    return path;
}

std::filesystem::path makeSparseFile(const std::filesystem::path& path, long long bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::ftruncate(fd, bytes) != 0) {
        std::perror(path.c_str());
        std::exit(2);
    }
    ::close(fd);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    const long long mib = argc > 1 ? std::atoll(argv[1]) : 256;
    char folderTemplate[] = "/tmp/vormak-huge-XXXXXX";
    if (!::mkdtemp(folderTemplate)) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path folder = folderTemplate;
    const auto huge = makeLetters(folder / "huge.csv", mib);
    const auto zeros = makeSparseFile(folder / "zeros.csv", 1LL << 30);
    const auto small = folder / "small.csv";
    {
        std::FILE* f = std::fopen(small.c_str(), "wb");
        std::fputs("a,1\r\nb,2\r\n", f);
        std::fclose(f);
    }

    testing::FakeWindow window;
    Engine engine(window);
    SideSettings& mobile = window.controls.side(Side::Mobile);
    SideSettings& book = window.controls.side(Side::AddressBook);
    const long startKiB = peakResidentKiB();
    const auto started = std::chrono::steady_clock::now();

    expect(FieldCntGet(huge.string(), u',') == 0, "field count of the huge line is 0");
    expect(fileProblem(zeros.string()) == FileProblem::NotText, "zero bytes are no text");

    mobile.path = fromUtf8(huge.string());
    engine.ChkFile_LostFocus(Side::Mobile);
    expect(mobile.fieldCount == u"0" && window.messages.empty(),
           "inspection gives field count 0, no message");

    // Counts and positions typed by hand, as a user would to force it.
    mobile.fieldCount = u"2";
    window.controls.viewerSide = Side::Mobile;
    engine.Command6_Click();
    expect(window.shownMessages() == u"携帯電話側ファイルに長すぎる行があります\n",
           "viewer refuses the line, naming the side");

    book.path = fromUtf8(small.string());
    engine.ChkFile_LostFocus(Side::AddressBook);
    for (SideSettings* side : {&mobile, &book}) {
        side->namePosition = u"1";
        side->telPosition = u"2";
    }
    window.messages.clear();
    engine.Command3_Click();
    expect(window.shownMessages() == u"携帯電話側ファイルに長すぎる行があります\n" &&
               window.statusLine == u"検 査 中 止" && !window.busy && !window.locked,
           "check run refuses the line and ends cleanly");

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const long endKiB = peakResidentKiB();
    std::printf("file: %lld MiB without a line end; four passes in %.1f s\n", mib, seconds);
    std::printf("peak resident size: %ld KiB at start, %ld KiB at end, grown by %ld KiB "
                "(bound %ld KiB)\n",
                startKiB, endKiB, endKiB - startKiB, kBoundKiB);
    expect(endKiB - startKiB <= kBoundKiB, "peak resident size within the bound");

    std::filesystem::remove_all(folder);
    return failed ? 1 : 0;
}
