// Listing the entry files and building the calendar tree model, measured
// beside a bare directory listing (opendir/readdir) of the same folder. The
// synthetic diary of each size is written once into a temporary folder.
//
// tree_bench [benchmark options]: prints the usual table, then the ratio of
// each size's list-and-build time to its bare listing.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bench/median_reporter.h"
#include "bench/synthetic_diary.h"
#include "diary/calendar_tree.h"
#include "diary/entry_store.h"
#include "settings/settings.h"

namespace {

kivor::bench::SyntheticDiaries& SyntheticFolders() {
    static kivor::bench::SyntheticDiaries folders("kivor-tree-bench-",
                                                  kivor::EntryDate{1990, 1, 1});
    return folders;
}

void BareListing(benchmark::State& state) {
    const std::string& folder = SyntheticFolders().For(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DIR* dir = ::opendir(folder.c_str());
        std::size_t names = 0;
        while (const dirent* d = ::readdir(dir)) {
            benchmark::DoNotOptimize(d->d_name);
            ++names;
        }
        ::closedir(dir);
        benchmark::DoNotOptimize(names);
    }
}

void ListAndBuild(benchmark::State& state) {
    const std::string& folder = SyntheticFolders().For(static_cast<int>(state.range(0)));
    kivor::Settings settings;
    std::size_t years = 0;
    for (auto _ : state) {
        kivor::CalendarTree tree(settings);
        tree.Build(kivor::ListEntryDates(folder));
        years = tree.Root().children.size();
        benchmark::DoNotOptimize(years);
    }
    state.counters["years"] = static_cast<double>(years);
}

void ListOnly(benchmark::State& state) {
    const std::string& folder = SyntheticFolders().For(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto dates = kivor::ListEntryDates(folder);
        benchmark::DoNotOptimize(dates.data());
    }
}

void BuildOnly(benchmark::State& state) {
    const std::string& folder = SyntheticFolders().For(static_cast<int>(state.range(0)));
    const auto dates = kivor::ListEntryDates(folder);
    kivor::Settings settings;
    for (auto _ : state) {
        kivor::CalendarTree tree(settings);
        tree.Build(dates);
        benchmark::DoNotOptimize(tree.Root().children.data());
    }
}

BENCHMARK(BareListing)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);
BENCHMARK(ListAndBuild)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);
BENCHMARK(ListOnly)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildOnly)->Arg(3650)->Arg(36500)->Unit(benchmark::kMillisecond);

void PrintRatios(const kivor::bench::MedianReporter& reporter) {
    std::printf("\nlist and build / bare listing (target: at most 2.0)\n");
    for (const char* size : {"3650", "36500"}) {
        auto bare = reporter.Time(std::string("BareListing/") + size);
        auto ours = reporter.Time(std::string("ListAndBuild/") + size);
        if (!bare || !ours) continue;
        std::printf("  %6s entries: %.3f ms / %.3f ms = %.2fx\n", size, *ours, *bare,
                    *ours / *bare);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    kivor::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
