#include "util/printed_number.h"

#include <cmath>

#include "util/numbers.h"

namespace halvane {

std::string printedNumber(double q) { return (q < 0 ? "-" : " ") + numberText(std::abs(q)) + " "; }

}  // namespace halvane
