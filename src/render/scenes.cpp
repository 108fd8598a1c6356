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

namespace {

constexpr int FirstScriptScene = 1, LastScriptScene = 40;
constexpr int RepeatParameter = 12;

bool isScriptScene(int scene) { return scene >= FirstScriptScene && scene <= LastScriptScene; }

double sceneParameter(const Halvane& h, int scene, int p)
{
    return h.demo.parameters[static_cast<size_t>(p)][static_cast<size_t>(scene)];
}

}  // namespace

int scriptSceneRepeat(const Halvane& h, int scene)
{
    return isScriptScene(scene) ? selectionRow(sceneParameter(h, scene, RepeatParameter)) : -1;
}

void loadScriptScene(Halvane& h, int scene, RequestState& request)
{
    if (!isScriptScene(scene)) return;
    auto parameter = [&](int p) { return sceneParameter(h, scene, p); };
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
    auto row = [&](int p) { return selectionRow(parameter(p)); };
    setSelections(v,
                  {row(11), row(12), row(13), row(14), row(15), row(16), row(17), row(18), row(19), row(20), row(21)});
    request.timeStep = 0;
}

void setSelections(PanelVariables& v, const SceneSelections& s)
{
    v.selec = s.selec;
    v.norm = s.norm;
    v.orbit = s.orbit;
    v.sname = s.sname;
    v.preci = s.preci;
    v.gra = s.gra;
    v.color = s.color;
    v.cross = s.cross;
    v.con = s.con;
    v.view = s.view;
    v.see = s.see;
}

void applySaturnSettings(Halvane& h, RequestState& request)
{
    auto& v = h.vars;
    v.b0 = 30;
    v.t10 = 0.015;
    request.timeStep = 0;
    v.times = 10000;
    setSelections(v,
                  {.selec = display::SkyEquatorial,
                   .norm = repeat::Sequential,
                   .orbit = 0,
                   .sname = 1,
                   .preci = 1,
                   .gra = 1,
                   .color = 2,
                   .cross = 2,
                   .con = 1,
                   .view = body::FixedPoint,
                   .see = body::Saturn});
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
    v.music = 1;
    setSelections(v,
                  {.selec = display::SkyEcliptic,
                   .norm = repeat::AtRandom,
                   .orbit = 0,
                   .sname = 1,
                   .preci = 0,
                   .gra = 4,
                   .color = 3,
                   .cross = 2,
                   .con = 2,
                   .view = body::Earth,
                   .see = body::FixedPoint});
}

}  // namespace halvane
