// How the panel's widgets look: the proportional Gothic face at 8.25
// points, frames and margins one pixel thin, narrow drop-down arrows, and
// the whole text as a tooltip wherever a box is narrower than its text.
#pragma once

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>

namespace halvane {

QFont panelFont();

// A selection box whose drop-down arrow is a small triangle in a narrow
// strip, leaving the rest of its width to the text.
class PanelComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    // The list pops out at least as wide as its view's minimum width.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

void styleTextBox(QLineEdit* edit);
void styleSelectionBox(QComboBox* combo);

// Makes `combo` wide enough to show its longest entry whole, within its
// minimum width (its place in the layout) and its maximum width (the
// panel's), and its open list at least as wide as that entry, so that the
// list pops out wider where the box cannot be.
void fitListToEntries(QComboBox* combo);

// `visiblePixels`: the part of the button that no other control covers;
// its caption is centred there.
void styleButton(QPushButton* button, int visiblePixels);

}  // namespace halvane
