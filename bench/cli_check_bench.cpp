// vormak-check as a whole process, from its start to its exit, over the same
// 999 × 999 records as core_check_bench: the files are written once to a
// folder of their own, then the program is run on them again and again and
// the median wall-clock time is reported.
//
//   cli_check_bench [PROGRAM] [RUNS]

#include "check_sides.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// The settings core_check_bench types into the window.
const char* const kOptions[] = {"--fields1", "20", "--fields2", "20", "--name1", "2",
                                "--name2",   "2",  "--tel1",    "3",  "--tel2",  "3"};

struct Run {
    double seconds;
    int status;
};

Run runOnce(const std::string& program, const std::filesystem::path& folder) {
    std::vector<std::string> args = {program};
    args.insert(args.end(), std::begin(kOptions), std::end(kOptions));
    args.push_back((folder / "mobile.csv").string());
    args.push_back((folder / "address.csv").string());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string out = (folder / "findings.txt").string();
    const std::string err = (folder / "messages.txt").string();
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&files);
    return {took.count(), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

size_t linesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return static_cast<size_t>(
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : VORMAK_CHECK_PROGRAM;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;

    std::string pattern = (std::filesystem::temp_directory_path() / "vormak-cli-bench-XXXXXX");
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path folder = pattern;
    vormak::bench::writeSides(folder / "mobile.csv", folder / "address.csv");

    std::vector<double> times;
    size_t findings = 0;
    bool failed = false;
    for (int i = 0; i < runs && !failed; ++i) {
        const Run run = runOnce(program, folder);
        times.push_back(run.seconds);
        findings = linesOf(folder / "findings.txt");
        // Findings are expected (status 1) and no message at all.
        failed = run.status != 1 || std::filesystem::file_size(folder / "messages.txt") != 0;
    }
    std::filesystem::remove_all(folder);
    if (failed) {
        std::fprintf(stderr, "%s did not run through the check\n", program.c_str());
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("vormak-check, 999 x 999 records, %d runs: median %.1f ms "
                "(min %.1f, max %.1f), %zu findings\n",
                runs, times[times.size() / 2] * 1e3, times.front() * 1e3, times.back() * 1e3,
                findings);
    return 0;
}
