#include "diary/entry_date.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <limits>

namespace kivor {

namespace {

// Proleptic Gregorian calendar arithmetic on day counts relative to
// 1970-01-01, valid for any year a 64-bit count can hold.
int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;                                    // [0, 399]
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;            // [0, 146096]
    return era * 146097 + doe - 719468;
}

struct Civil {
    int64_t year;
    int month;
    int day;
};

Civil CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;                                       // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2), month, day};
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

int ClampToInt(int64_t v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

EntryDate FromCivil(const Civil& c) {
    return {ClampToInt(c.year), c.month, c.day};
}

// atoi over a field of the key: leading blanks, an optional sign, then
// digits up to the first other character or the end of the field.
int AtoiField(std::string_view key, std::size_t pos, std::size_t len) {
    if (pos >= key.size()) return 0;
    std::string_view field = key.substr(pos, len);
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    int value = 0;  // at most four digits: no overflow
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
        value = value * 10 + (field[i] - '0');
    }
    return negative ? -value : value;
}

// The day count of (year, month, day) rolled over as mktime rolls it:
// months first (month 13 is January of the next year, month 0 December of
// the year before), then the days counted from the first of that month.
int64_t DayNumber(int year, int month, int day) {
    const int64_t months = static_cast<int64_t>(month) - 1;
    const int64_t y = static_cast<int64_t>(year) + FloorDiv(months, 12);
    const int64_t m = months - FloorDiv(months, 12) * 12 + 1;
    return DaysFromCivil(y, m, 1) + (static_cast<int64_t>(day) - 1);
}

}  // namespace

// Both read fields outside the calendar the way NormalizeDate rolls them.
int EntryDate::Weekday() const {
    const int64_t days = DayNumber(year, month, day) + 4;  // 1970-01-01 was a Thursday (4)
    return static_cast<int>(days - FloorDiv(days, 7) * 7);
}

EntryDate EntryDate::AddDays(long days) const {
    return FromCivil(CivilFromDays(DayNumber(year, month, day) + days));
}

bool IsSupportedDate(const EntryDate& date) {
    if (date.month < 1 || date.month > 12 || date.day < 1) return false;
    if (date.day > DaysInMonth(date.year, date.month)) return false;
    return date >= kFirstSupportedDate && date <= kLastSupportedDate;
}

EntryDate NormalizeDate(int year, int month, int day) {
    return FromCivil(CivilFromDays(DayNumber(year, month, day)));
}

std::string FormatDateKey(int year, int month, int day) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.4d%.2d%.2d", year, month, day);
    return buffer;
}

std::string FormatDateKey(const EntryDate& date) {
    return FormatDateKey(date.year, date.month, date.day);
}

EntryDate ParseDateKey(std::string_view key) {
    return NormalizeDate(AtoiField(key, 0, 4), AtoiField(key, 4, 2), AtoiField(key, 6, 2));
}

std::optional<EntryDate> ParseStrictDateKey(std::string_view key) {
    if (key.size() != 8) return std::nullopt;
    for (char c : key) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    const EntryDate date{AtoiField(key, 0, 4), AtoiField(key, 4, 2), AtoiField(key, 6, 2)};
    if (!IsSupportedDate(date)) return std::nullopt;
    return date;
}

EntryDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace kivor
