// A synthetic diary for benchmarks: N consecutive days of realistic CP932
// text, 300 to 2,000 bytes each, with CR LF line ends.
#pragma once

#include <map>
#include <string>

#include "diary/entry_date.h"

namespace kivor::bench {

// Writes `days` entry files into `folder` (ends in '/'), the first dated
// `first`, consecutive days after it. The same seed gives the same bytes.
void WriteSyntheticDiary(const std::string& folder, int days, EntryDate first, unsigned seed = 1);

// The text of one synthetic entry (CP932), `bytes` long give or take a line.
std::string SyntheticEntryText(unsigned seed, std::size_t bytes);

// A new temporary folder whose name starts with `prefix`, ending in '/'.
// Ends the program when none can be made.
std::string MakeTempFolder(const char* prefix);

// Synthetic diaries by their number of days, each written on first use into
// a temporary folder and removed with this object.
class SyntheticDiaries {
  public:
    SyntheticDiaries(const char* prefix, EntryDate first) : m_prefix(prefix), m_first(first) {}
    ~SyntheticDiaries();
    SyntheticDiaries(const SyntheticDiaries&) = delete;
    SyntheticDiaries& operator=(const SyntheticDiaries&) = delete;

    // The folder of a diary of `days` days (an empty folder for 0).
    const std::string& For(int days);

  private:
    const char* m_prefix;
    EntryDate m_first;
    std::map<int, std::string> m_folders;
};

}  // namespace kivor::bench
