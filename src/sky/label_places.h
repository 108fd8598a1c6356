// Where a name goes beside the object it names, so that it keeps clear of
// the names placed before it.
#pragma once

#include "sky/horizon_projection.h"
#include "util/taken_boxes.h"

namespace halvane {

// Given: the names placed so far, the object at `at`, the name's width and
// height, the gap between object and name and how far the name's top
// rises above the object (twips). Returns: the name's top left: `gap` to
// the right of the object, or, where a name stands there already, up to two
// lines lower or higher, or as far to the left; to the right after all
// when every place is taken, so that no name is lost. The place is kept in
// `taken`.
ChartPoint placeLabel(TakenBoxes& taken, const ChartPoint& at, double width, double height, double gap, double rise);

}  // namespace halvane
