#include "render/pass_readouts.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/vector.h"
#include "panel/change_handlers.h"
#include "render/end_of_pass.h"

namespace halvane {

namespace {

// A companion value as the panel shows it: "0" when it reads back below
// 0.0001 in size.
std::string companionText(double degrees)
{
    const std::string text = numberText(degrees);
    return std::abs(leadingNumber(text)) < 0.0001 ? "0" : text;
}

}  // namespace

void companionReadout(Halvane& h)
{
    auto& v = h.vars;
    const double s = v.selec >= display::TwoOrbit ? -negativeObliquity : negativeObliquity;
    v.b1 = boxNumber(h, Text1) * p0 / 180;
    v.b2 = boxNumber(h, Text2) * p0 / 180;

    const SphericalAngles other = anglesOf(XRotation(s)(unitVector(v.b1, v.b2)));
    setText(h, Text11, companionText(other.longitude * 180 / p0));
    setText(h, Text12, companionText(other.latitude * 180 / p0));
}

void showStarPrecision(Halvane& h)
{
    if (h.vars.preci == 0) return;
    const auto& menuTable = h.texts.menu[static_cast<size_t>(std::clamp(h.vars.je, 0, 1))];
    setShown(h, Combo10, menuTable[menu::Precision][1]);
}

void writeAimReadouts(Halvane& h)
{
    setText(h, Text22, h.panel.text(Text20) + hoursMinutesSeconds(boxNumber(h, Text1)));
    setText(h, Text23, degreesMinutesSeconds(boxNumber(h, Text2)));
}

void roundAngleBoxes(Halvane& h)
{
    for (TextBox box : {Text1, Text2, Text11, Text12})
        setText(h, box, numberText(IntOfScaled(boxNumber(h, box) * 10000) / 10000));
}

}  // namespace halvane
