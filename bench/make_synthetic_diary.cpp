// make_synthetic_diary FOLDER DAYS [YYYYMMDD]: writes a synthetic diary.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/synthetic_diary.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_synthetic_diary FOLDER DAYS [YYYYMMDD]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') folder += '/';
    kivor::EntryDate first{1990, 1, 1};
    if (argc > 3) {
        auto parsed = kivor::ParseStrictDateKey(argv[3]);
        if (!parsed) {
            std::fprintf(stderr, "not a date: %s\n", argv[3]);
            return 2;
        }
        first = *parsed;
    }
    kivor::bench::WriteSyntheticDiary(folder, std::atoi(argv[2]), first);
    return 0;
}
