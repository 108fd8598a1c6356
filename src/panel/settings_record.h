// The one line of the settings file: 23 comma-separated fields holding the
// panel's choices, so the next run opens as this one was left.
#pragma once

#include <string>
#include <string_view>

#include "panel/halvane.h"

namespace halvane {

// The 23 fields, "." as the decimal point and the shortest plain decimal
// that reads back to the same number; a value never given is an empty
// field. No line end.
std::string settingsLine(const PanelVariables& vars);

// Takes the fields of `content` in order (commas or line ends between
// them). A field is used when it is empty (read as 0) or a finite number
// that its variable can hold: a row of its selection box, a body of the
// body lists, a language. Every other field, and every field after the end
// of a short file, leaves its variable as it was.
void readSettings(std::string_view content, PanelVariables& vars);

}  // namespace halvane
