// What a pass writes into the panel besides the aim point it settles: the
// aim point in the other frame beside it, the precision box at normal
// precision, the aim point written out in hours-minutes-seconds and
// degrees-minutes-seconds, and the angle boxes rounded at the end.
#pragma once

#include "panel/halvane.h"

namespace halvane {

// Reads the aim point from Text1 and Text2 into b1 and b2 and shows it in the
// other frame in Text11 and Text12 (equatorial into ecliptic in the modes
// Sky-equatorial and Zodiac, ecliptic into equatorial otherwise).
void companionReadout(Halvane& h);

// At normal precision the precision box shows "Normal" in the current
// language whenever stars are projected or repainted.
void showStarPrecision(Halvane& h);

// Text22 and Text23 from Text1 and Text2.
void writeAimReadouts(Halvane& h);

// Text1, Text2, Text11 and Text12 rounded down to four decimals.
void roundAngleBoxes(Halvane& h);

}  // namespace halvane
