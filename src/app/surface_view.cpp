#include "app/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace halvane {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent* event)
{
    // The image holds device pixels: on a dense screen it fills the
    // widget's rectangle pixel for pixel.
    QPainter painter(this);
    const QImage& image = surface_.shown();
    // Only a paint of the whole view brings all of it up to date.
    if (QRegion(rect()).subtracted(event->region()).isEmpty()) paintedVersion_ = surface_.shownVersion();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / surface_.pixelRatio()), image);
}

void SurfaceView::updateIfChanged()
{
    if (changed()) update();
}

void SurfaceView::repaintIfChanged()
{
    if (changed()) repaint();
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!onMouseUp) return;
    const QPointF at = event->position();
    const double ratio = surface_.pixelRatio();
    onMouseUp(at.x() * ratio * surface_.twipsPerPixelX(), at.y() * ratio * surface_.twipsPerPixelY());
}

}  // namespace halvane
