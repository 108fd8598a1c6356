#include "app/panel_style.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>

#include "surface/surface.h"

namespace halvane {

namespace {

constexpr int FramePixels = 1;
constexpr int ArrowPixels = 7;

// The text as a tooltip when `room` pixels cannot show all of it.
void tooltipWhenCut(QWidget* widget, const QString& text, int room)
{
    const bool cut = widget->fontMetrics().horizontalAdvance(text) > room;
    widget->setToolTip(cut ? text : QString());
}

}  // namespace

void PanelComboBox::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(48, 48, 48));
    const double right = width() - FramePixels - 0.5, middle = height() / 2.0;
    const double half = (ArrowPixels - 1) / 2.0;
    painter.drawPolygon(QPolygonF(
        {QPointF(right - 2 * half, middle - 1.5), QPointF(right, middle - 1.5), QPointF(right - half, middle + 2)}));
}

void PanelComboBox::showPopup()
{
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const int chrome = popup->width() - view()->viewport()->width();  // frames and a scroll bar
    if (view()->minimumWidth() + chrome > popup->width())
        popup->resize(view()->minimumWidth() + chrome, popup->height());
}

QFont panelFont()
{
    QFont font(chartFontFamily);
    font.setPointSizeF(8.25);
    return font;
}

void styleTextBox(QLineEdit* edit)
{
    edit->setFont(panelFont());
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { border: %1px solid #7a7a7a; padding: 0px; background: white; }").arg(FramePixels));
    // Qt keeps two pixels between frame and text on each side; the frame
    // alone is margin enough.
    edit->setTextMargins(-2, 0, -2, 0);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit](const QString& text) { tooltipWhenCut(edit, text, edit->width() - 2 * FramePixels); });
}

void styleSelectionBox(QComboBox* combo)
{
    combo->setFont(panelFont());
    combo->view()->setFont(panelFont());  // the open list is a window of its own: no font passes to it
    combo->setStyleSheet(QStringLiteral("QComboBox { border: %1px solid #7a7a7a; padding: 0px 0px 0px 1px;"
                                        " background: #f0f0f0; color: black; }"
                                        "QComboBox::drop-down { width: %2px; border: none; }"
                                        "QComboBox::down-arrow { image: none; width: 0px; }")
                             .arg(FramePixels)
                             .arg(ArrowPixels));
    QObject::connect(combo, &QComboBox::currentTextChanged, combo, [combo](const QString& text) {
        tooltipWhenCut(combo, text, combo->width() - 2 * FramePixels - 1 - ArrowPixels);
    });
}

void fitListToEntries(QComboBox* combo)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    // The text starts one pixel inside the frame and ends before the arrow.
    const int needed = widest + 2 * FramePixels + 1 + ArrowPixels + 1;
    combo->resize(std::clamp(needed, combo->minimumWidth(), combo->maximumWidth()), combo->height());
    // The list's rows as its own painter lays them out (margins, a check
    // mark's room), so that no entry is cut there.
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0));
    tooltipWhenCut(combo, combo->currentText(), combo->width() - 2 * FramePixels - 1 - ArrowPixels);
}

void styleButton(QPushButton* button, int visiblePixels)
{
    button->setFont(panelFont());
    const int hidden = std::max(0, button->width() - visiblePixels);
    button->setStyleSheet(QStringLiteral("QPushButton { border: %1px solid #7a7a7a; padding: 0px %2px 0px 0px;"
                                         " background: #e8e8e8; color: black; }"
                                         "QPushButton:pressed { background: #c0c0c0; }")
                              .arg(FramePixels)
                              .arg(hidden));
}

}  // namespace halvane
