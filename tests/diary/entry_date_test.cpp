#include "diary/entry_date.h"

#include <gtest/gtest.h>

#include <ctime>

namespace kivor {
namespace {

// The C library's own calendar (64-bit time_t, UTC) as the reference.
std::tm UtcOf(long long days) {
    const std::time_t t = static_cast<std::time_t>(days) * 86400;
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

TEST(EntryDate, EverySupportedDayMatchesTheCLibraryAndRoundTripsThroughItsKey) {
    // From 1900-01-01 (day -25567 from 1970) to 9999-12-31.
    EntryDate date = kFirstSupportedDate;
    long long days = -25567;
    for (;; ++days) {
        const std::tm tm = UtcOf(days);
        ASSERT_EQ(date, (EntryDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}))
            << "day " << days;
        ASSERT_EQ(date.Weekday(), tm.tm_wday) << FormatDateKey(date);
        ASSERT_TRUE(IsSupportedDate(date)) << FormatDateKey(date);
        const std::string key = FormatDateKey(date);
        ASSERT_EQ(ParseDateKey(key), date) << key;
        ASSERT_EQ(ParseStrictDateKey(key), date) << key;
        if (date == kLastSupportedDate) break;
        date = date.AddDays(1);
    }
    EXPECT_FALSE(IsSupportedDate(date.AddDays(1)));
    EXPECT_FALSE(IsSupportedDate(kFirstSupportedDate.AddDays(-1)));
}

TEST(EntryDate, FormatsAndParsesTheDocumentedExample) {
    EXPECT_EQ(FormatDateKey(2004, 5, 4), "20040504");
    EXPECT_EQ(ParseDateKey("20040504"), (EntryDate{2004, 5, 4}));
    EXPECT_EQ(FormatDateKey(EntryDate{987, 1, 2}), "09870102");
}

TEST(EntryDate, AddDaysCrossesMonthsYearsAndGoesBack) {
    EXPECT_EQ((EntryDate{2004, 1, 1}).AddDays(-1), (EntryDate{2003, 12, 31}));
    EXPECT_EQ((EntryDate{2004, 1, 1}).AddDays(366), (EntryDate{2005, 1, 1}));
    EXPECT_EQ((EntryDate{2004, 2, 28}).AddDays(1), (EntryDate{2004, 2, 29}));
    EXPECT_EQ((EntryDate{2100, 2, 28}).AddDays(1), (EntryDate{2100, 3, 1}));
    EXPECT_EQ((EntryDate{2004, 3, 1}).AddDays(-36525), (EntryDate{1904, 3, 1}));
}

TEST(EntryDate, NormalizeRollsOverLikeTheCLibrary) {
    // Reference: timegm normalizes its fields the way mktime does, without
    // the local time zone.
    for (int year : {1600, 1899, 1900, 1970, 2000, 2003, 2004, 2100, 9999}) {
        for (int month = -14; month <= 27; ++month) {
            for (int day = -62; day <= 99; ++day) {
                std::tm tm{};
                tm.tm_year = year - 1900;
                tm.tm_mon = month - 1;
                tm.tm_mday = day;
                tm.tm_hour = 12;
                timegm(&tm);
                ASSERT_EQ(NormalizeDate(year, month, day),
                          (EntryDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}))
                    << year << "-" << month << "-" << day;
            }
        }
    }
    EXPECT_EQ(NormalizeDate(2004, 2, 31), (EntryDate{2004, 3, 2}));
    EXPECT_EQ(NormalizeDate(2004, 13, 1), (EntryDate{2005, 1, 1}));
    EXPECT_EQ(NormalizeDate(2004, 5, 0), (EntryDate{2004, 4, 30}));
}

TEST(EntryDate, ParseReadsEachFieldAsAtoiDoes) {
    struct Case {
        const char* key;
        EntryDate expected;
    } cases[] = {
        {"20040514", {2004, 5, 14}},
        {"20040514.kv1", {2004, 5, 14}},  // nothing after the eighth character counts
        {"20040514999", {2004, 5, 14}},
        {"2004 5 4", {2004, 5, 4}},  // leading blanks
        {"20041301", {2005, 1, 1}},  // month 13 rolls into the next year
        {"20040231", {2004, 3, 2}},
        {"20040100", {2003, 12, 31}},
        {"2004-1+2", {2003, 11, 2}},   // signs
        {"2004a5b4", {2003, 11, 30}},  // no digits: 0
        {"2004", {2003, 11, 30}},      // month and day missing: 0 and 0
        {"", NormalizeDate(0, 0, 0)},
        {"12a40101", {12, 1, 1}},  // the year stops at the first non-digit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseDateKey(c.key), c.expected) << c.key;
    }
}

TEST(EntryDate, StrictParseTakesOnlyEightDigitsOfASupportedRealDate) {
    struct Case {
        const char* key;
        bool accepted;
    } cases[] = {
        {"20040514", true},  {"19000101", true},   {"99991231", true},  {"20000229", true},
        {"20040231", false}, {"20041301", false},  {"20040001", false}, {"20040100", false},
        {"00000000", false}, {"18991231", false},  {"19000229", false}, {"20030229", false},
        {"2004051", false},  {"200405140", false}, {"2004051a", false}, {" 2004051", false},
        {"+2004051", false}, {"2004-5-4", false},  {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseStrictDateKey(c.key).has_value(), c.accepted) << c.key;
    }
}

TEST(EntryDate, SupportedDatesAreRealDatesInRange) {
    EXPECT_TRUE(IsSupportedDate({2004, 2, 29}));
    EXPECT_FALSE(IsSupportedDate({2004, 2, 30}));
    EXPECT_FALSE(IsSupportedDate({2004, 4, 31}));
    EXPECT_FALSE(IsSupportedDate({2004, 0, 1}));
    EXPECT_FALSE(IsSupportedDate({2004, 13, 1}));
    EXPECT_FALSE(IsSupportedDate({2004, 1, 0}));
    EXPECT_FALSE(IsSupportedDate({1899, 12, 31}));
    EXPECT_FALSE(IsSupportedDate({10000, 1, 1}));
}

}  // namespace
}  // namespace kivor
