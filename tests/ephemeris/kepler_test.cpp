#include "ephemeris/kepler.h"

#include <cmath>

#include <gtest/gtest.h>

#include "ephemeris/constants.h"

namespace halvane {
namespace {

TEST(Kepler, CircularOrbitAQuarterRoundIsNinetyDegrees)
{
    EXPECT_NEAR(eccentricAnomalyDeg(0.25, 0, keplerRounds), 90, 180 / std::pow(2.0, keplerRounds));
}

TEST(Kepler, EccentricAnomalySolvesKeplersEquation)
{
    for (const double e : {0.2, 0.9999})
        for (const double q : {0.1, 0.45, 0.8}) {
            const double E = eccentricAnomalyDeg(q, e, keplerRoundsComet) / p1;
            EXPECT_NEAR((E - e * std::sin(E)) / (2 * p0), q, 1e-12) << e << " " << q;
        }
}

TEST(Kepler, TimeSinceThePerihelionOfTheEpochAngle)
{
    // A quarter turn of eccentric anomaly on a circle is a quarter period.
    EXPECT_DOUBLE_EQ(perihelionTimeYears(90, 0, 12), 3);
    EXPECT_NEAR(orbitFraction(3, 6, 12), 0.75, 1e-15);
    EXPECT_NEAR(orbitFraction(-3, 1, 12), 10.0 / 12, 1e-15);
    EXPECT_NEAR(asteroidEpochYears(2445200.5 + taiyounenniti), 1, 1e-12);
}

TEST(Kepler, OrbitPlanePointsAtPerihelionAndAtTheMinorAxis)
{
    const Xyz perihelion = orbitPlanePoint(2, 0.5, 0);
    EXPECT_DOUBLE_EQ(perihelion.x, 1);
    EXPECT_DOUBLE_EQ(perihelion.y, 0);
    const Xyz minorAxis = orbitPlanePoint(2, 0.5, 90);
    EXPECT_NEAR(minorAxis.x, -1, 1e-11);
    EXPECT_NEAR(minorAxis.y, std::sqrt(3.0), 1e-11);
}

TEST(Kepler, OrientationTurnsByPerihelionTiltsAtTheNodeAndTurnsByTheNode)
{
    const Xyz p{1, 0, 0};
    const Xyz turned = eclipticPoint(p, 90, 0, 0);
    EXPECT_NEAR(turned.x, 0, 1e-11);
    EXPECT_NEAR(turned.y, 1, 1e-11);

    const Xyz raised = eclipticPoint(p, 90, 30, 0);
    EXPECT_NEAR(raised.y, std::cos(30 / p1), 1e-11);
    EXPECT_NEAR(raised.z, 0.5, 1e-11);

    const Xyz atNode = eclipticPoint(p, 0, 30, 90);
    EXPECT_NEAR(atNode.x, 0, 1e-11);
    EXPECT_NEAR(atNode.y, 1, 1e-11);
    EXPECT_NEAR(atNode.z, 0, 1e-11);
}

}  // namespace
}  // namespace halvane
