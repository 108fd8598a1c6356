#include "panel/change_handlers.h"

#include <cmath>

#include "panel/panel_fill.h"

namespace halvane {

namespace {

// Boxes whose value the form keeps as typed: a number (or an empty box)
// replaces the value, any other text leaves the last good value in place.
void keepLoose(Loose& target, const std::string& text)
{
    if (auto value = Loose::fromText(text)) target = *value;
}

// Boxes converted at once keep their last number while the text is not one.
void keepNumber(double& target, const std::string& text, double factor)
{
    if (auto value = parseNumber(text)) target = *value * factor;
}

// The row whose text in the current language equals the shown text; a later
// equal row wins; no match keeps the variable.
template <typename Table> void matchRow(int& variable, const Table& rows, int first, int last, const std::string& shown)
{
    for (int row = first; row <= last; ++row)
        if (rows[static_cast<size_t>(row)] == shown) variable = row;
}

template <typename Table> void matchBody(int& variable, const Table& names, const std::string& shown)
{
    matchRow(variable, names, 0, body::LastAsteroid, shown);
    if (names[body::FixedPoint] == shown) variable = body::FixedPoint;
}

// The scene named by the shown text. Script rows the file did not give are
// never matched: their empty names would match an empty box.
void matchScene(Halvane& h, const std::string& shown)
{
    const auto& names = h.texts.sceneNames[language(h.vars.je)];
    for (int row = 0; row < SceneSlots; ++row)
        if ((row >= SaturnScene || h.demo.wasRead(row)) && names[static_cast<size_t>(row)] == shown) h.vars.scene = row;
}

}  // namespace

std::string twoDigitMinute(const Loose& minute)
{
    const std::string text = minute.text();
    return minute.value() < 10 ? "0" + text : text;
}

double boxNumber(const Halvane& h, TextBox id) { return leadingNumber(h.panel.text(id)); }

void textChanged(Halvane& h, TextBox id)
{
    auto& v = h.vars;
    const std::string& text = h.panel.text(id);
    switch (id) {
    case Text1:
        keepNumber(v.b1, text, p0 / 180);
        break;
    case Text2:
        keepNumber(v.b2, text, p0 / 180);
        break;
    case Text3:
        keepLoose(v.b0, text);
        break;
    case Text4:
        keepLoose(v.Ye, text);
        break;
    case Text5:
        keepLoose(v.Mo, text);
        break;
    case Text6:
        keepLoose(v.Da, text);
        break;
    case Text7:
        keepLoose(v.Ho, text);
        break;
    case Text8:
        keepLoose(v.Minu, text);
        v.StrMinu = twoDigitMinute(v.Minu);
        break;
    case Text9:
        keepLoose(v.Dho, text);
        break;
    case Text10:
        keepLoose(v.Dmi, text);
        break;
    case Text13:
        keepLoose(v.d3dd, text);
        break;
    case Text14:
        if (auto value = parseNumber(text)) v.d3dd00 = static_cast<float>(*value);
        break;
    case Text15:
        keepLoose(v.t10, text);
        break;
    case Text16:
        if (auto value = parseNumber(text)) v.times = std::trunc(*value);
        break;
    case Text17:
        h.bodies.x[body::FixedPoint] = leadingNumber(text);
        break;
    case Text18:
        h.bodies.y[body::FixedPoint] = leadingNumber(text);
        break;
    case Text19:
        h.bodies.z[body::FixedPoint] = leadingNumber(text);
        break;
    default:
        break;  // display-only boxes
    }
}

void selectionChanged(Halvane& h, ComboBox id)
{
    auto& v = h.vars;
    const auto& menu = h.texts.menu[language(v.je)];
    const std::string& shown = h.panel.box(id).shown;
    switch (id) {
    case Combo1:
        matchRow(v.orbit, menu[menu::BodiesShown], 0, 3, shown);
        break;
    case Combo2:
        matchRow(v.sname, menu[menu::Names], 0, 2, shown);
        break;
    case Combo3: {
        const int before = v.je;
        matchRow(v.je, menu[menu::Language], 0, 1, shown);
        if (v.je != before) fillSelectionBoxes(h);  // every list in the new language
        break;
    }
    case Combo4:
        matchRow(v.norm, menu[menu::RepeatMode], 0, 5, shown);
        break;
    case Combo5:
        matchRow(v.selec, menu[menu::DisplayMode], 0, 5, shown);
        break;
    case Combo6:
        matchBody(v.view, h.texts.bodyNames[language(v.je)], shown);
        break;
    case Combo8:
        matchBody(v.see, h.texts.followNames[language(v.je)], shown);
        break;
    case Combo9:
        matchRow(v.con, h.texts.lineOptions[language(v.je)], 0, 2, shown);
        break;
    case Combo10:
        matchRow(v.preci, menu[menu::Precision], 0, 1, shown);
        break;
    case Combo11:
        matchRow(v.gra, menu[menu::Brightness], 0, 5, shown);
        break;
    case Combo12:
        matchRow(v.music, menu[menu::Music], 0, 1, shown);
        break;
    case Combo14:
        matchRow(v.color, menu[menu::Colour], 0, 4, shown);
        break;
    case Combo15:
        matchRow(v.cross, menu[menu::Rays], 0, 4, shown);
        break;
    case Combo16:
        matchScene(h, shown);
        break;
    }
}

void setText(Halvane& h, TextBox id, std::string text)
{
    h.panel.storeText(id, std::move(text));
    textChanged(h, id);
}

void setShown(Halvane& h, ComboBox id, std::string text)
{
    h.panel.storeShown(id, std::move(text));
    selectionChanged(h, id);
}

void setEntries(Halvane& h, ComboBox id, std::vector<std::string> entries)
{
    h.panel.storeEntries(id, std::move(entries));
}

}  // namespace halvane
