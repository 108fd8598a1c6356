#include "app/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace halvane {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.screen());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!onMouseUp) return;
    const QPointF at = event->position();
    onMouseUp(at.x() * surface_.twipsPerPixelX(), at.y() * surface_.twipsPerPixelY());
}

}  // namespace halvane
