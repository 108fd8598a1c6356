#include "charts/zodiac_caption.h"

#include <cmath>

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
    const std::optional<int> w = weekdayIndex(h.time.Di);
    const std::string weekday = w ? h.texts.weekdayNames[l][static_cast<size_t>(*w)] : "";
    if (l == Japanese) {
        return "惑星黄経配置　" + printedNumber(v.Ye) + "年" + printedNumber(v.Mo) + "月" + printedNumber(v.Da) + "日(" +
               weekday + ") " + printedNumber(v.Ho) + ":" + v.StrMinu;
    }
    return "Planets on Zodiac on " + printedNumber(v.Ho) + ":" + v.StrMinu + " (" + weekday + ") " +
           printedNumber(v.Da) + "/" + printedNumber(v.Mo) + "/" + printedNumber(v.Ye);
}

std::string captionZone(const PanelVariables& v)
{
    const double hours = v.Dho, minutes = v.Dmi;
    const std::string lag = std::string("(GMT") + (hours > 0 ? "+" : "-") + printedNumber(std::abs(hours)) + ":" +
                            (minutes == 0 ? "00" : numberText(minutes)) + ")";
    return lag + (language(v.je) == Japanese ? "、2000年分点基準" : ", the standard is 2000 year's Vernal Equinox.");
}

}  // namespace halvane
