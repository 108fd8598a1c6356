// The small "+" and "-" buttons beside the panel's numbers.
#pragma once

#include "panel/halvane.h"
#include "util/messages.h"

namespace halvane {

enum CommandButton : int {
    Command1 = 1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9,
    Command10, Command11, Command12, Command13, Command14, Command15, Command16, Command17,
    Command18, Command19, Command20, Command21, Command22, Command23, Command24, Command25, Command26
};

// Steps the number beside `button` by its rule and writes it back into its
// box. A box that does not hold a number gets the "input number" message.
void pressStepButton(Halvane& h, Messages& messages, CommandButton button);

// Gregorian leap year.
bool isLeapYear(double year);

}  // namespace halvane
