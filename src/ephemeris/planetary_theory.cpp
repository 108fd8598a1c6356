#include "ephemeris/planetary_theory.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/libnova.h>

#include <array>

#include "ephemeris/body_index.h"
#include "ephemeris/ecliptic_conversion.h"
#include "ephemeris/outer_planet_corrections.h"

namespace halvane {

using namespace body;

namespace {

constexpr double kmPerAu = 149597870.7;
// Smallest ELP term kept: the whole series takes ten times as long and
// moves the Moon by at most 0.11 arc seconds.
constexpr double moonTermLimit = 1e-8;

// The turn from the ecliptic of J2000 (VSOP87, ELP) into the catalogue's
// frame: onto the J2000 mean equator, through the frame bias onto the ICRS
// equator, and into the ecliptic by the catalogue's obliquity.
class FromJ2000Ecliptic {
public:
    FromJ2000Ecliptic()
    {
        double rb[3][3], rp[3][3], rbp[3][3];
        eraBp06(ERFA_DJ00, 0, rb, rp, rbp);
        double toEquator[3][3], unbias[3][3];
        eraIr(toEquator);
        eraRx(-84381.448 * ERFA_DAS2R, toEquator);
        eraTr(rb, unbias);
        eraRxr(unbias, toEquator, toIcrs_);
    }

    Xyz operator()(const Xyz& e) const
    {
        const auto& r = toIcrs_;
        const Xyz icrs{r[0][0] * e.x + r[0][1] * e.y + r[0][2] * e.z, r[1][0] * e.x + r[1][1] * e.y + r[1][2] * e.z,
                       r[2][0] * e.x + r[2][1] * e.y + r[2][2] * e.z};
        return equatorialToEcliptic()(icrs);
    }

private:
    double toIcrs_[3][3];
};

const FromJ2000Ecliptic& fromJ2000Ecliptic()
{
    static const FromJ2000Ecliptic turn;
    return turn;
}

using HelioTheory = void (*)(double, ln_helio_posn*);

// libnova's series by body index; the Earth comes from ERFA.
HelioTheory theoryOf(int i)
{
    constexpr std::array<HelioTheory, Pluto + 1> theories{nullptr,
                                                          ln_get_mercury_helio_coords,
                                                          ln_get_venus_helio_coords,
                                                          nullptr,
                                                          ln_get_mars_helio_coords,
                                                          ln_get_jupiter_helio_coords,
                                                          ln_get_saturn_helio_coords,
                                                          ln_get_uranus_helio_coords,
                                                          ln_get_neptune_helio_coords,
                                                          ln_get_pluto_helio_coords};
    return theories[static_cast<size_t>(i)];
}

}  // namespace

Xyz heliocentricFromTheory(double julianDateTt, int i)
{
    if (i == Earth) {
        double heliocentric[2][3], barycentric[2][3];
        eraEpv00(julianDateTt, 0, heliocentric, barycentric);
        return equatorialToEcliptic()({heliocentric[0][0], heliocentric[0][1], heliocentric[0][2]});
    }
    ln_helio_posn at{};
    theoryOf(i)(julianDateTt, &at);
    const HeliocentricCorrection c = outerPlanetCorrection(julianDateTt, i);
    const Xyz unit = unitVector(at.L * ERFA_DD2R + c.longitude, at.B * ERFA_DD2R + c.latitude);
    const double r = at.R + c.distance;
    return fromJ2000Ecliptic()({unit.x * r, unit.y * r, unit.z * r});
}

Xyz geocentricMoonFromTheory(double julianDateTt)
{
    ln_rect_posn km{};
    ln_get_lunar_geo_posn(julianDateTt, &km, moonTermLimit);
    return fromJ2000Ecliptic()({km.X / kmPerAu, km.Y / kmPerAu, km.Z / kmPerAu});
}

}  // namespace halvane
