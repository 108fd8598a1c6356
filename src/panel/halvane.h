// The form state: everything that lasts from start-up to the end of the
// program. Created once and passed by reference; there are no globals.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "data/body_tables.h"
#include "data/sky_tables.h"
#include "data/texts.h"
#include "ephemeris/constants.h"
#include "ephemeris/precise_positions.h"
#include "ephemeris/sky_positions.h"
#include "panel/modes.h"
#include "panel/panel_model.h"
#include "util/earth_place.h"
#include "util/numbers.h"

namespace halvane {

// The panel's numbers and selections as the main form holds them.
struct PanelVariables {
    int je = English;  // language
    double b1 = 90 * p0 / 180;  // first view angle, radians
    double b2 = 0;  // second view angle, radians
    Loose b0 = 20;  // magnifying power
    Loose Ye, Mo, Da, Ho, Minu;  // date and time of the panel
    std::string StrMinu;  // Minu as two digits
    Loose Dho = 9, Dmi = 0;  // time lag from Universal Time
    double Ka = 90;  // tilt of the orbit views, degrees
    float kaiten = 0;  // turn of the orbit views, degrees
    Loose d3dd = 1;  // width of the stereo view
    float d3dd00 = 1;  // degree of the stereo view
    Loose t10 = 10;  // interval in days between repeated drawings
    Loose times = 10;  // number of repetitions (whole)
    int see = 90;  // body to follow; 90 follows nothing
    int view = 0;  // viewpoint body
    int selec = 0, norm = 0, orbit = 0, sname = 0, preci = 0, gra = 0;
    int color = 0, cross = 0, con = 0, music = 0, scene = 0;
};

// The moment of the panel and of the pass.
struct TimeState {
    double Di = 0;  // whole days since 19 August 1982, 0 h UT
    double Ti0 = 0;  // the present moment, tropical years since day 0
    double Ti = 0;  // the moment of the pass
    // Days before month 1..12 of the year it was last built for; entry 13
    // is the length of that year.
    std::array<double, 14> monthStart{};
};

// Flags through which handlers and requests running inside each other talk.
struct RequestFlags {
    bool pz = false;  // a request has started (ends the opening animation)
    bool t99 = false;  // ends the idle animation
    int scene2 = 0;  // 1 while a medley runs
};

struct Halvane {
    PanelVariables vars;
    TimeState time;
    RequestFlags flags;
    PanelModel panel;
    BodyTables bodies;
    SkyPositions sky;
    Texts texts;
    StarTables stars;
    AgeTables ages;
    DemoScript demo;
    // Comets 11 to 20: the end of the tail, heliocentric x, y, z in AU, in
    // single precision.
    std::array<std::array<float, 3>, body::LastComet + 1> tailEnds{};
    std::string strParent;  // folder of the program and its data files
    PositionModel positionModel = PositionModel::Builtin;  // chosen at start, never saved
    // With the precise model, also chosen at start and never saved: light
    // time, and the observer's place on the Earth (with the Earth as
    // viewpoint).
    bool lightTime = false;
    std::optional<EarthPlace> place;
};

}  // namespace halvane
