// Runs a program several times as a whole process and prints the median wall
// time and the largest peak resident size of its runs:
//
//   timed_runs RUNS PROGRAM [ARGUMENTS...]
//
// Standard output of the program is discarded; its exit status must be 0 or
// 1 (findings), else the run counts as failed and this exits with 2.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> seconds;
    long peakKiB = 0;
    for (int run = 0; run < runs; ++run) {
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv[2], &files, nullptr, argv + 2, environ) != 0) {
            std::perror(argv[2]);
            return 2;
        }
        posix_spawn_file_actions_destroy(&files);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            std::fprintf(stderr, "%s failed\n", argv[2]);
            return 2;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%.3f s (median of %d), %.0f MiB peak\n", seconds[seconds.size() / 2], runs,
                peakKiB / 1024.0);
    return 0;
}
