// The main form: a full-screen window whose whole area is the drawing
// surface, with the control panel's widgets at its left edge mirroring the
// panel model both ways.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

#include "app/surface_view.h"
#include "app/system_ports.h"
#include "panel/halvane.h"
#include "surface/surface.h"

namespace halvane {

class MainWindow : public QWidget {
public:
    MainWindow(Halvane& h, Messages& messages);

    Surface& surface() { return surface_; }
    SurfaceView& view() { return *view_; }

    // Runs an event handler; a ProgramEnd thrown inside it closes the program.
    void guarded(const std::function<void()>& handler);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildPanel();
    void mirror(Control control);

    Halvane& h_;
    Messages& messages_;
    Surface surface_;
    SurfaceView* view_;
    std::array<QLineEdit*, TextBoxSlots> texts_{};
    std::array<QComboBox*, ComboBoxSlots> combos_{};
    bool activated_ = false;
};

}  // namespace halvane
