// A number as the charts print it among texts: a blank (or a minus sign for
// a negative value) in front and one blank behind.
#pragma once

#include <string>

namespace halvane {

// " 12 " for 12, "-3.5 " for -3.5, " 0 " for 0 and -0.
std::string printedNumber(double q);

}  // namespace halvane
