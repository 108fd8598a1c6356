#include "surface/drawing_record.h"

namespace halvane {

void DrawingRecord::start(QSize size, QColor back)
{
    size_ = size;
    clearBoth(back);
}

void DrawingRecord::clearBoth(QColor back)
{
    const QRectF whole(QPointF(0, 0), QSizeF(size_));
    const auto fill = std::make_shared<const Step>([whole, back](QPainter& p) { p.fillRect(whole, back); });
    screen_ = {fill};
    persistent_ = {fill};
}

void DrawingRecord::add(Step step, bool persistent)
{
    const auto shared = std::make_shared<const Step>(std::move(step));
    screen_.push_back(shared);
    if (persistent) persistent_.push_back(shared);
}

void DrawingRecord::replay(QPainter& painter) const
{
    for (const auto& step : screen_) (*step)(painter);
}

}  // namespace halvane
