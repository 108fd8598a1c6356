#include "zodiac/zodiac_caption.h"

#include <cmath>

#include "ephemeris/day_count.h"
#include "util/numbers.h"
#include "util/printed_number.h"

namespace halvane {

std::optional<int> weekdayIndex(double Di)
{
    if (!std::isfinite(Di)) return std::nullopt;
    // fmod is exact, so even a day count far beyond the calendar keeps its place in the week.
    const double w = std::round(std::fmod(Di - 3, 7) + 7);
    return static_cast<int>(std::fmod(w, 7));
}

std::string captionDate(const Halvane& h)
{
    const auto& v = h.vars;
    const size_t l = language(v.je);
    // The weekday of the date printed beside it: in a run the panel already
    // shows the next moment, a step past the day number of the time computation.
    const std::optional<int> w = weekdayIndex(dayCount(v.Ye, v.Mo, v.Da, monthStartTable(v.Ye)));
    const std::string weekday = w ? h.texts.weekdayNames[l][static_cast<size_t>(*w)] : "";
    if (l == Japanese) {
        return "惑星黄経配置　" + printedNumber(v.Ye) + "年" + printedNumber(v.Mo) + "月" + printedNumber(v.Da) + "日("
            + weekday + ") " + printedNumber(v.Ho) + ":" + v.StrMinu;
    }
    return "Planets on Zodiac on " + printedNumber(v.Ho) + ":" + v.StrMinu + " (" + weekday + ") " + printedNumber(v.Da)
        + "/" + printedNumber(v.Mo) + "/" + printedNumber(v.Ye);
}

std::string captionZone(const PanelVariables& v)
{
    // One sign, that of the whole lag, then its hours and two-digit minutes.
    const double minutes = std::abs(v.Dmi);
    const std::string lag = std::string("(GMT") + (lagDays(v.Dho, v.Dmi) > 0 ? "+" : "-")
        + printedNumber(std::abs(v.Dho)) + ":" + (minutes < 10 ? "0" : "") + numberText(minutes) + ")";
    return lag + (language(v.je) == Japanese ? "、2000年分点基準" : ", the standard is 2000 year's Vernal Equinox.");
}

}  // namespace halvane
