// Start-up benchmark: starts the two programs and their reference programs
// in interleaved rounds and prints the medians side by side with the goals.
//   startup_driver [rounds] [full|lite:label=path ...]
// Each extra program (a variant under study, say) joins the rounds and is
// compared with the floor of the edition named before its label.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "startup_probe.h"

namespace startup_bench {
namespace {

constexpr double StartupGoalRatio = 1.15;                  // to the floor (b)
constexpr double WorkingSetGoalBytes = 6.0 * 1024 * 1024;  // over the floor (b)
constexpr double ProgramSizeGoalBytes = 2.0 * 1024 * 1024;

// Build outputs, as Windows paths (Wine maps Z: to the root).
std::wstring buildOutput(const std::string& unixPath) {
    std::string path = unixPath.starts_with('/') ? "Z:" + unixPath : unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return {path.begin(), path.end()};
}

struct Program {
    std::string label;
    std::wstring path;
    int floor = -1;  // index of its floor (b), for the two programs
    std::vector<StartupSample> samples;
};

// "full:label=path" or "lite:label=path".
std::optional<Program> extraProgram(const std::string& argument) {
    const size_t colon = argument.find(':'), equals = argument.find('=');
    if (colon == std::string::npos || equals == std::string::npos || equals < colon) return std::nullopt;
    const std::string edition = argument.substr(0, colon);
    if (edition != "full" && edition != "lite") return std::nullopt;
    return Program{argument.substr(colon + 1, equals - colon - 1), buildOutput(argument.substr(equals + 1)),
                   edition == "full" ? 1 : 2};
}

// Linear between the two nearest ranks; 0.5 gives the median.
double quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double rank = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<size_t>(rank);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (rank - static_cast<double>(below));
}

template <typename Field>
double quantileOf(const Program& program, Field field, double q) {
    std::vector<double> values;
    for (const auto& sample : program.samples) values.push_back(static_cast<double>(sample.*field));
    return quantile(std::move(values), q);
}

template <typename Field>
double medianOf(const Program& program, Field field) {
    return quantileOf(program, field, 0.5);
}

double fileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

constexpr double MiB = 1024.0 * 1024.0;

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace
}  // namespace startup_bench

int main(int argc, char** argv) {
    using namespace startup_bench;
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    std::vector<Program> programs = {
        {"(a) empty window", buildOutput(EMPTY_WINDOW_EXE)},
        {"(b) floor, full", buildOutput(CONTROL_FLOOR_FULL_EXE)},
        {"(b) floor, lite", buildOutput(CONTROL_FLOOR_LITE_EXE)},
        {"rewardcfg", buildOutput(REWARDCFG_FULL_EXE), 1},
        {"rewardcfg-lite", buildOutput(REWARDCFG_LITE_EXE), 2},
    };
    for (int i = 2; i < argc; ++i) {
        auto extra = extraProgram(argv[i]);
        if (!extra) {
            std::fprintf(stderr, "not full|lite:label=path: %s\n", argv[i]);
            return 2;
        }
        programs.push_back(*extra);
    }
    const size_t count = programs.size();

    // Round 0 warms the file cache and Wine's shared state and is not counted.
    // Each round starts at another program, so none always comes first.
    std::printf("start-up under this system: %d rounds of %zu programs, interleaved (+1 warm-up round)\n", rounds,
                count);
    int failures = 0;
    for (int round = 0; round <= rounds; ++round) {
        for (size_t step = 0; step < count; ++step) {
            Program& program = programs[(static_cast<size_t>(round) + step) % count];
            std::string error;
            auto sample = measureStartup(program.path, error);
            if (!sample) {
                std::fprintf(stderr, "%s: %s\n", program.label.c_str(), error.c_str());
                ++failures;
                continue;
            }
            if (round > 0) program.samples.push_back(*sample);
        }
        std::fprintf(stderr, "\rround %d/%d", round, rounds);
    }
    std::fprintf(stderr, "\n");
    for (const auto& program : programs)
        if (program.samples.empty()) {
            std::fprintf(stderr, "%s: no successful start\n", program.label.c_str());
            return 1;
        }

    const Program& empty = programs[0];
    const double emptyShown = medianOf(empty, &StartupSample::shownMs);
    const double emptyIdle = medianOf(empty, &StartupSample::inputIdleMs);

    // The spread of the shown times tells how far the ratios can be trusted on this machine.
    std::printf(
        "\nmedians                 shown ms (p25-p75)   idle ms  peak WS MB  file KB | shown/(b) idle/(b) WS-(b) MB | "
        "shown/(a) idle/(a)\n");
    for (const auto& program : programs) {
        const double shown = medianOf(program, &StartupSample::shownMs);
        const double idle = medianOf(program, &StartupSample::inputIdleMs);
        const double workingSet = medianOf(program, &StartupSample::peakWorkingSet);
        std::printf("%-22s %9.1f (%4.0f-%4.0f) %9.1f %11.2f %8.0f |", program.label.c_str(), shown,
                    quantileOf(program, &StartupSample::shownMs, 0.25),
                    quantileOf(program, &StartupSample::shownMs, 0.75), idle, workingSet / MiB,
                    fileSize(program.path) / 1024);
        if (program.floor >= 0) {
            const Program& floor = programs[static_cast<size_t>(program.floor)];
            std::printf(" %9.3f %8.3f %10.2f |", shown / medianOf(floor, &StartupSample::shownMs),
                        idle / medianOf(floor, &StartupSample::inputIdleMs),
                        (workingSet - medianOf(floor, &StartupSample::peakWorkingSet)) / MiB);
        } else {
            std::printf(" %9s %8s %10s |", "", "", "");
        }
        std::printf(" %9.3f %8.3f  (n=%zu)\n", shown / emptyShown, idle / emptyIdle, program.samples.size());
    }

    std::printf("\ngoals (each program against the floor of its edition)\n");
    for (const auto& program : programs) {
        if (program.floor < 0) continue;
        const Program& floor = programs[static_cast<size_t>(program.floor)];
        const double shownRatio = medianOf(program, &StartupSample::shownMs) / medianOf(floor, &StartupSample::shownMs);
        const double idleRatio = medianOf(program, &StartupSample::inputIdleMs) /
                                 medianOf(floor, &StartupSample::inputIdleMs);
        const double extraWorkingSet = medianOf(program, &StartupSample::peakWorkingSet) -
                                       medianOf(floor, &StartupSample::peakWorkingSet);
        const double size = fileSize(program.path);
        std::printf(
            "%-15s start-up <= %.2fx (b): shown %.3fx %s, idle %.3fx %s; working set <= (b) + 6 MB: "
            "%+.2f MB %s; file < 2 MB: %.2f MB %s\n",
            program.label.c_str(), StartupGoalRatio, shownRatio, verdict(shownRatio <= StartupGoalRatio), idleRatio,
            verdict(idleRatio <= StartupGoalRatio), extraWorkingSet / MiB,
            verdict(extraWorkingSet <= WorkingSetGoalBytes), size / MiB, verdict(size < ProgramSizeGoalBytes));
    }
    if (failures) std::printf("\n%d start(s) failed and are left out\n", failures);
    return 0;
}
