#include "surface/drawing_record.h"

namespace halvane {

void DrawingRecord::start(QSize size, QColor back)
{
    size_ = size;
    clearBoth(back);
}

void DrawingRecord::clearBoth(QColor back)
{
    pixels_.reset();
    const QRectF whole(QPointF(0, 0), QSizeF(size_));
    const auto fill = std::make_shared<const Step>([whole, back](QPainter& p) { p.fillRect(whole, back); });
    screen_ = {fill};
    persistent_ = {fill};
}

void DrawingRecord::showPersistent()
{
    closePixelRun();
    screen_ = persistent_;
}

void DrawingRecord::add(Step step, bool persistent)
{
    closePixelRun();
    const auto shared = std::make_shared<const Step>(std::move(step));
    screen_.push_back(shared);
    if (persistent) persistent_.push_back(shared);
}

void DrawingRecord::addPixel(QPoint at, QColor colour, bool persistent)
{
    if (pixels_ && (pixels_->colour != colour || pixels_->persistent != persistent)) closePixelRun();
    if (!pixels_) {
        pixels_ = PixelRun{colour, persistent, {}};
        pixels_->squares.setFillRule(Qt::WindingFill);  // a pixel set twice stays set
    }
    pixels_->squares.addRect(QRectF(at, QSizeF(1, 1)));
}

void DrawingRecord::closePixelRun()
{
    if (!pixels_) return;
    PixelRun run = std::move(*pixels_);
    pixels_.reset();
    add([squares = run.squares, colour = run.colour](QPainter& p) { p.fillPath(squares, colour); }, run.persistent);
}

void DrawingRecord::replay(QPainter& painter) const
{
    for (const auto& step : screen_) (*step)(painter);
    if (pixels_) painter.fillPath(pixels_->squares, pixels_->colour);
}

}  // namespace halvane
