#include "sky/comet_tail_end.h"

namespace halvane {

double tailLengthFactor(double k, double r) { return (0.2 * k * k / 9) / (0.3 + 0.7 * r); }

}  // namespace halvane
