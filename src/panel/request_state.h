// What one render request keeps from pass to pass. Created at the click,
// dropped when the request ends; a click during a drawing starts a second
// request with its own state.
#pragma once

#include <optional>

#include "panel/pass_number_marks.h"

namespace halvane {

struct RequestState {
    int passCounter = 0;  // passes begun in a Sequential or x-times run
    double timeStep = 0;  // days added to the panel's moment each pass
    float sceneTimer = 0;  // seconds since midnight when the medley scene began
    int sceneCounter = 0;  // last medley scene loaded
    double scenePeriod = 0;  // seconds a medley scene stays

    // Selections as they were when the pass began.
    struct {
        int sname = 0, je = 0, norm = 0, selec = 0;
    } old;

    double X = 0, Y = 0;  // click position, twips
    double ae = 0, bb = 0;  // drawing surface size, twips
    double b3 = 20;  // working magnification of the pass

    // The magnification and aim point (degrees) the last sky pass drew with,
    // and whether this sky pass's differ from them.
    struct View {
        double b0 = 0, aimA = 0, aimD = 0;
        bool operator==(const View&) const = default;
    };
    std::optional<View> previousView;
    bool viewMoved = false;

    bool modeChanged = false;  // display, repeat or names mode changed

    // Longitude of the last equinox marker the zodiac chart drew in this
    // request, degrees; 0 until one is drawn.
    double equinoxDeg = 0;

    // The pass numbers the overlay mode has printed on the sky since its
    // first pass.
    PassNumberMarks passNumbers;
};

}  // namespace halvane
