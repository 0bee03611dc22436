// The labels of the calendar tree as a pass reads them, and the running
// year, month and day texts they set.
#pragma once

#include <string>

namespace kivor {

enum class LabelKind { none, year, month, day };

// The kind of a label: it contains "年" (year), "月" (month) or "日" (day),
// tested in that order with the later match winning.
LabelKind KindOfLabel(const std::string& label);

// Y, M and D while a pass walks the labels: a year label sets Y to its
// first four bytes, a month label M to its first two, a day label D to its
// first two; all start empty.
struct RunningDate {
    std::string Y, M, D;

    // Takes one label and gives its kind.
    LabelKind Take(const std::string& label);
    // Y + M + D: the day's DateKey when a day label was just taken.
    std::string DateKey() const { return Y + M + D; }
};

}  // namespace kivor
