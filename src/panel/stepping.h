// The small "+" and "-" buttons beside the panel's numbers.
#pragma once

#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

enum CommandButton : int {
    Command1 = 1,
    Command2,
    Command3,
    Command4,
    Command5,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Command12,
    Command13,
    Command14,
    Command15,
    Command16,
    Command17,
    Command18,
    Command19,
    Command20,
    Command21,
    Command22,
    Command23,
    Command24,
    Command25,
    Command26
};

// The magnifications the "+" and "-" buttons of Text3 and the render
// request keep to, and the one that stands for an empty box or a 0.
inline constexpr double SmallestMagnification = 7.5;
inline constexpr double LargestMagnification = 100000000;
inline constexpr double SubstituteMagnification = 20;

// A typed magnification as a pass draws with it: one that is not a positive
// number reads as 20, the others are held to 7.5 ... 100,000,000.
double heldMagnification(double typed);

// Steps the number beside `button` by its rule and writes it back into its
// box. A box that does not hold a number gets the "input number" message.
void pressStepButton(Halvane& h, Messages& messages, CommandButton button);

}  // namespace halvane
