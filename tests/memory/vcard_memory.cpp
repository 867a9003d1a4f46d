// vCard files that must be read in bounded memory: 1 GiB without a single
// line end after the card's first lines, and a card with a 100 MB photo. The
// files are sparse: they take no disk space.
//
//   build/test/bench/vcard_memory [size of the long line in MiB, default 1024]
//
// Prints the peak resident size before and after and exits with 1 when it
// grew by more than the bound, or when a file did not read as it should.

#include "core/vcard_reader.h"

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

constexpr long kBoundKiB = 16 * 1024; // growth of the peak resident size allowed

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

// `head`, then `holeBytes` zero bytes that take no disk space, then `tail`.
std::string sparseFile(const std::filesystem::path& path, const std::string& head,
                       long long holeBytes, const std::string& tail) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const auto size = static_cast<off_t>(head.size() + holeBytes);
    if (fd < 0 || ::write(fd, head.data(), head.size()) != static_cast<ssize_t>(head.size()) ||
        ::ftruncate(fd, size) != 0 ||
        ::pwrite(fd, tail.data(), tail.size(), size) != static_cast<ssize_t>(tail.size())) {
        std::perror(path.c_str());
        std::exit(2);
    }
    ::close(fd);
    return path.string();
}

// The statuses and records of a whole file, as "R:name|number" and "T" for a refused card.
std::string readAll(const std::string& path) {
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

int main(int argc, char** argv) {
    const long long mib = argc > 1 ? std::atoll(argv[1]) : 1024;
    char folderTemplate[] = "/tmp/vormak-vcard-XXXXXX";
    if (!::mkdtemp(folderTemplate)) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path folder = folderTemplate;
    // A 2.1 card whose name is not ASCII: the file's encoding is judged on a
    // second pass over the whole file.
    const std::string longLine =
        sparseFile(folder / "long-line.vcf",
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:\x8E\x52\r\nNOTE:", mib << 20, "");
    const std::string longName =
        sparseFile(folder / "long-name.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:", mib << 20, "");
    const std::string photo =
        sparseFile(folder / "photo.vcf",
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nPHOTO;ENCODING=b:", 100ll << 20,
                   "\r\nTEL:1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\n");

    const long startKiB = peakResidentKiB();
    const auto started = std::chrono::steady_clock::now();
    expect(VCardReader::looksLikeVCard(longLine), "the long line's file is a vCard");
    expect(readAll(longLine) == "R:山| ", "a value without a line end is passed over");
    expect(readAll(longName) == "T ", "a name without a line end is refused");
    expect(readAll(photo) == "R:A|1 R:B|2 ", "a 100 MB photo is passed over");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const long endKiB = peakResidentKiB();
    std::printf("files: %lld MiB without a line end, twice; a 100 MB photo; in %.1f s\n", mib,
                seconds);
    std::printf("peak resident size: %ld KiB at start, %ld KiB at end, grown by %ld KiB "
                "(bound %ld KiB)\n",
                startKiB, endKiB, endKiB - startKiB, kBoundKiB);
    expect(endKiB - startKiB <= kBoundKiB, "peak resident size within the bound");

    std::filesystem::remove_all(folder);
    return failed ? 1 : 0;
}
