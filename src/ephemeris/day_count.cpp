#include "ephemeris/day_count.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

double yearStartDays(double year)
{
    const double y = year - 1;
    return y * 365 + Int(y / 4) - Int(y / 100) + Int(y / 400);
}

double leapFlag(double year)
{
    return Int(Int(year / 4) + 1 - year / 4) - Int(Int(year / 100) + 1 - year / 100)
        + Int(Int(year / 400) + 1 - year / 400);
}

bool isLeapYear(double year) { return leapFlag(year) == 1; }

MonthStartTable monthStartTable(double year)
{
    const double leap = leapFlag(year);
    return {0,          0,          31,         59 + leap,  90 + leap,  120 + leap, 151 + leap,
            181 + leap, 212 + leap, 243 + leap, 273 + leap, 304 + leap, 334 + leap, 365 + leap};
}

bool isCalendarDate(double year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1) return false;
    const MonthStartTable start = monthStartTable(year);
    return day <= start[static_cast<size_t>(month) + 1] - start[static_cast<size_t>(month)];
}

double dayCount(double year, double month, double day, const MonthStartTable& monthStart)
{
    const double m = std::isfinite(month) ? std::clamp(Int(month), 1.0, 12.0) : 1.0;
    return yearStartDays(year) + monthStart[static_cast<size_t>(m)] + day - 1 - dayZeroFromYearOne;
}

double lagDays(double hours, double minutes)
{
    const double signedMinutes = hours < 0 ? -std::abs(minutes) : hours > 0 ? std::abs(minutes) : minutes;
    return hours / 24 + signedMinutes / 1440;
}

}  // namespace halvane
