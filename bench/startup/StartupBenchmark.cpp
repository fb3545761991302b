// Time from exec to the first painted frame, private dirty memory at that
// frame, and peak resident memory, of a program against reference programs
// on one Qt platform.  The programs run interleaved, one after the other in
// each round, so that a change in the machine's load reaches them all alike;
// one warm-up round is not counted.  Medians are reported, with the
// program's time ratio and private dirty difference to each reference, and
// the load average before and after.
//
// Usage: startup_benchmark <rounds> <platform> <program> <reference>...
// The programs must link FirstFrameProbe, which prints the steady clock and
// the private dirty memory at the first frame.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double privateDirtyMebibytes;
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
    long long paintedNanoseconds = 0, privateDirtyKibibytes = -1;
    std::istringstream(printed) >> paintedNanoseconds >> privateDirtyKibibytes;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || paintedNanoseconds == 0 ||
        privateDirtyKibibytes < 0)
        throw std::runtime_error(program + " did not report a first frame on " + platform);

    const auto painted =
        std::chrono::steady_clock::time_point(std::chrono::nanoseconds(paintedNanoseconds));
    return {std::chrono::duration<double, std::milli>(painted - started).count(),
            static_cast<double>(privateDirtyKibibytes) / 1024.0,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    double one = 0, five = 0, fifteen = 0;
    file >> one >> five >> fifteen;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", one, five, fifteen);
    return text;
}

std::string baseName(const std::string& path)
{
    return path.substr(path.find_last_of('/') + 1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <rounds> <platform> <program> <reference>...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const std::string platform = argv[2];
    const std::vector<std::string> programs(argv + 3, argv + argc);

    const std::string loadBefore = loadAverage();
    for (const std::string& program : programs) // warm-up round
        runOnce(program, platform);
    std::vector<std::vector<Run>> runs(programs.size());
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < programs.size(); ++i)
            runs[i].push_back(runOnce(programs[i], platform));

    std::vector<Run> medians;
    for (const std::vector<Run>& ofOne : runs) {
        std::vector<double> times, dirty, peaks;
        for (const Run& run : ofOne) {
            times.push_back(run.milliseconds);
            dirty.push_back(run.privateDirtyMebibytes);
            peaks.push_back(run.peakMebibytes);
        }
        medians.push_back({median(times), median(dirty), median(peaks)});
    }

    std::printf("%s, %d interleaved rounds, medians; load average %s before, %s after\n\n",
                platform.c_str(), rounds, loadBefore.c_str(), loadAverage().c_str());
    std::printf("| program | first frame | private dirty at first frame | peak RSS |\n");
    std::printf("|---|---|---|---|\n");
    for (std::size_t i = 0; i < programs.size(); ++i)
        std::printf("| %s | %.1f ms | %.2f MiB | %.1f MiB |\n", baseName(programs[i]).c_str(),
                    medians[i].milliseconds, medians[i].privateDirtyMebibytes,
                    medians[i].peakMebibytes);
    std::printf("\n| %s against | time ratio | private dirty difference |\n",
                baseName(programs[0]).c_str());
    std::printf("|---|---|---|\n");
    for (std::size_t i = 1; i < programs.size(); ++i)
        std::printf("| %s | %.3f | %+.2f MiB |\n", baseName(programs[i]).c_str(),
                    medians[0].milliseconds / medians[i].milliseconds,
                    medians[0].privateDirtyMebibytes - medians[i].privateDirtyMebibytes);
    return 0;
}
