#include "zodiac/geological_age.h"

#include <cmath>

#include "data/texts.h"
#include "util/numbers.h"
#include "util/printed_number.h"

namespace halvane {

std::string geologicalAgeLine(const AgeTables& ages, int je, double Ti, double Ti0)
{
    const double D = Ti - Ti0;
    const size_t l = language(je);
    std::string line;
    if (Ti + 0.01 > Ti0 && Ti < Ti0 + 0.01) {
        line = l == Japanese ? "現在" : "Present";
    } else {
        for (size_t row = 1; row < ages.thresholds[1].size(); ++row) {
            if (-D > ages.thresholds[1][row]) {
                line = ages.names[l][1][row] + " " + ages.names[l][2][row];
                break;
            }
        }
    }
    if (std::abs(D) > 1) line += " " + printedNumber(Int(D)) + "years";
    return line;
}

}  // namespace halvane
