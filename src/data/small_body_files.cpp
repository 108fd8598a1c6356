#include "data/small_body_files.h"

#include <cmath>

#include "data/record_reading.h"

namespace halvane {

namespace {

// What both files give of a body, in the units of the per-body tables.
struct SmallBody {
    std::string japaneseName, englishName;
    double brightness = 0;  // linear factor
    double argument = 0;  // of perihelion, degrees
    double node = 0;  // longitude of the ascending node, degrees
    double inclination = 0;
    double eccentricity = 0;
    double axis = 0;  // AU
    double period = 0;  // years
};

// Kepler's third law: the period in years of an orbit of `axis` AU.
double periodOf(double axis) { return std::pow(axis * axis * axis, 0.5); }

void readNames(FieldReader& r, SmallBody& body)
{
    body.japaneseName = r.text();
    body.englishName = r.text();
}

double readBrightnessFactor(FieldReader& r)
{
    const double factor = brightnessFactor(r.number());
    if (!std::isfinite(factor)) r.reject("a magnitude too bright to compute");
    return factor;
}

void store(BodyTables& bodies, Texts& texts, int i, SmallBody& body)
{
    texts.bodyNames[Japanese][i] = std::move(body.japaneseName);
    texts.bodyNames[English][i] = std::move(body.englishName);
    bodies.brightness[i] = body.brightness;
    // Node longitude plus argument of perihelion; 360 comes off once only.
    const double perihelion = body.node + body.argument;
    bodies.perihelionLongitude[i] = perihelion > 360 ? perihelion - 360 : perihelion;
    bodies.nodeLongitude[i] = body.node;
    bodies.inclination[i] = body.inclination;
    bodies.eccentricity[i] = body.eccentricity;
    bodies.semiMajorAxis[i] = body.axis;
    bodies.period[i] = body.period;
}

}  // namespace

void readAsteroids(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages)
{
    const RecordLayout layout{.headerFields = 10, .records = 10};
    readOptionalFile(folder, "asteroids.csv", layout, messages, [&](FieldReader& r, int k) {
        SmallBody asteroid;
        readNames(r, asteroid);
        asteroid.brightness = readBrightnessFactor(r);
        const double epochAngle = r.number();
        asteroid.argument = r.number();
        asteroid.node = r.number();
        asteroid.inclination = r.number();
        asteroid.eccentricity = r.number();
        asteroid.axis = r.number();
        asteroid.period = periodOf(asteroid.axis);
        if (!std::isfinite(asteroid.period)) r.reject("a semi-major axis that gives no period");
        const double epoch = r.number();

        const int i = body::FirstAsteroid + k;
        store(bodies, texts, i, asteroid);
        bodies.epochLongitude[i] = epochAngle;
        bodies.asteroidEpoch[i] = epoch;
    });
}

void readComets(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages)
{
    const RecordLayout layout{.headerFields = 13, .records = 10};
    readOptionalFile(folder, "comets.csv", layout, messages, [&](FieldReader& r, int k) {
        SmallBody comet;
        readNames(r, comet);
        comet.period = r.number();
        const double year = r.number();
        const double month = r.number();
        if (month < 1 || month > 12 || month != Int(month)) r.reject("a month outside 1 to 12");
        const double day = r.number();
        const double perihelionDistance = r.number();
        comet.eccentricity = r.number();
        // An open orbit, parabolic or hyperbolic, is drawn as a long ellipse
        // whose period follows from its axis.
        if (comet.eccentricity >= 1) {
            comet.eccentricity = 0.9999;
            comet.period = 0;
        }
        comet.axis = perihelionDistance / (1 - comet.eccentricity);
        if (comet.period == 0) comet.period = periodOf(comet.axis);
        if (!std::isfinite(comet.axis) || !std::isfinite(comet.period)) r.reject("an orbit too large to compute");
        comet.argument = r.number();
        comet.node = r.number();
        comet.inclination = r.number();
        comet.brightness = readBrightnessFactor(r);
        const double exponent = r.number();

        const int i = body::FirstComet + k;
        store(bodies, texts, i, comet);
        bodies.perihelionYear[i] = year;
        bodies.perihelionMonth[i] = month;
        bodies.perihelionDay[i] = day;
        bodies.cometExponent[i] = exponent;
    });
}

void fillBodyTables(BodyTables& bodies, Texts& texts, const std::string& folder, Messages& messages)
{
    fillPlanetaryTables(bodies);
    if (!folder.empty()) {
        readAsteroids(bodies, texts, folder, messages);
        readComets(bodies, texts, folder, messages);
    }
    setFixedPoint(bodies);
}

}  // namespace halvane
