#include "render/view_angles.h"

#include <cmath>
#include <limits>

#include "render/pass_readouts.h"
#include "sky/sky_transforms.h"
#include "sky/view_centred.h"

namespace halvane {

namespace {

bool isBodyRow(int row)
{
    return (row >= 0 && row <= body::LastTailEnd) || (row >= body::VernalEquinox && row <= body::LastReferencePoint);
}

}  // namespace

void displayFrameTransform(Halvane& h, int row)
{
    if (!isBodyRow(row)) return;
    StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
    const double longitude = h.sky.eclipticLongitude[static_cast<size_t>(row)];
    const double latitude = h.sky.eclipticLatitude[static_cast<size_t>(row)];
    cells[star::Longitude] = longitude;
    cells[star::Latitude] = latitude;
    const DisplayAngles frame = eclipticToDisplayFrame(longitude, latitude, displayObliquityRad(h.vars.selec));
    const ViewAngles centred = viewCentred(frame.A, frame.D, h.vars.b1, h.vars.b2);
    cells[star::ViewU] = centred.u;
    cells[star::ViewV] = centred.v;
}

void transformBodies(Halvane& h)
{
    for (int i = 0; i <= body::LastReferencePoint; ++i)
        if (i != h.vars.view) displayFrameTransform(h, i);
}

void projectStars(Halvane& h, const SkyScreen& screen, StarPlotting& plotting)
{
    chooseStarLimit(h, screen, plotting);
    showStarPrecision(h);
    const auto [a, d] = angleColumnsFor(h.vars.selec);
    const ViewCentring centring = starCentring(h);
    const int last = lastRowOf(h, plotting.starLimit);
    // A star is at least as far from the aim point as their latitudes
    // differ: beyond the chart's reach that settles it without trigonometry,
    // which at high magnifications spares most of the catalogue. The
    // aberration moves a star by at most its own size.
    const double shift = h.sky.aberration ? length(*h.sky.aberration) : 0;
    const double aimLatitude = h.vars.b2, reach = screen.reach() + shift;
    constexpr double offChart = std::numeric_limits<double>::quiet_NaN();
    // Rows with the same angles as the row before, above all the empty rows
    // after the catalogue's last star, take over its result.
    double previousA = std::nan(""), previousD = std::nan("");
    ViewAngles angles;
    for (int row = star::FirstRow; row <= last; ++row) {
        StarRow& cells = h.stars.stars[static_cast<size_t>(row)];
        if (std::abs(cells[d] - aimLatitude) > reach) {
            cells[star::ViewU] = cells[star::ViewV] = offChart;
            continue;
        }
        if (cells[a] != previousA || cells[d] != previousD) {
            previousA = cells[a];
            previousD = cells[d];
            angles = centring(previousA, previousD);
        }
        cells[star::ViewU] = angles.u;
        cells[star::ViewV] = angles.v;
    }
}

void centreLineEnds(Halvane& h)
{
    const bool equatorial = h.vars.selec <= display::Zodiac;
    const int a = equatorial ? line::RightAscension : line::Longitude;
    const int d = equatorial ? line::Declination : line::Latitude;
    const ViewCentring centring = starCentring(h);
    for (int s = 1; s <= star::LineRecords; ++s) {
        auto& row = h.stars.lines[static_cast<size_t>(s)];
        for (int end = 0; end <= 1; ++end) {
            const ViewAngles angles = centring(row[a + end], row[d + end]);
            row[line::ViewU + end] = angles.u;
            row[line::ViewV + end] = angles.v;
        }
    }
}

}  // namespace halvane
