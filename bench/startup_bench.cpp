// Start-up of the desktop program to the shown main window, with an empty
// diary and with 36,500 entries, measured side by side in one run.
//
// Each iteration starts a fresh process (this program in its probe mode):
// the Qt application, the settings, the single-instance lock, the main
// window with its tree filled from the folder, shown on the offscreen
// platform. The time runs from the start of the process to the moment the
// window is shown; the probe also reports its peak resident memory then.
//
// startup_bench [benchmark options]: prints the table, the ratio of the two
// start-ups and the peak memory of each.
// startup_bench --probe FOLDER: one start-up (used by the benchmark).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "app/kivor_app.h"
#include "app/main_frame.h"
#include "bench/median_reporter.h"
#include "bench/synthetic_diary.h"

extern char** environ;

namespace {

// --- the probe: one start-up in this process ----------------------------------

int Probe(int argc, char** argv, const std::string& folder) {
    QApplication app(argc, argv);
    CKivorApp kivorApp(folder, "");
    if (!kivorApp.InitApplication() || !kivorApp.InitInstance()) return 1;
    QWindow* window = kivorApp.MainFrame()->windowHandle();
    while (!window || !window->isExposed()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        window = kivorApp.MainFrame()->windowHandle();
    }
    QApplication::processEvents();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("shown %ld\n", usage.ru_maxrss);  // KiB
    std::fflush(stdout);
    kivorApp.MainFrame()->close();
    kivorApp.ExitInstance();
    return 0;
}

// --- the benchmark --------------------------------------------------------------

std::string g_self;        // this program
std::string g_runtimeDir;  // the probes' XDG_RUNTIME_DIR

kivor::bench::SyntheticDiaries& SyntheticFolders() {
    static kivor::bench::SyntheticDiaries folders("kivor-startup-bench-",
                                                  kivor::EntryDate{1920, 1, 1});
    return folders;
}

struct ProbeResult {
    double seconds = 0;  // process start to shown window
    long peakKiB = 0;
};

ProbeResult RunProbe(const std::string& folder) {
    int out[2];
    if (pipe(out) != 0) std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string platform = "offscreen";
    std::string probeFlag = "--probe";
    std::string folderArg = folder;
    std::string platformFlag = "-platform";
    char* args[] = {g_self.data(),       probeFlag.data(), folderArg.data(),
                    platformFlag.data(), platform.data(),  nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, g_self.c_str(), &actions, nullptr, args, environ) != 0) std::exit(1);
    close(out[1]);
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    const auto shown = std::chrono::steady_clock::now();
    char rest[256];
    while (read(out[0], rest, sizeof rest) > 0) {
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    ProbeResult result;
    result.seconds = std::chrono::duration<double>(shown - start).count();
    if (line.rfind("shown ", 0) != 0) {
        std::fprintf(stderr, "startup_bench: the probe failed (%s)\n", line.c_str());
        std::exit(1);
    }
    result.peakKiB = std::atol(line.c_str() + 6);
    return result;
}

std::map<int, long> g_peakKiB;

void StartUpToShownWindow(benchmark::State& state) {
    const int days = static_cast<int>(state.range(0));
    const std::string& folder = SyntheticFolders().For(days);
    long peak = 0;
    for (auto _ : state) {
        const ProbeResult result = RunProbe(folder);
        state.SetIterationTime(result.seconds);
        peak = std::max(peak, result.peakKiB);
    }
    g_peakKiB[days] = std::max(g_peakKiB[days], peak);
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

BENCHMARK(StartUpToShownWindow)
    ->Arg(0)
    ->Arg(36500)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

void PrintRatios(const kivor::bench::MedianReporter& reporter) {
    auto empty = reporter.Time("StartUpToShownWindow/0/");
    auto full = reporter.Time("StartUpToShownWindow/36500/");
    if (empty && full) {
        std::printf(
            "\nstart-up to shown window, 36,500 entries / empty diary (target: at most "
            "1.5)\n  %.1f ms / %.1f ms = %.2fx\n",
            *full, *empty, *full / *empty);
    }
    std::printf("peak memory at the shown window (target: under 100 MiB)\n");
    for (const auto& [days, kib] : g_peakKiB) {
        std::printf("  %6d entries: %.1f MiB\n", days, static_cast<double>(kib) / 1024.0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--probe") == 0) {
        std::string folder = argv[2];
        // Qt sees the program name and what follows the folder.
        std::vector<char*> qtArgs{argv[0]};
        for (int i = 3; i < argc; ++i) qtArgs.push_back(argv[i]);
        qtArgs.push_back(nullptr);
        int qtArgc = static_cast<int>(qtArgs.size()) - 1;
        return Probe(qtArgc, qtArgs.data(), folder);
    }
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return 1;
    g_self.assign(self, static_cast<size_t>(length));
    // The probes take the single-instance lock in a folder of their own.
    g_runtimeDir = kivor::bench::MakeTempFolder("kivor-startup-bench-runtime-");
    setenv("XDG_RUNTIME_DIR", g_runtimeDir.c_str(), 1);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    kivor::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(g_runtimeDir, ec);
    return 0;
}
