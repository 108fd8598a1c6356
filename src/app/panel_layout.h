// Where every control of the panel stands, in twips, and what it is.
#pragma once

#include <span>

#include "panel/panel_model.h"
#include "panel/stepping.h"

namespace halvane {

struct PlacedControl {
    enum Kind { Text, Combo, Button } kind;
    int id;  // TextBox, ComboBox or CommandButton
    int left, top, width, height;  // twips
    const char* caption;  // buttons only
};

std::span<const PlacedControl> panelLayout();

// The width of the whole panel, twips: the right edge of its widest row.
int panelWidth();

// The width of `control` that no later control of its row covers, twips.
int visibleWidth(const PlacedControl& control);

}  // namespace halvane
