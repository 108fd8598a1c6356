#include "ephemeris/moment.h"

#include "ephemeris/constants.h"

namespace halvane {

double momentYears(double dayNumber, double hours, double minutes, double lagDays, double timeStepDays)
{
    const double T = dayNumber + hours / 24 + minutes / 24 / 60 - lagDays;
    return timeStepDays / taiyounenniti + T / taiyounenniti;
}

double localDaysOfMoment(double Ti, double lagDays) { return Ti * taiyounenniti + lagDays + dayZeroFromYearOne; }

}  // namespace halvane
