#include "render/end_of_pass.h"

#include <cmath>

#include "panel/change_handlers.h"

namespace halvane {

namespace {
std::string whole(double q) { return numberText(q); }
}  // namespace

std::string hoursMinutesSeconds(double a)
{
    const double h = Int(a / 360 * 24);
    const double m = Int((a - h * 360 / 24) / 360 * 24 * 60);
    const double s = Int((a - h * 360 / 24 - m * 360 / 24 / 60) / 360 * 24 * 60 * 60);
    return whole(h) + "h" + whole(m) + "m" + whole(s) + "s";
}

std::string degreesMinutesSeconds(double d)
{
    const std::string sign = d > 0 ? "+" : "-";
    const double a = std::abs(d);
    const double D = Int(a);
    const double M = Int(60 * (a - D));
    const double S = Int(3600 * (a - D - M / 60));
    return sign + whole(D) + "°" + whole(M) + "′" + whole(S) + "″";
}

bool idleAnimationDue(const Halvane& h, const RequestState& request)
{
    const int norm = h.vars.norm;
    const bool runGoesOn = isRun(norm) && request.passCounter != boxNumber(h, Text16);
    return !runGoesOn && !h.flags.t99;
}

bool anotherPass(const Halvane& h)
{
    const auto& v = h.vars;
    if (h.flags.scene2 == 1) return true;
    if (v.norm == repeat::Single || v.norm == repeat::Now) return false;
    if (v.selec == display::Zodiac && v.norm < repeat::Sequential) return false;
    return true;
}

}  // namespace halvane
