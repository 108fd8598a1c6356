// What a surface drew, kept as painter steps so that it can be replayed as
// vectors into any paint device: an SVG or PDF file, or an image. It keeps a
// screen list and a persistent list that clear and persistence treat the
// way the surface treats its two images.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace halvane {

class DrawingRecord {
public:
    using Step = std::function<void(QPainter&)>;

    // Both lists hold a fill of `size` in `back` alone.
    void start(QSize size, QColor back);
    // Clear with persistence on: both lists start again from a fill in `back`.
    void clearBoth(QColor back);
    // Clear with persistence off: the screen shows the persistent list again.
    void showPersistent();
    // Adds a step to the screen, and to the persistent list when `persistent`.
    void add(Step step, bool persistent);
    // Adds a square one pixel wide; pixels of one colour in a row become
    // one path, so that a star field stays a file of reasonable size.
    void addPixel(QPoint at, QColor colour, bool persistent);

    // Paints the screen list in drawing order.
    void replay(QPainter& painter) const;
    QSize size() const { return size_; }

private:
    struct PixelRun {
        QColor colour;
        bool persistent = false;
        QPainterPath squares;
    };
    void closePixelRun();

    std::vector<std::shared_ptr<const Step>> screen_, persistent_;
    std::optional<PixelRun> pixels_;
    QSize size_;
};

}  // namespace halvane
