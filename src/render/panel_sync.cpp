#include "render/panel_sync.h"

#include <cmath>

#include "panel/change_handlers.h"
#include "panel/panel_fill.h"
#include "panel/stepping.h"

namespace halvane {

namespace {

// The box shows what the form holds when its text was not a number the
// pass can use.
void showKeptValue(Halvane& h, TextBox box, const std::string& kept)
{
    if (!parseNumber(h.panel.text(box))) setText(h, box, kept);
}

}  // namespace

void readLanguage(Halvane& h)
{
    const std::string& shown = h.panel.box(Combo3).shown;
    for (int row : {0, 1})
        for (int language : {Japanese, English})
            if (h.texts.menu[static_cast<size_t>(language)][menu::Language][static_cast<size_t>(row)] == shown)
                h.vars.je = row;
}

void panelRead(Halvane& h)
{
    for (ComboBox box : allComboBoxes) selectionChanged(h, box);
    // "No follow" is understood in either language.
    const std::string& follow = h.panel.box(Combo8).shown;
    for (int language : {Japanese, English})
        if (h.texts.followNames[static_cast<size_t>(language)][body::FixedPoint] == follow)
            h.vars.see = body::FixedPoint;

    for (TextBox box : {Text1, Text2, Text3, Text15, Text16}) textChanged(h, box);
    auto& v = h.vars;
    // The view scales by the magnification: the pass draws with one in the
    // range the "+" and "-" buttons keep, and the box shows it.
    const double magnification = heldMagnification(v.b0.value());
    if (v.b0.empty() || magnification != v.b0.value()) {
        v.b0 = magnification;
        setText(h, Text3, numberText(magnification));
    }
    showKeptValue(h, Text1, numberText(180 * v.b1 / p0));
    showKeptValue(h, Text2, numberText(180 * v.b2 / p0));
    showKeptValue(h, Text3, v.b0.text());
    showKeptValue(h, Text15, v.t10.text());
    showKeptValue(h, Text16, v.times.text());
}

void panelWriteBack(Halvane& h)
{
    const PanelVariables v = h.vars;  // each write runs a handler
    setText(h, Text1, numberText(180 * v.b1 / p0));
    setText(h, Text2, numberText(180 * v.b2 / p0));
    setText(h, Text3, v.b0.text());
    setText(h, Text15, v.t10.text());
    setText(h, Text16, v.times.text());
    fillSelectionBoxes(h);
}

}  // namespace halvane
