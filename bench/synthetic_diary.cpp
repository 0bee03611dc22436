#include "bench/synthetic_diary.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "diary/entry_store.h"
#include "platform/cp932.h"
#include "platform/file.h"

namespace kivor::bench {

namespace {

const std::vector<std::string>& Phrases() {
    static const std::vector<std::string> phrases = [] {
        const char* utf8[] = {
            "今日は朝から雨だった。",
            "駅前の喫茶店でコーヒーを飲んだ。",
            "仕事が思ったより早く終わったので、本屋に寄った。",
            "夕飯はカレーライス。",
            "友達から久しぶりに電話があった。",
            "散歩の途中で桜が咲いているのを見つけた。",
            "明日は早起きしなければならない。",
            "ソフトウェアの表示が少しおかしい。",
            "図書館で「日本の歴史」を借りた。",
            "Walked 5km today, about 7,000 steps.",
            "会議は10時から12時まで。",
            "ＡＢＣ表の集計を終わらせた。",
        };
        std::vector<std::string> out;
        for (const char* p : utf8) out.push_back(Sjis(p));
        return out;
    }();
    return phrases;
}

}  // namespace

std::string SyntheticEntryText(unsigned seed, std::size_t bytes) {
    std::mt19937 rng(seed);
    const auto& phrases = Phrases();
    std::uniform_int_distribution<std::size_t> pick(0, phrases.size() - 1);
    std::uniform_int_distribution<int> perLine(1, 4);
    std::string text;
    while (text.size() < bytes) {
        int n = perLine(rng);
        for (int i = 0; i < n; ++i) text += phrases[pick(rng)];
        text += "\r\n";
    }
    return text;
}

void WriteSyntheticDiary(const std::string& folder, int days, EntryDate first, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> size(300, 2000);
    EntryDate date = first;
    for (int i = 0; i < days; ++i, date = date.AddDays(1)) {
        std::string text = SyntheticEntryText(rng(), size(rng));
        File file(EntryFilePath(folder, FormatDateKey(date)), File::modeCreate | File::modeWrite);
        file.Write(text);
        file.Close();
    }
}

std::string MakeTempFolder(const char* prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    return pattern + "/";
}

SyntheticDiaries::~SyntheticDiaries() {
    std::error_code ec;
    for (const auto& [days, folder] : m_folders) std::filesystem::remove_all(folder, ec);
}

const std::string& SyntheticDiaries::For(int days) {
    auto it = m_folders.find(days);
    if (it != m_folders.end()) return it->second;
    const std::string folder = MakeTempFolder(m_prefix);
    if (days > 0) WriteSyntheticDiary(folder, days, m_first);
    return m_folders.emplace(days, folder).first->second;
}

}  // namespace kivor::bench
