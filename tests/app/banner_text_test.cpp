#include "app/banner_text.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace kivor {
namespace {

TEST(BannerText, DateFromTheKeyAsItStandsAndWeekdayOfTheRolledOverDate) {
    struct Case {
        const char* key;
        const char* date;
        const char* weekday;
    } cases[] = {
        {"20040514", "2004年05月14日", "金"},
        {"20040229", "2004年02月29日", "日"},
        {"20040231", "2004年02月31日", "火"},  // taken as the 2nd of March
        {"20041301", "2004年13月01日", "土"},  // 2005-01-01
        {"19700101", "1970年01月01日", "木"},
        {"19000101", "1900年01月01日", "月"},
        {"99991231", "9999年12月31日", "金"},
        {"20380119", "2038年01月19日", "火"},
        {"21060207", "2106年02月07日", "日"},
        {"19000100", "1900年01月00日", ""},  // 1899-12-31: outside the calendar kept
        {"99991232", "9999年12月32日", ""},  // 10000-01-01
        {"00000000", "0000年00月00日", ""},
    };
    for (const Case& c : cases) {
        const BannerText banner = MakeBannerText(c.key);
        EXPECT_EQ(Cp932ToUtf8Lossy(banner.date), c.date) << c.key;
        EXPECT_EQ(Cp932ToUtf8Lossy(banner.weekday), c.weekday) << c.key;
    }
}

TEST(BannerText, EmptyKeyEmptiesBoth) {
    const BannerText banner = MakeBannerText("");
    EXPECT_EQ(banner.date, "");
    EXPECT_EQ(banner.weekday, "");
}

}  // namespace
}  // namespace kivor
