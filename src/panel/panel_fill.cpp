#include "panel/panel_fill.h"

#include "panel/change_handlers.h"

namespace halvane {

namespace {

template <typename Rows> std::vector<std::string> rows(const Rows& table, int first, int last)
{
    return {table.begin() + first, table.begin() + last + 1};
}

// Fills a box from rows 0..last of a table and shows the row `selected`.
template <typename Rows> void fillBox(Halvane& h, ComboBox id, const Rows& table, int last, int selected)
{
    setEntries(h, id, rows(table, 0, last));
    const bool inRange = selected >= 0 && selected <= last;
    std::string shown = inRange ? table[static_cast<size_t>(selected)] : std::string();
    // The language box shows the language the lists are being filled in; its
    // handler would only read `je` back and fill every list once more.
    if (id == Combo3)
        h.panel.storeShown(id, std::move(shown));
    else
        setShown(h, id, std::move(shown));
}

// Bodies 0 to 30 at positions 0 to 30 and the entry 90 at position 31.
template <typename Names> void fillBodyBox(Halvane& h, ComboBox id, const Names& names, int selected)
{
    auto entries = rows(names, 0, body::LastAsteroid);
    entries.push_back(names[body::FixedPoint]);
    setEntries(h, id, std::move(entries));
    const bool valid = body::isViewpointChoice(selected);
    setShown(h, id, valid ? names[static_cast<size_t>(selected)] : std::string());
}

}  // namespace

void fillSelectionBoxes(Halvane& h)
{
    // Each box's handler writes its variable back from what is shown: read
    // the variables afresh each time.
    auto menu = [&](int column) -> const auto&
    {
        return h.texts.menu[language(h.vars.je)][static_cast<size_t>(column)];
    };
    auto currentLanguage = [&] { return language(h.vars.je); };

    fillBox(h, Combo1, menu(menu::BodiesShown), 3, h.vars.orbit);
    fillBox(h, Combo2, menu(menu::Names), 2, h.vars.sname);
    fillBox(h, Combo3, menu(menu::Language), 1, h.vars.je);
    fillBox(h, Combo4, menu(menu::RepeatMode), 5, h.vars.norm);
    fillBox(h, Combo5, menu(menu::DisplayMode), 5, h.vars.selec);
    fillBodyBox(h, Combo6, h.texts.bodyNames[currentLanguage()], h.vars.view);
    copyFollowNames(h.texts);
    fillBodyBox(h, Combo8, h.texts.followNames[currentLanguage()], h.vars.see);
    fillBox(h, Combo9, h.texts.lineOptions[currentLanguage()], 2, h.vars.con);
    fillBox(h, Combo10, menu(menu::Precision), 1, h.vars.preci);
    fillBox(h, Combo11, menu(menu::Brightness), 5, h.vars.gra);
    fillBox(h, Combo12, menu(menu::Music), 1, h.vars.music);
    fillBox(h, Combo14, menu(menu::Colour), 4, h.vars.color);
    fillBox(h, Combo15, menu(menu::Rays), 4, h.vars.cross);
    fillBox(h, Combo16, h.texts.sceneNames[currentLanguage()], SceneSlots - 1, h.vars.scene);
}

void fillTextBoxes(Halvane& h)
{
    const auto& v = h.vars;
    // Copies first: every write runs a handler that updates the form state.
    const PanelVariables shown = v;
    const size_t viewpoint = body::isSlot(v.view) ? static_cast<size_t>(v.view) : body::FixedPoint;
    const double x = h.bodies.x[viewpoint], y = h.bodies.y[viewpoint], z = h.bodies.z[viewpoint];
    setText(h, Text1, numberText(180 * shown.b1 / p0));
    setText(h, Text2, numberText(180 * shown.b2 / p0));
    setText(h, Text3, shown.b0.text());
    setText(h, Text4, shown.Ye.text());
    setText(h, Text5, shown.Mo.text());
    setText(h, Text6, shown.Da.text());
    setText(h, Text7, shown.Ho.text());
    setText(h, Text8, shown.Minu.text());
    setText(h, Text9, shown.Dho.text());
    setText(h, Text10, shown.Dmi.text());
    setText(h, Text11, "0");
    setText(h, Text12, "0");
    setText(h, Text13, shown.d3dd.text());
    setText(h, Text14, numberText(shown.d3dd00));
    setText(h, Text15, shown.t10.text());
    setText(h, Text16, shown.times.text());
    setText(h, Text17, numberText(x));
    setText(h, Text18, numberText(y));
    setText(h, Text19, numberText(z));
}

}  // namespace halvane
