// Writing into the panel: every write runs the control's change handler,
// which copies the shown value into the form state.
#pragma once

#include <string>
#include <vector>

#include "panel/halvane.h"

namespace halvane {

// Sets a text box's text and runs its change handler.
void setText(Halvane& h, TextBox id, std::string text);

// Sets a selection box's shown text and runs its change handler.
void setShown(Halvane& h, ComboBox id, std::string text);

// Replaces a selection box's list (no handler runs).
void setEntries(Halvane& h, ComboBox id, std::vector<std::string> entries);

// The change handlers themselves, for when the view already holds the text.
void textChanged(Halvane& h, TextBox id);
void selectionChanged(Halvane& h, ComboBox id);

// The minute as printed in two digits: "0" in front below 10.
std::string twoDigitMinute(const Loose& minute);

// The number a panel text box holds for stepping and conversion: its
// leading number, 0 for a text without one.
double boxNumber(const Halvane& h, TextBox id);

}  // namespace halvane
