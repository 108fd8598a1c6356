#include "render/scenes.h"

#include <algorithm>
#include <cmath>

#include "panel/change_handlers.h"

namespace halvane {

int selectionRow(double value)
{
    if (!std::isfinite(value)) return -1;
    return static_cast<int>(std::clamp(value, -1.0, 1000.0));
}

void loadScriptScene(Halvane& h, int scene, RequestState& request)
{
    if (scene < 1 || scene > 40) return;
    auto parameter = [&](int p) { return h.demo.parameters[static_cast<size_t>(p)][static_cast<size_t>(scene)]; };
    auto& v = h.vars;
    v.Ye = parameter(1);
    v.Mo = parameter(2);
    v.Da = parameter(3);
    v.Ho = parameter(4);
    v.Minu = parameter(5);
    v.b1 = parameter(6);
    v.b2 = parameter(7);
    v.b0 = parameter(8);
    v.t10 = parameter(9);
    v.times = parameter(10);
    v.selec = selectionRow(parameter(11));
    v.norm = selectionRow(parameter(12));
    v.orbit = selectionRow(parameter(13));
    v.sname = selectionRow(parameter(14));
    v.preci = selectionRow(parameter(15));
    v.gra = selectionRow(parameter(16));
    v.color = selectionRow(parameter(17));
    v.cross = selectionRow(parameter(18));
    v.con = selectionRow(parameter(19));
    v.view = selectionRow(parameter(20));
    v.see = selectionRow(parameter(21));
    request.timeStep = 0;
}

void applyDefaultReset(Halvane& h)
{
    setText(h, Text1, "90");
    setText(h, Text2, "0");
    setText(h, Text3, "40");
    setText(h, Text9, "9");
    setText(h, Text10, "0");
    setText(h, Text13, "1");
    setText(h, Text14, "1");
    setText(h, Text15, "1");
    setText(h, Text16, "1000000");
    auto& v = h.vars;
    v.scene = MedleyScene;
    v.selec = display::SkyEcliptic;
    v.norm = repeat::AtRandom;
    v.orbit = 0;
    v.sname = 1;
    v.preci = 0;
    v.gra = 4;
    v.music = 1;
    v.color = 3;
    v.cross = 2;
    v.con = 2;
    v.view = body::Earth;
    v.see = body::FixedPoint;
}

}  // namespace halvane
