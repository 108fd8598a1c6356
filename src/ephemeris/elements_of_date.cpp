#include "ephemeris/elements_of_date.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/constants.h"
#include "ephemeris/vector.h"
#include "util/numbers.h"

namespace halvane {

using namespace body;

namespace {

// Mercury's elements refer to 25 October 2003, 10 h UT.
constexpr double mercuryEpochYears = 21.1843453;
constexpr double mercuryNodeAtEpochDeg = 48.327;
constexpr double mercuryNodeDegPerYear = 0.002345577;
constexpr double mercuryPerihelionAtEpochDeg = 77.462;
constexpr double mercuryPerihelionArcsecPerCentury = 574;

constexpr double equinoxAtDayZeroDeg = 0.2448;

// The Earth's perihelion was at 102.971 on 24 December 2002.
constexpr double earthPerihelionEpochYears = 20.35;
constexpr double earthPerihelionAtEpochDeg = 102.971;

// The Earth's eccentricity: a mean of 0.03 with two swings of 0.01, the
// arguments (Ti + 817550) x 2 / 413000 and / 100000 in radians.
constexpr double eccentricityPhaseYears = 817550;
constexpr double eccentricityLongCycleYears = 413000;
constexpr double eccentricityShortCycleYears = 100000;

constexpr double moonNodeAtDayZeroDeg = -254.1887;
constexpr double moonNodePeriodYears = 18.599926299321;
constexpr double moonPerigeeAtDayZeroDeg = 96;
constexpr double moonPerigeePeriodYears = 8.850581814628;
constexpr double moonEccentricitySwing = 0.011;
constexpr double moonEccentricityPeakYears = 21.2652277;  // 23 November 2003, 23 h UT

}  // namespace

double mercuryNodeDeg(double Ti) { return mercuryNodeAtEpochDeg - mercuryNodeDegPerYear * (Ti - mercuryEpochYears); }

double mercuryPerihelionDeg(double Ti)
{
    return mercuryPerihelionAtEpochDeg + (Ti - mercuryEpochYears) * mercuryPerihelionArcsecPerCentury / 60 / 60 / 100;
}

double vernalEquinoxDeg(double Ti) { return equinoxAtDayZeroDeg + 360 * frac(-Ti / saisa); }

double earthPerihelionDeg(double Ti)
{
    return normalisedDeg(earthPerihelionAtEpochDeg + 360 * (Ti - earthPerihelionEpochYears) / kintenshuuki);
}

double earthEccentricity(double Ti)
{
    const double phase = Ti + eccentricityPhaseYears;
    return 0.01 * std::sin(2 * phase / eccentricityLongCycleYears) + 0.03
        + 0.01 * std::sin(2 * phase / eccentricityShortCycleYears);
}

double moonNodeDeg(double Ti) { return normalisedDeg(moonNodeAtDayZeroDeg - 360 * Ti / moonNodePeriodYears); }

double moonPerigeeDeg(double Ti) { return normalisedDeg(moonPerigeeAtDayZeroDeg + 360 * Ti / moonPerigeePeriodYears); }

double moonEccentricityOfDate(double Ti)
{
    return moonEccentricitySwing * std::cos(4 * p0 * (Ti - moonEccentricityPeakYears) / (sakuboutuki / taiyounenniti))
        + moonEccentricity;
}

double cometPerihelionTimeYears(double year, double month, double day, MonthStartTable& monthStart)
{
    monthStart = monthStartTable(year);
    return -dayCount(year, month, day, monthStart) / taiyounenniti;
}

void updateElements(OrbitalElements& b, const HeliocentricPositions& p, SkyPositions& sky, MonthStartTable& monthStart,
                    double Ti)
{
    b.semiMajorAxis[FixedPoint] = length({p.x[FixedPoint], p.y[FixedPoint], p.z[FixedPoint]});
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
