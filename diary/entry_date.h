// The date of one entry and its eight-digit key.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kivor {

// A civil date. Dates of entries lie between 1900-01-01 and 9999-12-31.
struct EntryDate {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31

    friend bool operator==(const EntryDate&, const EntryDate&) = default;
    friend auto operator<=>(const EntryDate&, const EntryDate&) = default;

    // Weekday as the C library numbers it: 0 Sunday ... 6 Saturday.
    int Weekday() const;
    // The date `days` days later (negative: earlier).
    EntryDate AddDays(long days) const;
};

inline constexpr EntryDate kFirstSupportedDate{1900, 1, 1};
inline constexpr EntryDate kLastSupportedDate{9999, 12, 31};

// A real calendar date within the supported range.
bool IsSupportedDate(const EntryDate& date);

// Year, month and day rolled over the way the C library's mktime rolls them
// (month 13 is January of the next year, day 0 the last day of the month
// before, the 31st of February 2004 is the 2nd of March).
EntryDate NormalizeDate(int year, int month, int day);

// "%.4d%.2d%.2d".
std::string FormatDateKey(int year, int month, int day);
std::string FormatDateKey(const EntryDate& date);

// Characters 1-4, 5-6 and 7-8 read as atoi reads them, then rolled over as
// NormalizeDate does. No further validation.
EntryDate ParseDateKey(std::string_view key);

// The date of a key that is exactly eight digits naming a real date in the
// supported range; nullopt otherwise.
std::optional<EntryDate> ParseStrictDateKey(std::string_view key);

// Today's local date (and yesterday's) from the system clock.
EntryDate Today();

}  // namespace kivor
