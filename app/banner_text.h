// What the date banner shows for a DateKey.
#pragma once

#include <string>

#include "platform/cp932.h"

namespace kivor {

struct BannerText {
    std::string date;  // CP932: year + "年" + month + "月" + day + "日", characters as they stand
    std::string weekday;  // CP932: one of 日月火水木金土, "" when the date has no weekday
};

// The empty key gives two empty texts. Otherwise the key's characters 1-4,
// 5-6 and 7-8 form the date text, and the weekday is that of the date read
// with atoi and rolled over as the C library does (20040231 is a Tuesday,
// the 2nd of March). A year outside 1900-9999 after roll-over shows no weekday.
BannerText MakeBannerText(const std::string& key);

}  // namespace kivor
