// Fits the corrections that bring VSOP87's Uranus and Neptune (libnova) onto
// the Swiss Ephemeris with its DE431-based files over 1900 to 2100, and
// writes them as src/ephemeris/outer_planet_coefficients.h.
//
// Both are sampled every 10 days from 1899-07-01 18h TT to mid 2101: never
// at 0h, so no fitted date is one of the reference table's dates, which
// stay an independent check. The Swiss Ephemeris gives heliocentric
// geometric positions on the ICRS equator; they are turned into VSOP87's
// frame as the program places it (the inverse of the frame bias and of the
// J2000 obliquity of 84381.448 arc seconds), so that the corrections also
// take up whatever frame difference there is. Each of the differences in
// longitude, latitude and distance is fitted by least squares with the
// terms below.
//
// The Swiss Ephemeris is under the AGPL (or a commercial licence), which
// does not fit a GPL-2.0-or-later program: this fitter is a separate tool,
// built only by make-corrections beside it and never linked into Halvane
// or its tests. Only the numbers it writes are kept.
#include <erfa.h>
#include <erfam.h>
#include <libnova/libnova.h>
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ephemeris/correction_series.h"

namespace {

using halvane::SeriesTerm;
using Column = std::vector<double>;

constexpr double firstDate = 2414837.25;  // 1899-07-01 18h TT
constexpr double endOfDates = 2488615.5;  // 2101-07-01 0h TT
constexpr double stepDays = 10;

// The terms of a fit, coefficients left at zero: for longitude and
// distance a quadratic in time and the planet's mean longitude with
// coefficients that grow linearly in time, as errors in the orbit's
// elements and mean motion give; for latitude a tilt of the orbit's plane,
// once round in longitude (a constant added there fits below 0.003 arc
// seconds: the frames agree). A term with a multiple of the mean longitude
// has a cosine and a sine, a plain power of the time only a "cosine".
// Uranus keeps up to a third of an arc second, mostly its 45-year term with
// Saturn; a cubic, that term and the second harmonic (ten coefficients
// more) would take it to 0.03 arc seconds, finer than the program needs.
using Shapes = std::vector<SeriesTerm>;
const Shapes shapes{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}};
const Shapes latitudeShapes{{0, 1}};

// The mean longitudes on the ecliptic and equinox of J2000 (Meeus,
// Astronomical Algorithms); the fit takes up any small error in them.
struct Planet {
    const char* name;  // in the written source
    const char* index;  // the program's body index
    int swissNumber;
    void (*theory)(double, ln_helio_posn*);
    halvane::MeanLongitude meanLongitude;
};

const Planet planets[] = {{"uranus", "Uranus", SE_URANUS, ln_get_uranus_helio_coords, {314.055005, 428.4669983}},
                          {"neptune", "Neptune", SE_NEPTUNE, ln_get_neptune_helio_coords, {304.348665, 218.4862002}}};

// What VSOP87 lacks at the fitted dates: longitude and latitude in arc
// seconds, distance in AU.
struct Differences {
    std::vector<double> centuries;
    Column longitude, latitude, distance;
};

// The turn from the ICRS equator into the ecliptic of J2000 as the program
// places VSOP87's frame: through the frame bias onto the J2000 mean
// equator, then by the J2000 obliquity.
struct ToJ2000Ecliptic {
    double matrix[3][3];
    ToJ2000Ecliptic()
    {
        double bias[3][3], precession[3][3], both[3][3], turn[3][3];
        eraBp06(ERFA_DJ00, 0, bias, precession, both);
        eraIr(turn);
        eraRx(84381.448 * ERFA_DAS2R, turn);
        eraRxr(turn, bias, matrix);
    }
};

Differences sample(const Planet& planet)
{
    constexpr int flags = SEFLG_SWIEPH | SEFLG_HELCTR | SEFLG_J2000 | SEFLG_ICRS | SEFLG_EQUATORIAL | SEFLG_XYZ
        | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL;
    ToJ2000Ecliptic toEcliptic;
    Differences d;
    for (double jd = firstDate; jd < endOfDates; jd += stepDays) {
        double icrs[6];
        char error[AS_MAXCH];
        const int got = swe_calc(jd, planet.swissNumber, flags, icrs, error);
        if (got < 0 || (got & SEFLG_SWIEPH) == 0) {
            std::fprintf(stderr, "swe_calc %d at %.2f: %s\n", planet.swissNumber, jd, error);
            std::exit(1);
        }
        double e[3];
        eraRxp(toEcliptic.matrix, icrs, e);
        const double r = std::sqrt(e[0] * e[0] + e[1] * e[1] + e[2] * e[2]);
        ln_helio_posn vsop{};
        planet.theory(jd, &vsop);
        d.centuries.push_back(halvane::centuriesFromJ2000(jd));
        d.longitude.push_back(std::remainder(std::atan2(e[1], e[0]) - vsop.L * ERFA_DD2R, ERFA_D2PI) / ERFA_DAS2R);
        d.latitude.push_back((std::asin(e[2] / r) - vsop.B * ERFA_DD2R) / ERFA_DAS2R);
        d.distance.push_back(r - vsop.R);
    }
    return d;
}

// The least-squares solution of columns * x = target, by Householder
// reflections (the columns are few and well apart, the rows many).
std::vector<double> leastSquares(std::vector<Column> a, Column b)
{
    const size_t rows = b.size(), n = a.size();
    for (size_t k = 0; k < n; ++k) {
        double norm = 0;
        for (size_t i = k; i < rows; ++i) norm += a[k][i] * a[k][i];
        norm = std::sqrt(norm);
        Column v(a[k].begin(), a[k].end());
        for (size_t i = 0; i < k; ++i) v[i] = 0;
        v[k] += a[k][k] > 0 ? norm : -norm;
        double vv = 0;
        for (size_t i = k; i < rows; ++i) vv += v[i] * v[i];
        const auto reflect = [&](Column& c) {
            double dot = 0;
            for (size_t i = k; i < rows; ++i) dot += v[i] * c[i];
            for (size_t i = k; i < rows; ++i) c[i] -= 2 * dot / vv * v[i];
        };
        for (size_t j = k; j < n; ++j) reflect(a[j]);
        reflect(b);
    }
    std::vector<double> x(n);
    for (size_t k = n; k-- > 0;) {
        double s = b[k];
        for (size_t j = k + 1; j < n; ++j) s -= a[j][k] * x[j];
        x[k] = s / a[k][k];
    }
    return x;
}

// A coefficient as the source writes it, and back as the program reads it.
std::string written(double value, bool distance)
{
    char text[32];
    std::snprintf(text, sizeof text, distance ? "%.4e" : "%.4f", value);
    return std::strtod(text, nullptr) == 0 ? "0" : text;
}

std::vector<SeriesTerm> fit(const Shapes& shapes, const Planet& planet, const Differences& d, const Column& target,
                            bool distance)
{
    std::vector<Column> columns;
    for (const SeriesTerm& shape : shapes) {
        for (int part = 0; part < (shape.multiple != 0 ? 2 : 1); ++part) {
            SeriesTerm unit = shape;
            (part == 0 ? unit.cosine : unit.sine) = 1;
            Column c;
            for (double t : d.centuries) c.push_back(halvane::sumOfTerms({&unit, 1}, planet.meanLongitude, t));
            columns.push_back(c);
        }
    }
    const std::vector<double> x = leastSquares(columns, target);
    std::vector<SeriesTerm> terms = shapes;
    size_t next = 0;
    for (SeriesTerm& term : terms) {
        term.cosine = std::strtod(written(x[next++], distance).c_str(), nullptr);
        if (term.multiple != 0) term.sine = std::strtod(written(x[next++], distance).c_str(), nullptr);
    }
    return terms;
}

struct Spread {
    double largest = 0, rootMeanSquare = 0;
};

Spread spreadOf(const Column& values)
{
    Spread s;
    for (double v : values) {
        s.largest = std::max(s.largest, std::fabs(v));
        s.rootMeanSquare += v * v;
    }
    s.rootMeanSquare = std::sqrt(s.rootMeanSquare / static_cast<double>(values.size()));
    return s;
}

Column leftAfter(const std::vector<SeriesTerm>& terms, const Planet& planet, const Differences& d, const Column& target)
{
    Column left;
    for (size_t i = 0; i < target.size(); ++i)
        left.push_back(target[i] - halvane::sumOfTerms(terms, planet.meanLongitude, d.centuries[i]));
    return left;
}

std::string dateOf(double julianDate)
{
    ln_date date{};
    ln_get_date(julianDate, &date);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02dh", date.years, date.months, date.days, date.hours);
    return text;
}

struct Fitted {
    std::vector<SeriesTerm> longitude, latitude, distance;
    std::string summary;  // the comment's lines on what is left
};

Fitted fitPlanet(const Planet& planet)
{
    const Differences d = sample(planet);
    Fitted f{fit(shapes, planet, d, d.longitude, false), fit(latitudeShapes, planet, d, d.latitude, false),
             fit(shapes, planet, d, d.distance, true), ""};
    const Spread l0 = spreadOf(d.longitude), b0 = spreadOf(d.latitude), r0 = spreadOf(d.distance);
    const Spread l = spreadOf(leftAfter(f.longitude, planet, d, d.longitude));
    const Spread b = spreadOf(leftAfter(f.latitude, planet, d, d.latitude));
    const Spread r = spreadOf(leftAfter(f.distance, planet, d, d.distance));
    char text[400];
    std::snprintf(text, sizeof text,
                  "//   %-7s  longitude %.3f\" (%.3f\"), latitude %.3f\" (%.3f\"), distance %.1e AU (%.1e AU);\n"
                  "//            without: %.3f\", %.3f\", %.1e AU largest.\n",
                  planet.index, l.largest, l.rootMeanSquare, b.largest, b.rootMeanSquare, r.largest, r.rootMeanSquare,
                  l0.largest, b0.largest, r0.largest);
    f.summary = text;
    return f;
}

// A term's time factor and argument in words, e.g. "t cos/sin L".
std::string described(const SeriesTerm& t)
{
    const std::string time = t.power == 0 ? "" : t.power == 1 ? "t" : "t^" + std::to_string(t.power);
    if (t.multiple == 0) return time.empty() ? "1" : time;
    const std::string argument = (t.multiple == 1 ? "" : std::to_string(t.multiple) + " ") + "L";
    return (time.empty() ? "" : time + " ") + "cos/sin " + argument;
}

void writeTerms(const char* name, const std::vector<SeriesTerm>& terms, bool distance)
{
    std::printf("constexpr SeriesTerm %s[]{\n", name);
    for (const SeriesTerm& t : terms)
        std::printf("    {%d, %d, %s, %s},  // %s\n", t.power, t.multiple, written(t.cosine, distance).c_str(),
                    written(t.sine, distance).c_str(), described(t).c_str());
    std::printf("};\n");
}

}  // namespace

int main(int argc, char** argv)
{
    swe_set_ephe_path(argc > 1 ? argv[1] : "/usr/share/libswe/ephe");
    char version[AS_MAXCH];
    swe_version(version);
    std::vector<Fitted> fitted;
    for (const Planet& p : planets) fitted.push_back(fitPlanet(p));
    const size_t count = static_cast<size_t>(std::ceil((endOfDates - firstDate) / stepDays));
    const double lastDate = firstDate + static_cast<double>(count - 1) * stepDays;

    std::printf("// Written by tools/outer-planet-fit/make-corrections: do not edit.\n//\n");
    std::printf("// Corrections to VSOP87 (libnova) for Uranus and Neptune, fitted by least\n");
    std::printf("// squares to the Swiss Ephemeris %s with its DE431-based files:\n", version);
    std::printf("// heliocentric geometric positions in VSOP87's frame as the program places\n");
    std::printf("// it, at %zu dates every %.0f days from %s to %s TT.\n", count, stepDays, dateOf(firstDate).c_str(),
                dateOf(lastDate).c_str());
    std::printf("// Terms: t^power (cosine cos m L + sine sin m L), t in Julian centuries from\n");
    std::printf("// J2000 TT held within the fitted dates, L the planet's mean longitude;\n");
    std::printf("// longitude and latitude in arc seconds, distance in AU. Left at the fitted\n");
    std::printf("// dates, largest (root mean square):\n");
    for (const Fitted& f : fitted) std::printf("%s", f.summary.c_str());
    std::printf("#pragma once\n\n#include \"ephemeris/correction_series.h\"\n\n");
    std::printf("namespace halvane::outer_planet_fit {\n\n");
    std::printf("constexpr double firstFittedDate = %.2f;  // %s TT\n", firstDate, dateOf(firstDate).c_str());
    std::printf("constexpr double lastFittedDate = %.2f;   // %s TT\n\n", lastDate, dateOf(lastDate).c_str());
    for (size_t i = 0; i < fitted.size(); ++i) {
        const std::string name = planets[i].name;
        writeTerms((name + "Longitude").c_str(), fitted[i].longitude, false);
        writeTerms((name + "Latitude").c_str(), fitted[i].latitude, false);
        writeTerms((name + "Distance").c_str(), fitted[i].distance, true);
        std::printf("constexpr MeanLongitude %sMeanLongitude{%.6f, %.7f};\n\n", name.c_str(),
                    planets[i].meanLongitude.atJ2000, planets[i].meanLongitude.perCentury);
    }
    std::printf("}  // namespace halvane::outer_planet_fit\n");
    swe_close();
    return 0;
}
