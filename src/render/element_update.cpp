#include "render/element_update.h"

#include <cmath>

#include "data/constants.h"
#include "util/numbers.h"

namespace halvane {

using namespace body;

double normalisedDeg(double v) { return 360 * frac(v / 360); }

double mercuryNodeDeg(double Ti) { return 48.327 - 0.002345577 * (Ti - 21.1843453); }

double mercuryPerihelionDeg(double Ti) { return 77.462 + (Ti - 21.1843453) * 574 / 60 / 60 / 100; }

double vernalEquinoxDeg(double Ti) { return 0.2448 + 360 * frac(-Ti / saisa); }

double earthPerihelionDeg(double Ti) { return normalisedDeg(102.971 + 360 * (Ti - 20.35) / kintenshuuki); }

double earthEccentricity(double Ti)
{
    return 0.01 * std::sin(2 * (Ti + 817550) / 413000) + 0.03 + 0.01 * std::sin(2 * (Ti + 817550) / 100000);
}

double moonNodeDeg(double Ti) { return normalisedDeg(-254.1887 - 360 * Ti / 18.599926299321); }

double moonPerigeeDeg(double Ti) { return normalisedDeg(96 + 360 * Ti / 8.850581814628); }

double moonEccentricityOfDate(double Ti)
{
    return 0.011 * std::cos(4 * p0 * (Ti - 21.2652277) / (sakuboutuki / taiyounenniti)) + moonEccentricity;
}

double cometPerihelionTimeYears(double year, double month, double day, MonthStartTable& monthStart)
{
    monthStart = monthStartTable(year);
    return -dayCount(year, month, day, monthStart) / taiyounenniti;
}

void updateElements(BodyTables& bodies, SkyPositions& sky, MonthStartTable& monthStart, double Ti)
{
    auto& b = bodies;
    b.semiMajorAxis[FixedPoint] =
        std::sqrt(b.x[FixedPoint] * b.x[FixedPoint] + b.y[FixedPoint] * b.y[FixedPoint] + b.z[FixedPoint] * b.z[FixedPoint]);
    b.nodeLongitude[Mercury] = mercuryNodeDeg(Ti);
    b.nodeLongitude[Earth] = vernalEquinoxDeg(Ti);
    b.nodeLongitude[Moon] = moonNodeDeg(Ti);
    b.perihelionLongitude[Mercury] = mercuryPerihelionDeg(Ti);
    b.perihelionLongitude[Earth] = earthPerihelionDeg(Ti);
    b.perihelionLongitude[Moon] = moonPerigeeDeg(Ti);
    b.eccentricity[Earth] = earthEccentricity(Ti);
    b.eccentricity[Moon] = moonEccentricity;
    sky.e10 = moonEccentricityOfDate(Ti);
    for (int i = FirstComet; i <= LastComet; ++i)
        sky.perihelionTime[i] =
            cometPerihelionTimeYears(b.perihelionYear[i], b.perihelionMonth[i], b.perihelionDay[i], monthStart);
}

}  // namespace halvane
