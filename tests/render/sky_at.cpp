#include "render/sky_at.h"

#include <cmath>

#include "data/small_body_files.h"
#include "ephemeris/reference_points.h"
#include "fakes.h"
#include "render/positions.h"
#include "render/time_model.h"

namespace halvane::testing {

std::unique_ptr<Halvane> formWithTables(const std::string& dataFolder)
{
    auto h = std::make_unique<Halvane>();
    fillNameTables(h->texts);
    RecordingMessages messages;
    fillBodyTables(h->bodies, h->texts, dataFolder, messages);
    return h;
}

void computeSky(Halvane& h, UtMoment moment, int view)
{
    auto& v = h.vars;
    setDateVariables(v, moment);
    v.Dho = 0;
    v.Dmi = 0;
    v.norm = repeat::Single;
    v.view = view;
    computeTime(h, 0);
    computePositions(h);
    if (view == body::Earth) earthViewStep(h.sky, h.time.Ti);
}

std::unique_ptr<Halvane> skyAt(UtMoment moment, int view)
{
    auto h = formWithTables();
    computeSky(*h, moment, view);
    return h;
}

double degreesApart(double a, double b)
{
    const double d = std::fmod(a - b, 360.0);
    if (d > 180) return d - 360;
    if (d <= -180) return d + 360;
    return d;
}

}  // namespace halvane::testing
