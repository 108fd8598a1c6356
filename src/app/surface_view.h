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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface& surface_;
};

}  // namespace halvane
