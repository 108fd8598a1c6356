#include "orbits/orbit_curves.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/kepler.h"
#include "orbits/orbit_selection.h"
#include "util/numbers.h"

namespace halvane {

namespace {

// Beyond this the steps could not be counted; no window shows such detail.
constexpr double densityLimit = 1e9;

// p + f q
Xyz sum(const Xyz& p, const Xyz& q, double f = 1) { return {p.x + f * q.x, p.y + f * q.y, p.z + f * q.z}; }

Xyz half(const Xyz& p) { return {p.x / 2, p.y / 2, p.z / 2}; }

// An orbit as an ellipse: centre + cos E x major + sin E x minor for the
// eccentric anomaly E, three vectors that three points of the orbit-plane
// computation fix. Turning them into the ecliptic and into a picture once
// (both turns are linear) leaves no trigonometry to the orbit's many steps.
struct Ellipse {
    Xyz centre, major, minor;
};

Ellipse orbitOf(const BodyTables& b, int i)
{
    const double a = b.semiMajorAxis[i], e = b.eccentricity[i];
    const Xyz perihelion = orbitPlanePoint(a, e, 0), aphelion = orbitPlanePoint(a, e, 180);
    const Xyz centre = half(sum(perihelion, aphelion)), major = half(sum(perihelion, aphelion, -1));
    const Xyz minor = sum(orbitPlanePoint(a, e, 90), centre, -1);
    const double w = b.perihelionLongitude[i] - b.nodeLongitude[i];
    auto turned = [&](const Xyz& p) { return eclipticPoint(p, w, b.inclination[i], b.nodeLongitude[i]); };
    return {turned(centre), turned(major), turned(minor)};
}

struct PictureEllipse {
    PicturePoint centre, major, minor;
    PicturePoint at(double cosE, double sinE) const
    {
        return {centre.H + cosE * major.H + sinE * minor.H, centre.V + cosE * major.V + sinE * minor.V,
                centre.D + cosE * major.D + sinE * minor.D};
    }
};

// cos E and sin E for E = k / n degrees; the next step turns the pair by
// 1 / n degree, a jump works them out afresh.
class AnomalySteps {
public:
    explicit AnomalySteps(long long n)
        : n_(static_cast<double>(n)), cosStep_(std::cos(radiansFromDegrees(1 / n_))),
          sinStep_(std::sin(radiansFromDegrees(1 / n_)))
    {}
    void moveTo(long long k)
    {
        if (k == k_) return;
        if (k == k_ + 1) {
            const double c = cos_ * cosStep_ - sin_ * sinStep_;
            sin_ = sin_ * cosStep_ + cos_ * sinStep_;
            cos_ = c;
        } else {
            const double E = radiansFromDegrees(static_cast<double>(k) / n_);
            cos_ = std::cos(E);
            sin_ = std::sin(E);
        }
        k_ = k;
    }
    double cosE() const { return cos_; }
    double sinE() const { return sin_; }

private:
    double n_, cosStep_, sinStep_;
    long long k_ = -1;
    double cos_ = 1, sin_ = 0;
};

// Planets blue-grey, comets purple, asteroids dim violet; brighter nearer.
Rgb depthColour(int i, double D)
{
    if (i < body::Moon)
        return {static_cast<int>(Int(D + 50)), static_cast<int>(Int(D + 50)), static_cast<int>(Int(2 * D + 156))};
    if (i <= body::LastComet) return {static_cast<int>(Int(D + 106)), 0, static_cast<int>(Int(D + 106))};
    return {static_cast<int>(Int(D / 2 + 50)), static_cast<int>(Int(D / 2 + 30)), static_cast<int>(Int(D / 2 + 75))};
}

// Twips between the dots of a point's 4 x 4 grid: wider nearer the viewer.
double dotSpacing(double D, double orbitScale)
{
    const double m = 20 * orbitScale;
    constexpr std::array<std::pair<double, double>, 6> steps{{{45, 8}, {35, 6}, {25, 4}, {15, 2}, {10, 1}, {5, 0.5}}};
    for (const auto& [depth, spacing] : steps)
        if (D > depth / m) return spacing;
    return 0;
}

// The offsets among 0, s, 2 s and 3 s twips from `from` that reach a device
// pixel of their own (`pixel` twips wide): the grid's points that share a
// pixel set it once.
int distinctOffsets(double from, double s, double pixel, std::array<double, 4>& offsets)
{
    int count = 0;
    double lastPixel = -1;
    for (int c = 0; c < 4; ++c) {
        const double at = std::floor((from + c * s) / pixel);
        if (count > 0 && at == lastPixel) continue;
        offsets[count++] = c * s;
        lastPixel = at;
    }
    return count;
}

// The 16 points of a 4 x 4 grid of spacing s from `at`.
void setGrid(Surface& surface, const TwipsPoint& at, double s, Rgb colour)
{
    if (at.x + 3 * s < 0 || at.y + 3 * s < 0 || at.x >= surface.scaleWidth() || at.y >= surface.scaleHeight()) return;
    std::array<double, 4> across{}, down{};
    const int columns = distinctOffsets(at.x, s, surface.twipsPerPixelX(), across);
    const int rows = distinctOffsets(at.y, s, surface.twipsPerPixelY(), down);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) surface.setPoint(at.x + across[c], at.y + down[r], colour);
}

struct Pass {
    const OrbitView& view;
    Surface& surface;
    Random& random;
};

Rgb randomColour(Random& random)
{
    Rgb c;
    for (int* component : {&c.r, &c.g, &c.b}) *component = static_cast<int>(Int(random.next() * 256));
    return c;
}

void drawOrbit(Pass& pass, int i, const Ellipse& orbit, const std::array<bool, 2>& drawn,
               const std::array<OrbitPicture, 2>& pictures, long long n)
{
    const OrbitView& view = pass.view;
    std::array<PictureEllipse, 2> inPicture;
    for (int p = 0; p < 2; ++p) {
        auto turned = [&](const Xyz& v) { return intoPicture(view, pictures[p], v); };
        inPicture[p] = {turned(orbit.centre), turned(orbit.major), turned(orbit.minor)};
    }
    const bool stereo = view.selec == display::ThreeDOrbit;
    const long long steps = 360 * n;
    AnomalySteps anomaly(n);
    pass.surface.setPenWidth(1);
    for (long long k = 1; k <= steps; ++k) {
        const bool classColour = !stereo || k % 3 == 0;
        const Rgb random = stereo ? randomColour(pass.random) : Rgb{};
        for (int p = 0; p < 2; ++p) {
            if (!drawn[p]) continue;
            const OrbitPicture& picture = pictures[p];
            anomaly.moveTo(k);
            const PicturePoint q = inPicture[p].at(anomaly.cosE(), anomaly.sinE());
            // Points eleven times further out than the window's edge are
            // passed over a degree at a time; the other picture goes on from
            // the step reached.
            const double k100 = 100 * picture.scale;
            if ((std::abs(q.H * k100) > view.ae / 2 || std::abs(q.V * k100) > view.bb / 2) && k < steps - 1) {
                k += n;
                continue;
            }
            const double D = std::clamp(q.D, -50.0, 50.0);
            const Rgb colour = classColour ? depthColour(i, D) : random;
            setGrid(pass.surface, onScreen(view, picture, q), dotSpacing(D, picture.scale), colour);
        }
    }
}

}  // namespace

long long samplingDensity(double a, double e, double orbitScale, bool twoOrbit)
{
    double n = e > 0.9 ? 6 : 6 * std::pow(a, 0.25);
    constexpr std::array<std::pair<double, double>, 5> eccentric{
        {{0.9, 10}, {0.99, 20}, {0.999, 40}, {0.9995, 100}, {0.9998, 200}}};
    for (const auto& [above, density] : eccentric)
        if (e > above) n = density;
    n = Int(std::sqrt(10 * orbitScale) * n / 3);
    if (twoOrbit) n = Int(std::sqrt(1000 * orbitScale) * n / 3);
    if (!(n >= 1)) return 4;  // none, or a scale that gives no number
    return static_cast<long long>(std::min(n, densityLimit));
}

void drawOrbitCurves(const Halvane& h, const OrbitView& view, Surface& surface, EventPump& events, Random& random)
{
    const std::array<OrbitPicture, 2> pictures{orbitPicture(view, 1), orbitPicture(view, 2)};
    // The density of each orbit but the first follows the scale the right
    // picture of the one before left behind.
    double densityScale = view.orbitScale;
    Pass pass{view, surface, random};
    for (int i = body::LastAsteroid; i >= 1; --i) {
        if (i == body::Moon) continue;
        events.letEventsRun();
        const double a = h.bodies.semiMajorAxis[i], e = h.bodies.eccentricity[i];
        const bool shown = orbitShows(h.vars.orbit, i) && e < 1;
        const std::array<bool, 2> drawn{shown && bigEnoughFor(a, pictures[0].scale),
                                        shown && bigEnoughFor(a, pictures[1].scale)};
        const long long n = samplingDensity(a, e, densityScale, view.selec == display::TwoOrbit);
        densityScale = pictures[1].scale;
        if (drawn[0] || drawn[1]) drawOrbit(pass, i, orbitOf(h.bodies, i), drawn, pictures, n);
    }
    events.letEventsRun();
}

}  // namespace halvane
