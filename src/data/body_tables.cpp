#include "data/body_tables.h"

#include <cmath>

#include "ephemeris/constants.h"
#include "ephemeris/vector.h"

namespace halvane {

using namespace body;

double brightnessFactor(double magnitude) { return 256.0 * std::pow(2.5, 1.0 - magnitude); }

void fillPlanetaryTables(BodyTables& t)
{
    t.radius = {};
    const double radii[] = {696000, 2440, 6052, 6378, 3397, 71492, 60268, 25559, 24764, 1137, 1738};
    for (int i = Sun; i <= Moon; ++i) t.radius[i] = radii[i];

    t.brightness[Mercury] = 76.8 * std::pow(2.5, 2.4);
    t.brightness[Venus] = 153.6 * std::pow(2.5, 3.7);
    t.brightness[Earth] = 256 * std::pow(2.5, 4);
    t.brightness[Mars] = 256 * std::pow(2.5, 4);
    t.brightness[Jupiter] = 256 * std::pow(2.5, 3.8);
    t.brightness[Saturn] = 256 * std::pow(2.5, 1.5);
    t.brightness[Uranus] = 256 * std::pow(2.5, -4.3);
    t.brightness[Neptune] = 256 * std::pow(2.5, -6.8);
    t.brightness[Pluto] = 256 * std::pow(2.5, -12.6);
    t.brightness[Moon] = 256 * 14.5 * std::pow(2.5, 13.6);

    const double axes[] = {0, 0.3871, 0.72333, 1, 1.52368, 5.2026, 9.55491, 19.21845, 30.11039, 39.54044, a10};
    for (int i = Mercury; i <= Moon; ++i) t.semiMajorAxis[i] = axes[i];

    // The Earth's and the Moon's eccentricity vary with the date (the Earth's
    // is fixed here, the Moon's is computed for each pass).
    const double eccentricities[] = {0, 0.20563, 0.00677, 0.01671, 0.0934, 0.0485, 0.05554, 0.04638, 0.00946, 0.24901};
    for (int i = Mercury; i <= Pluto; ++i) t.eccentricity[i] = eccentricities[i];

    const double inclinations[] = {0, 7.005, 3.3947, 0, 1.8497, 1.3031, 2.4888, 0.7732, 1.7698, 17.145, 5.129835};
    for (int i = Mercury; i <= Moon; ++i) t.inclination[i] = inclinations[i];

    // Mercury's and the Earth's perihelion and node move with the date.
    t.perihelionLongitude[Mercury] = 77.5028;
    const double perihelia[] = {0, 0, 131.6058, 0, 336.1155, 14.3796, 93.1161, 173.0499, 48.1631, 224.1833};
    for (int i = Venus; i <= Pluto; ++i)
        if (i != Earth) t.perihelionLongitude[i] = perihelia[i];

    const double nodes[] = {0, 0, 76.7069, 0, 49.5812, 100.495, 113.6918, 74.0216, 131.8171, 110.3587};
    for (int i = Venus; i <= Pluto; ++i)
        if (i != Earth) t.nodeLongitude[i] = nodes[i];

    // Periods are given in Julian years and converted to tropical years.
    const double periods[] = {0, 0.240852, 0.615207, 0, 1.880866, 11.86155, 29.53216, 84.253, 165.2269, 248.6449};
    for (int i = Mercury; i <= Pluto; ++i) {
        if (i == Earth) continue;
        t.period[i] = periods[i] * 365.25 / taiyounenniti;
    }
    t.period[Earth] = kintennen;
    t.period[Moon] = 0.07544184700820254;

    const double epochs[] = {0,        137.326, 325.647,  223.943, 289.298, 209.6863,
                             107.3675, 69.684,  219.9645, 346.664, 47.2511};
    for (int i = Mercury; i <= Moon; ++i) t.epochLongitude[i] = epochs[i];
}

void fillBodyColours(BodyTables& t)
{
    const Rgb colours[] = {{},
                           {255, 255, 156},
                           {255, 255, 206},
                           {96, 96, 255},
                           {255, 156, 106},
                           {236, 206, 166},
                           {206, 206, 166},
                           {136, 136, 206},
                           {56, 56, 255},
                           {206, 166, 166},
                           {220, 220, 220}};
    for (int i = Mercury; i <= Moon; ++i) t.colour[i] = colours[i];
    for (int i = FirstComet; i <= LastAsteroid; ++i) t.colour[i] = {156, 136, 136};
}

void fillDisplayScales(BodyTables& t)
{
    const auto& a = t.semiMajorAxis;
    auto root = [&](int i) { return std::sqrt(t.brightness[i]); };
    t.displayScale[Mercury] = static_cast<float>((a[Earth] + a[Mercury]) * root(Mercury));
    t.displayScale[Venus] = static_cast<float>(2 * root(Venus));
    t.displayScale[Earth] = static_cast<float>(1.5 * root(Earth));
    for (int i = Mars; i <= Pluto; ++i) t.displayScale[i] = static_cast<float>((a[i] - a[Earth]) * root(i));
    t.displayScale[Moon] = static_cast<float>(a10 * root(Moon));
    for (int i = FirstComet; i <= LastComet; ++i) t.displayScale[i] = static_cast<float>(root(i));
    for (int i = FirstAsteroid; i <= LastAsteroid; ++i)
        t.displayScale[i] = static_cast<float>(std::abs(a[i] - a[Earth]) * root(i));
}

void setFixedPoint(BodyTables& t)
{
    t.x[FixedPoint] = 0.7;
    t.y[FixedPoint] = 0.7;
    t.z[FixedPoint] = 0;
    t.semiMajorAxis[FixedPoint] = length({t.x[FixedPoint], t.y[FixedPoint], t.z[FixedPoint]});
}

}  // namespace halvane
