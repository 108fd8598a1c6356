#include "render/aim_point.h"

#include "panel/change_handlers.h"
#include "panel/stepping.h"

namespace halvane {

AimDegrees wrapAim(AimDegrees aim)
{
    if (aim.first > 360) aim.first -= 360;
    if (aim.first < 0) aim.first += 360;
    if (aim.second > 180) aim.second -= 360;
    if (aim.second < -180) aim.second += 360;
    return aim;
}

double recentringScale(const Halvane& h)
{
    if (!isSkyView(h.vars.selec)) return SubstituteMagnification;
    const double magnification = boxNumber(h, Text3);
    return magnification > 0 ? magnification : SubstituteMagnification;
}

void recentreOnClick(Halvane& h, RequestState& request)
{
    const double m = recentringScale(h);
    AimDegrees aim{boxNumber(h, Text1) - 0.19 * (request.X - request.ae / 2) / m,
                   boxNumber(h, Text2) - 0.19 * (request.Y - request.bb / 2) / m};
    aim = wrapAim(aim);
    if (aim.second < -90) aim.second = -180 - aim.second;
    if (aim.second > 90) aim.second = 180 - aim.second;
    setText(h, Text1, numberText(roundHalfEven(aim.first, 4)));
    setText(h, Text2, numberText(roundHalfEven(aim.second, 4)));
}

void randomAimPoint(Halvane& h, Random& random)
{
    const double r0 = random.next(), r1 = random.next(), r2 = random.next();
    const double sign = (0.5 - r1 > 0) - (0.5 - r1 < 0);
    auto& v = h.vars;
    v.b1 = p0 * static_cast<float>(r0 * 360 / 180);
    v.b2 = p0 * sign * r2 * r2 * 90 / 180;
    const double b1 = v.b1, b2 = v.b2;
    setText(h, Text1, numberText(b1 * 180 / p0));
    setText(h, Text2, numberText(b2 * 180 / p0));
}

}  // namespace halvane
