#include "ephemeris/observer.h"

#include <erfa.h>

#include <gtest/gtest.h>

#include "ephemeris/constants.h"

namespace halvane {
namespace {

double momentOfJulianDate(double utJulianDate) { return (utJulianDate - dayZeroJulianDate) / taiyounenniti; }

constexpr double secondsOfTimePerDegree = 240;

// a - b, degrees, within half a turn.
double turnDifferenceDeg(double a, double b) { return degreesFromRadians(wrapOnceIntoHalfTurns(a - b)); }

TEST(Observer, SiderealTimeAtKnownMoments)
{
    struct Case {
        double julianDate;
        double meanSeconds, apparentSeconds;  // of time since 0 h
    };
    const Case cases[] = {
        // 2000-01-01 12:00 UT: 18 h 41 m 50.54841 s (the IAU 1982 expression).
        {2451545.0, 18 * 3600 + 41 * 60 + 50.54841, NAN},
        // Meeus, Astronomical Algorithms, examples 12.a and 12.b: 1987-04-10 0 h UT.
        {2446895.5, 13 * 3600 + 10 * 60 + 46.3668, 13 * 3600 + 10 * 60 + 46.1351},
    };
    for (const Case& c : cases) {
        const double Ti = momentOfJulianDate(c.julianDate);
        EXPECT_NEAR(degreesFromRadians(greenwichMeanSiderealTime(Ti)) * secondsOfTimePerDegree, c.meanSeconds, 0.005)
            << c.julianDate;
        if (!std::isnan(c.apparentSeconds)) {
            EXPECT_NEAR(degreesFromRadians(greenwichApparentSiderealTime(Ti)) * secondsOfTimePerDegree,
                        c.apparentSeconds, 0.005)
                << c.julianDate;
        }
    }
}

TEST(Observer, TerrestrialPositionOnTheEllipsoid)
{
    struct Case {
        EarthPlace place;
        Xyz metres;
    };
    const Case cases[] = {
        {{0, 0, 0}, {6378137, 0, 0}},
        {{0, 90, 100}, {0, 6378237, 0}},
        {{90, 0, 0}, {0, 0, 6356752.3142}},
        {{-90, 45, -10}, {0, 0, -6356742.3142}},
    };
    for (const Case& c : cases) {
        const Xyz p = terrestrialPosition(c.place);
        EXPECT_NEAR(p.x, c.metres.x, 1e-3) << c.place.latitudeDeg << " " << c.place.longitudeDeg;
        EXPECT_NEAR(p.y, c.metres.y, 1e-3) << c.place.latitudeDeg << " " << c.place.longitudeDeg;
        EXPECT_NEAR(p.z, c.metres.z, 1e-3) << c.place.latitudeDeg << " " << c.place.longitudeDeg;
    }
}

TEST(Observer, HorizonOfAPlaceAgreesWithErfasObservedPlace)
{
    // ERFA's own catalogue-to-observed chain (eraAtco13, with UT1 = UT, no
    // polar motion, no air) differs from the geometric horizon by the
    // annual and diurnal aberration alone: under 21 arc seconds.
    struct Case {
        const char* what;
        EarthPlace place;
        double julianDate;
        double rightAscensionDeg, declinationDeg;  // J2000
        double altitudeDeg, azimuthDeg;  // worked out by hand, to half a degree
    };
    const Case cases[] = {
        // Tokyo, 2026-01-15 21:00 JST, local sidereal time about 4 h 56 m:
        // Betelgeuse an hour before it culminates at 61.7 degrees, Sirius
        // lower, a little to the east of it; Polaris at the latitude.
        {"Sirius from Tokyo", {35.6895, 139.6917, 40}, 2461056.0, 101.287155, -16.716116, 31.7, 149.4},
        {"Betelgeuse from Tokyo", {35.6895, 139.6917, 40}, 2461056.0, 88.792939, 7.407064, 58.8, 151.4},
        {"Polaris from Tokyo", {35.6895, 139.6917, 40}, 2461056.0, 37.954561, 89.264109, 36.2, 359.6},
        // Sydney, 2026-05-15 20:00 AEST, sidereal time about 11 h 39 m: Acrux
        // just east of the meridian, below its culmination at 60.8 degrees.
        {"Acrux from Sydney", {-33.8688, 151.2093, 40}, 2461175.916667, 186.649563, -63.099093, 59.6, 168.8},
    };
    for (const Case& c : cases) {
        const double Ti = momentOfJulianDate(c.julianDate);
        const ObserverSky sky(c.place, Ti);
        const auto h =
            sky.horizontal(unitVector(radiansFromDegrees(c.rightAscensionDeg), radiansFromDegrees(c.declinationDeg)));

        const ErfaDates d = erfaDates(Ti);
        double utc1 = 0, utc2 = 0, azimuth = 0, zenith = 0, hourAngle = 0, dec = 0, ra = 0, eo = 0;
        ASSERT_EQ(eraTaiutc(d.day0, d.ttDays - 32.184 / 86400, &utc1, &utc2), 0);
        ASSERT_GE(eraAtco13(radiansFromDegrees(c.rightAscensionDeg), radiansFromDegrees(c.declinationDeg), 0, 0, 0, 0,
                            utc1, utc2, (d.day0 - utc1 + d.utDays - utc2) * 86400,
                            radiansFromDegrees(c.place.longitudeDeg), radiansFromDegrees(c.place.latitudeDeg),
                            c.place.heightMetres, 0, 0, 0, 0, 0, 0, &azimuth, &zenith, &hourAngle, &dec, &ra, &eo),
                  0);
        EXPECT_NEAR(degreesFromRadians(h.altitude), 90 - degreesFromRadians(zenith), 21 / 3600.0) << c.what;
        EXPECT_NEAR(turnDifferenceDeg(h.azimuth, azimuth) * std::cos(h.altitude), 0, 21 / 3600.0) << c.what;
        EXPECT_NEAR(degreesFromRadians(h.altitude), c.altitudeDeg, 0.5) << c.what;
        EXPECT_NEAR(turnDifferenceDeg(h.azimuth, radiansFromDegrees(c.azimuthDeg)), 0, 0.5) << c.what;
    }
}

TEST(Observer, PositionIsTheRotatedPlace)
{
    // The observer's distance from the centre is the place's, whatever the
    // turn; at the pole the rotation leaves it on the celestial pole to
    // within precession (about 0.1 degree since 2000).
    const ObserverSky pole({90, 0, 0}, momentOfJulianDate(2461056.0));
    const double au = 149597870700;
    EXPECT_NEAR(length(pole.position()) * au, 6356752.3142, 1e-3);
    EXPECT_NEAR(pole.position().z * au, 6356752.3142, 20000);
}

}  // namespace
}  // namespace halvane
