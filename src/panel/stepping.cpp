#include "panel/stepping.h"

#include <algorithm>

#include "ephemeris/day_count.h"
#include "panel/change_handlers.h"

namespace halvane {

namespace {

enum class Direction { Plus, Minus };

struct StepButton {
    CommandButton button;
    TextBox box;
    Direction direction;
};

constexpr StepButton stepButtons[] = {
    {Command5, Text1, Direction::Plus},    {Command4, Text1, Direction::Minus},   {Command2, Text2, Direction::Plus},
    {Command3, Text2, Direction::Minus},   {Command6, Text3, Direction::Plus},    {Command7, Text3, Direction::Minus},
    {Command15, Text4, Direction::Plus},   {Command14, Text4, Direction::Minus},  {Command13, Text5, Direction::Plus},
    {Command12, Text5, Direction::Minus},  {Command9, Text6, Direction::Plus},    {Command8, Text6, Direction::Minus},
    {Command25, Text15, Direction::Plus},  {Command26, Text15, Direction::Minus}, {Command1, Text16, Direction::Plus},
    {Command17, Text16, Direction::Minus}, {Command11, Text17, Direction::Plus},  {Command16, Text17, Direction::Minus},
    {Command18, Text18, Direction::Plus},  {Command19, Text18, Direction::Minus}, {Command20, Text19, Direction::Plus},
    {Command21, Text19, Direction::Minus},
};

void write(Halvane& h, TextBox box, double value) { setText(h, box, numberText(value)); }

// In an orbit display running sequentially (and not names only) the view
// angles and the magnification are locked.
bool firstThreeLocked(const PanelVariables& v)
{
    const bool orbitDisplay = isOrbitView(v.selec);
    return orbitDisplay && v.norm == repeat::Sequential && !namesOnly(v.sname);
}

double angleStep(const Halvane& h)
{
    const int selec = h.vars.selec;
    if (!isSkyView(selec)) return 30;
    // An empty box or a 0 steps as the pass draws it, at 20; a negative
    // magnification gives a negative step, raised to 0.01.
    double magnification = boxNumber(h, Text3);
    if (magnification == 0) magnification = SubstituteMagnification;
    return std::max(600 / magnification, 0.01);
}

double hundredths(double value) { return IntOfScaled(100 * value) / 100; }

// Doubling and halving that keeps a sign: small values cross zero to the
// smallest value of the other sign instead of reaching 0.
double signedStep(double value, Direction direction, double scale, double low, double floor)
{
    if (direction == Direction::Plus) {
        if (value <= 0) {
            const double result = IntOfScaled(scale * value / 2) / scale;
            return result > low ? floor : result;
        }
        return IntOfScaled(scale * value * 2) / scale;
    }
    if (value <= 0) return IntOfScaled(scale * value * 2) / scale;
    const double result = IntOfScaled(scale * value / 2) / scale;
    return result < floor ? -floor : result;
}

void stepDay(Halvane& h, Direction direction)
{
    auto year = [&] { return boxNumber(h, Text4); };
    auto month = [&] { return boxNumber(h, Text5); };
    auto day = [&] { return boxNumber(h, Text6); };
    auto set = [&](double y, double m, double d) {
        write(h, Text4, y);
        write(h, Text5, m);
        write(h, Text6, d);
    };
    auto monthIs = [&](std::initializer_list<int> months) {
        for (int m : months)
            if (month() == m) return true;
        return false;
    };

    if (direction == Direction::Minus) {
        write(h, Text6, day() - 1);
        if (day() <= 0 && month() == 1) set(year() - 1, 12, 31);
        if (day() <= 0 && monthIs({2, 4, 6, 8, 9, 11})) set(year(), month() - 1, 31);
        if (day() <= 0 && monthIs({5, 7, 10, 12})) set(year(), month() - 1, 30);
        if (day() <= 0 && month() == 3 && isLeapYear(year())) set(year(), 2, 29);
        if (day() <= 0 && month() == 3 && !isLeapYear(year())) set(year(), 2, 28);
        return;
    }
    write(h, Text6, day() + 1);
    if (day() >= 32 && month() == 12) set(year() + 1, 1, 1);
    if (day() >= 31 && monthIs({4, 6, 9, 11})) set(year(), month() + 1, 1);
    if (day() >= 32 && monthIs({1, 3, 5, 7, 8, 10})) set(year(), month() + 1, 1);
    if (day() >= 30 && month() == 2 && isLeapYear(year())) set(year(), 3, 1);
    if (day() >= 29 && month() == 2 && !isLeapYear(year())) set(year(), 3, 1);
}

void stepBox(Halvane& h, TextBox box, Direction direction, double value)
{
    const bool plus = direction == Direction::Plus;
    const double sign = plus ? 1 : -1;
    switch (box) {
    case Text1: {
        double result = hundredths(value + sign * angleStep(h));
        if (result < 0) result += 360;
        if (result > 360) result -= 360;
        write(h, box, result);
        break;
    }
    case Text2: {
        double result = hundredths(value + sign * angleStep(h));
        if (plus && result > 360) result -= 360;
        if (!plus && result < -360) result += 360;
        write(h, box, result);
        break;
    }
    case Text3:
        write(h, box,
              plus ? std::min(Int(2 * value), LargestMagnification) : std::max(Int(value / 2), SmallestMagnification));
        break;
    case Text4:
        write(h, box, value + sign);
        break;
    case Text5: {
        double month = Int(value + sign);
        if (plus && month > 12) {
            month = 1;
            write(h, Text4, boxNumber(h, Text4) + 1);
        }
        if (!plus && month < 1) {
            month = 12;
            write(h, Text4, boxNumber(h, Text4) - 1);
        }
        write(h, box, month);
        break;
    }
    case Text6:
        stepDay(h, direction);
        break;
    case Text15:
        write(h, box, signedStep(value, direction, 100, -0.03, 0.01));
        break;
    case Text16:
        write(h, box, plus ? Int(2 * value) : std::max(Int(value / 2), 1.0));
        break;
    case Text17:
    case Text18:
    case Text19:
        write(h, box, signedStep(value, direction, 1000000, -0.0003, 0.0001));
        break;
    default:
        break;
    }
}

}  // namespace

double heldMagnification(double typed)
{
    if (!(typed > 0)) return SubstituteMagnification;
    return std::clamp(typed, SmallestMagnification, LargestMagnification);
}

void pressStepButton(Halvane& h, Messages& messages, CommandButton button)
{
    for (const StepButton& step : stepButtons) {
        if (step.button != button) continue;
        const auto value = parseNumber(h.panel.text(step.box));
        if (!value) {
            messages.show(h.texts.messages[language(h.vars.je)][message::InputNumber]);
            return;
        }
        if ((step.box == Text1 || step.box == Text2 || step.box == Text3) && firstThreeLocked(h.vars)) return;
        stepBox(h, step.box, step.direction, *value);
        return;
    }
}

}  // namespace halvane
