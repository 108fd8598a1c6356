// Reading the whole panel into the form state at the head of a pass, and
// writing the form state back (which also refills every list in the
// current language).
#pragma once

#include "panel/halvane.h"

namespace halvane {

// The language box decides `je` by its text in either language.
void readLanguage(Halvane& h);

// Every selection box, then the aim point, magnification, interval and
// repetitions. A number box that does not hold a usable number shows the
// value the pass goes on with instead.
void panelRead(Halvane& h);

void panelWriteBack(Halvane& h);

}  // namespace halvane
