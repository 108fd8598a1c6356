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
    struct Ports {
        Clock& clock;
        Random& random;
        Messages& messages;
    };

    MainWindow(Halvane& h, Ports ports);

    Surface& surface() { return surface_; }
    SurfaceView& view() { return *view_; }
    EventPump& events() { return events_; }

    // Runs once, when the window is first asked to close: the settings and
    // the music are looked after there.
    std::function<void()> onClosing;

    // Runs an event handler. A ProgramEnd thrown inside it ends the program:
    // at once when no other handler is running, otherwise as soon as the
    // outer handlers get control back. Any other exception abandons the
    // handler with one message naming the fault; the window goes on.
    void guarded(const std::function<void()>& handler);

    // True once the program is ending; a drawing stops at its next chance.
    bool ending() const { return ending_; }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanel();
    void mirror(Control control);
    void renderRequest(double x, double y);

    Halvane& h_;
    Ports ports_;
    Messages& messages_;
    Surface surface_;
    QtEventPump events_;
    SurfaceView* view_;
    std::array<QLineEdit*, TextBoxSlots> texts_{};
    std::array<QComboBox*, ComboBoxSlots> combos_{};
    bool activated_ = false;
    int handlersRunning_ = 0;
    bool ending_ = false;
    bool closing_ = false;
};

}  // namespace halvane
