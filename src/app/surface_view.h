// The drawing surface on screen: shows the surface's image and reports
// mouse releases. It holds no logic of its own.
#pragma once

#include <QWidget>
#include <functional>

#include "surface/surface.h"

namespace halvane {

class SurfaceView : public QWidget {
public:
    SurfaceView(Surface& surface, QWidget* parent);

    // Called with the release position in twips.
    std::function<void(double x, double y)> onMouseUp;

    // Asks for a repaint, or repaints at once, only when the shown picture
    // changed since the last paint: an idle window costs nothing.
    void updateIfChanged();
    void repaintIfChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool changed() const { return surface_.shownVersion() != paintedVersion_; }

    Surface& surface_;
    unsigned long long paintedVersion_ = ~0ULL;
};

}  // namespace halvane
