// The precise model's theories, light time and aberration against the
// JPL-based table that tools/reference-positions writes.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ephemeris/body_index.h"
#include "ephemeris/planetary_theory.h"
#include "ephemeris/seen_positions.h"

namespace halvane {
namespace {

using namespace body;

struct Reference {
    double julianDateTt = 0;
    int body = 0;
    Xyz geometric, lightTime, apparent;  // unit vectors, the catalogue's frame
};

Xyz unitFromDegrees(double longitude, double latitude)
{
    constexpr double radiansPerDegree = 3.14159265358979323846 / 180;
    return unitVector(longitude * radiansPerDegree, latitude * radiansPerDegree);
}

std::vector<Reference> referenceTable()
{
    std::ifstream file(HALVANE_REFERENCE_POSITIONS);
    std::vector<Reference> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'j') continue;
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        Reference r;
        double lon = 0, lat = 0, distance = 0, ltLon = 0, ltLat = 0, apLon = 0, apLat = 0;
        fields >> r.julianDateTt >> r.body >> lon >> lat >> distance >> ltLon >> ltLat >> apLon >> apLat;
        r.geometric = unitFromDegrees(lon, lat);
        r.lightTime = unitFromDegrees(ltLon, ltLat);
        r.apparent = unitFromDegrees(apLon, apLat);
        if (fields) rows.push_back(r);
    }
    return rows;
}

double arcsecondsBetween(const Xyz& a, const Xyz& b)
{
    const Xyz cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(length(cross), a.x * b.x + a.y * b.y + a.z * b.z) * 206264.806;
}

// The heliocentric positions the precise model gives the Sun to the Moon.
HeliocentricPositions theoryAt(double julianDateTt)
{
    HeliocentricPositions p;
    for (int i = Mercury; i <= Pluto; ++i) setPosition(p, i, heliocentricFromTheory(julianDateTt, i));
    const Xyz earth = positionOf(p, Earth), moon = geocentricMoonFromTheory(julianDateTt);
    setPosition(p, Moon, {earth.x + moon.x, earth.y + moon.y, earth.z + moon.z});
    return p;
}

TEST(ReferencePositions, TheoriesMatchJplDe431GeometricAndApparent)
{
    const std::vector<Reference> table = referenceTable();
    ASSERT_EQ(table.size(), 2000u);  // 200 dates over 1900-2100, ten bodies

    // Arc seconds. VSOP87 was fitted to an older JPL ephemeris than DE431;
    // its Uranus and Neptune, up to 1.4 and 2.1 arc seconds off it, carry
    // corrections fitted to DE431 at other dates and stand within 0.3.
    const std::map<int, double> tolerance{{Sun, 1},    {Mercury, 1}, {Venus, 1},   {Mars, 1},  {Jupiter, 1},
                                          {Saturn, 1}, {Uranus, 1},  {Neptune, 1}, {Pluto, 5}, {Moon, 2}};
    constexpr double stepDays = 0.01;
    const Sighting lightTime{true, std::nullopt};
    std::map<int, double> worst;
    double worstStarShift = 0;
    HeliocentricPositions now, before;
    double placedAt = 0;
    for (const Reference& r : table) {
        if (r.julianDateTt != placedAt) {
            placedAt = r.julianDateTt;
            now = theoryAt(placedAt);
            before = theoryAt(placedAt - stepDays);
        }
        const MovingPositions moving{now, before, stepDays};
        const double off = std::max(arcsecondsBetween(seenVector(moving, Earth, r.body, {}), r.geometric),
                                    arcsecondsBetween(seenVector(moving, Earth, r.body, lightTime), r.apparent));
        worst[r.body] = std::max(worst[r.body], off);
        // A star where the body's light comes from moves as the body does.
        const Xyz beta = earthAberration(moving);
        const Xyz& from = r.lightTime;
        worstStarShift = std::max(worstStarShift,
                                  arcsecondsBetween({from.x + beta.x, from.y + beta.y, from.z + beta.z}, r.apparent));
    }
    for (const auto& [i, limit] : tolerance) EXPECT_LT(worst[i], limit) << "body " << i;
    EXPECT_LT(worstStarShift, 0.05);
}

}  // namespace
}  // namespace halvane
