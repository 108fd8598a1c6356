// Writes the reference positions the precise model's tests check against:
// the Sun, Mercury to Pluto (not the Earth) and the Moon seen from the
// Earth's centre, from the Swiss Ephemeris with its DE431-based files.
//
// The Swiss Ephemeris is under the AGPL (or a commercial licence), which
// does not fit a GPL-2.0-or-later program: this generator is a separate
// tool, built only by make-table beside it and never linked into Halvane or
// its tests. Only the numbers it writes are kept.
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double obliquityDeg = 23.44;  // the catalogue's frame: ICRS equator turned by this
constexpr double pi = 3.14159265358979323846;
constexpr double firstJulianDate = 2415020.5;  // 1900-01-01 0h TT
constexpr double lastJulianDate = 2488069.5;  // 2100-01-01 0h TT; the last date is 2099-12-16
constexpr double stepDays = 367;

struct Body {
    int index;  // the program's body index
    int swissNumber;
};

constexpr Body bodies[] = {{0, SE_SUN},    {1, SE_MERCURY}, {2, SE_VENUS},   {4, SE_MARS},  {5, SE_JUPITER},
                           {6, SE_SATURN}, {7, SE_URANUS},  {8, SE_NEPTUNE}, {9, SE_PLUTO}, {10, SE_MOON}};

constexpr int icrsVectors = SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_ICRS | SEFLG_EQUATORIAL | SEFLG_XYZ | SEFLG_NOGDEFL;
constexpr int geometric = icrsVectors | SEFLG_TRUEPOS | SEFLG_NOABERR;
constexpr int lightTime = icrsVectors | SEFLG_NOABERR;
constexpr int apparent = icrsVectors;  // light time and annual aberration

struct Seen {
    double longitudeDeg, latitudeDeg, distanceAu;
};

Seen seen(double julianDate, int swissNumber, int flags)
{
    double v[6];
    char error[AS_MAXCH];
    const int got = swe_calc(julianDate, swissNumber, flags, v, error);
    if (got < 0 || (got & SEFLG_SWIEPH) == 0) {
        std::fprintf(stderr, "swe_calc %d at %.1f: %s\n", swissNumber, julianDate, error);
        std::exit(1);
    }
    const double e = obliquityDeg * pi / 180;
    const double x = v[0], y = v[1] * std::cos(e) + v[2] * std::sin(e), z = -v[1] * std::sin(e) + v[2] * std::cos(e);
    const double r = std::sqrt(x * x + y * y + z * z);
    double longitude = std::atan2(y, x) * 180 / pi;
    if (longitude < 0) longitude += 360;
    return {longitude, std::asin(z / r) * 180 / pi, r};
}

}  // namespace

int main(int argc, char** argv)
{
    swe_set_ephe_path(argc > 1 ? argv[1] : "/usr/share/libswe/ephe");
    char version[AS_MAXCH];
    std::printf("# Geocentric positions from the Swiss Ephemeris %s (files sepl_18/semo_18, JPL DE431),\n",
                swe_version(version));
    std::printf("# written by tools/reference-positions/make-table. Frame: the ICRS equator turned into the\n");
    std::printf("# ecliptic by 23.44 degrees. Dates: Julian Date TT, every 367 days from 1900-01-01 0h.\n");
    std::printf("# geometric: at the moment itself; light_time: where the body was when its light left,\n");
    std::printf("# seen from where the Earth is (astrometric: no aberration, no light deflection);\n");
    std::printf("# apparent: light time and the annual aberration of the Earth's motion, no light deflection.\n");
    std::printf("jd_tt,body,longitude_deg,latitude_deg,distance_au,light_time_longitude_deg,light_time_latitude_deg,"
                "apparent_longitude_deg,apparent_latitude_deg\n");
    for (double jd = firstJulianDate; jd <= lastJulianDate; jd += stepDays) {
        for (const Body& b : bodies) {
            const Seen g = seen(jd, b.swissNumber, geometric);
            const Seen l = seen(jd, b.swissNumber, lightTime);
            const Seen a = seen(jd, b.swissNumber, apparent);
            std::printf("%.1f,%d,%.8f,%.8f,%.10f,%.8f,%.8f,%.8f,%.8f\n", jd, b.index, g.longitudeDeg, g.latitudeDeg,
                        g.distanceAu, l.longitudeDeg, l.latitudeDeg, a.longitudeDeg, a.latitudeDeg);
        }
    }
    swe_close();
    return 0;
}
