// The zodiac chart's caption: the date, weekday and time of the chart, and
// the time zone with the equinox the longitudes are measured from.
#pragma once

#include <optional>
#include <string>

#include "panel/halvane.h"

namespace halvane {

// Weekday of day number `Di` (day 0, 19 August 1982, is a Thursday): 0
// Sunday to 6 Saturday, for days before day 0 and before the year 1 too.
// Nothing for a day count that is not finite.
std::optional<int> weekdayIndex(double Di);

// Japanese: "惑星黄経配置　 2026 年 12 月 8 日(火)  21 :05";
// English: "Planets on Zodiac on  21 :05 (Tue)  8 / 12 / 2026 ".
std::string captionDate(const Halvane& h);

// "(GMT+ 9 :00)" followed by the equinox of 2000 in words. The sign is "+"
// only for a lag above 0 (hours and minutes together); the hours and the
// two-digit minutes follow without their own signs: "(GMT- 3 :30)".
std::string captionZone(const PanelVariables& v);

}  // namespace halvane
