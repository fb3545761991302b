// Time from exec to the first painted frame, and peak resident memory, of
// the program against a bare Qt window, on each Qt platform named.  Each
// program runs once to warm the caches, then <runs> times; medians are
// reported with their ratio.
//
// Usage: startup_benchmark <runs> <program> <bare-window> <platform>...
// The programs must link FirstFrameProbe, which prints the steady clock.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double peakMebibytes;
};

Run runOnce(const std::string& program, const std::string& platform)
{
    int output[2];
    if (pipe(output) != 0)
        throw std::runtime_error("pipe failed");
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    std::string printed;
    char buffer[64];
    for (ssize_t n; (n = read(output[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, static_cast<std::size_t>(n));
    close(output[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || printed.empty())
        throw std::runtime_error(program + " did not report a first frame on " + platform);

    const auto painted = std::chrono::steady_clock::time_point(
        std::chrono::nanoseconds(std::stoll(printed)));
    return {std::chrono::duration<double, std::milli>(painted - started).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Run medianRun(const std::string& program, const std::string& platform, int runs)
{
    runOnce(program, platform); // warm-up
    std::vector<double> times, peaks;
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(program, platform);
        times.push_back(run.milliseconds);
        peaks.push_back(run.peakMebibytes);
    }
    return {median(times), median(peaks)};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <runs> <program> <bare-window> <platform>...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string program = argv[2], bare = argv[3];

    std::printf("| platform | program first frame | bare first frame | ratio | program peak RSS "
                "| bare peak RSS | difference |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (int i = 4; i < argc; ++i) {
        const Run ours = medianRun(program, argv[i], runs);
        const Run reference = medianRun(bare, argv[i], runs);
        std::printf("| %s | %.1f ms | %.1f ms | %.2f | %.1f MiB | %.1f MiB | %+.1f MiB |\n",
                    argv[i], ours.milliseconds, reference.milliseconds,
                    ours.milliseconds / reference.milliseconds, ours.peakMebibytes,
                    reference.peakMebibytes, ours.peakMebibytes - reference.peakMebibytes);
    }
    return 0;
}
