#include "app/banner_text.h"

#include <string_view>

#include "diary/calendar_tree.h"
#include "diary/entry_date.h"

namespace kivor {

namespace {

// Weekday names by the C library's numbering, 0 being Sunday.
const std::string& WeekdayName(int weekday) {
    static const std::string names[7] = {Sjis("日"), Sjis("月"), Sjis("火"), Sjis("水"),
                                         Sjis("木"), Sjis("金"), Sjis("土")};
    return names[weekday];
}

std::string_view Slice(std::string_view text, std::size_t pos, std::size_t len) {
    return pos < text.size() ? text.substr(pos, len) : std::string_view();
}

}  // namespace

BannerText MakeBannerText(const std::string& key) {
    BannerText banner;
    if (key.empty()) return banner;

    // The date text keeps the key's characters as they stand.
    banner.date.append(Slice(key, 0, 4));
    banner.date += kYearMark();
    banner.date.append(Slice(key, 4, 2));
    banner.date += kMonthMark();
    banner.date.append(Slice(key, 6, 2));
    banner.date += kDayMark();

    // The weekday is that of the date rolled over as mktime rolls it (the
    // 31st of February is the 2nd of March); a year outside the calendar we
    // keep shows none.
    const EntryDate date = ParseDateKey(key);
    if (date.year >= kFirstSupportedDate.year && date.year <= kLastSupportedDate.year) {
        banner.weekday = WeekdayName(date.Weekday());
    }
    return banner;
}

}  // namespace kivor
