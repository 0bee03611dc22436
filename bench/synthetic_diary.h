// A synthetic diary for benchmarks: N consecutive days of realistic CP932
// text, 300 to 2,000 bytes each, with CR LF line ends.
#pragma once

#include <string>

#include "diary/entry_date.h"

namespace kivor::bench {

// Writes `days` entry files into `folder` (ends in '/'), the first dated
// `first`, consecutive days after it. The same seed gives the same bytes.
void WriteSyntheticDiary(const std::string& folder, int days, EntryDate first, unsigned seed = 1);

// The text of one synthetic entry (CP932), `bytes` long give or take a line.
std::string SyntheticEntryText(unsigned seed, std::size_t bytes);

}  // namespace kivor::bench
