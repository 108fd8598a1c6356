#include "zodiac/hot_cold_trend.h"

#include <cmath>

#include "ephemeris/constants.h"
#include "util/numbers.h"

namespace halvane {

double hotColdTrend(double katamukiDeg, double e, double equinoxDeg, double perihelionDeg)
{
    const double index = (katamukiDeg - 23.25) + 200 * (0.03 - e) + std::sin((equinoxDeg - perihelionDeg) / p1) / 2;
    return Int(10 * index) / 10;
}

std::string hotColdLine(double trend)
{
    return std::string("寒暖程度 Trend of Hot/Cold") + (trend > 0 ? " +" : " ") + numberText(trend);
}

}  // namespace halvane
