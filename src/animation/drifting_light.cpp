#include "animation/drifting_light.h"

#include <array>
#include <cmath>

#include "drawing/chart_colours.h"

namespace halvane {

namespace {

constexpr double StepTwips = 2;
constexpr double ProbeDistance = 100;
constexpr double Margin = 50;
// A colour brighter than this, read as one 24-bit number, is a mark.
constexpr int DarkestMark = 29;

int rgbNumber(Rgb c) { return c.r + 256 * c.g + 65536 * c.b; }

}  // namespace

DriftingLight::DriftingLight(LightRules rules, double ae, double bb, double x, double y, double heading)
    : rules_(rules), ae_(ae), bb_(bb), x_(x), y_(y), heading_(heading)
{}

DriftingLight::DriftingLight(LightRules rules, double ae, double bb, Random& random)
    : DriftingLight(rules, ae, bb, 0, 0, 0)
{
    x_ = ae / 4 + ae * random.next() / 2;
    y_ = bb / 4 + bb * random.next() / 2;
    heading_ = rules.headingRange * random.next();
}

bool DriftingLight::inside() const
{
    return x_ >= -Margin && x_ <= ae_ + Margin && y_ >= -Margin && y_ <= bb_ + Margin;
}

bool DriftingLight::probesSeeMark(const Surface& surface) const
{
    const double cx = std::cos(heading_), cy = std::sin(heading_);
    const double aheadX = x_ + ProbeDistance * cx, aheadY = y_ + ProbeDistance * cy;
    // A quarter turn either way of the heading: (cos(h ± p0/2), sin(h ± p0/2)).
    const double sideX = ProbeDistance * std::cos(heading_ + p0 / 2),
                 sideY = ProbeDistance * std::sin(heading_ + p0 / 2);
    const double otherX = ProbeDistance * std::cos(heading_ - p0 / 2),
                 otherY = ProbeDistance * std::sin(heading_ - p0 / 2);
    const std::array<std::array<double, 2>, 5> probes{{{x_, y_},
                                                       {aheadX, aheadY},
                                                       {x_ - ProbeDistance * cx, y_ - ProbeDistance * cy},
                                                       {aheadX + sideX, aheadY + sideY},
                                                       {aheadX + otherX, aheadY + otherY}}};
    for (const auto& p : probes)
        if (rgbNumber(surface.point(p[0], p[1])) > DarkestMark) return true;
    return false;
}

bool DriftingLight::dotWouldTouchMark(const Surface& surface) const
{
    const double step = surface.twipsPerPixelX(), rise = surface.twipsPerPixelY();
    const double half = (static_cast<int>(size_) + 2) * surface.pixelRatio() / 2;
    for (double dy = -half; dy <= half; dy += 1)
        for (double dx = -half; dx <= half; dx += 1)
            if (rgbNumber(surface.point(prevX_ + dx * step, prevY_ + dy * rise)) > DarkestMark) return true;
    return false;
}

void DriftingLight::advance(Surface& surface)
{
    shown_ = false;
    if (!inside()) return;
    surface.setPenWidth(1);
    size_ += growth_ * rules_.growthPerCycle;
    if (size_ > rules_.peakSize) growth_ = -1;
    if (size_ < 1) size_ = 1;
    prevX_ = x_;
    prevY_ = y_;
    x_ += StepTwips * std::cos(heading_);
    y_ += StepTwips * std::sin(heading_);
    if (rules_.hidesNearMarks && (probesSeeMark(surface) || dotWouldTouchMark(surface))) return;
    surface.setPenWidth(static_cast<int>(size_));
    surface.setPoint(x_, y_, White);
    shown_ = true;
}

void DriftingLight::cover(Surface& surface)
{
    // The dot is covered whenever one was set, also when this step took the
    // light out of the widened area, so no white remnant stays at the edge.
    if (!shown_) return;
    surface.setPenWidth(static_cast<int>(size_) + 2);
    surface.setPoint(prevX_, prevY_, Black);
    shown_ = false;
}

}  // namespace halvane
