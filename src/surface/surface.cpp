#include "surface/surface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "util/vector_registers.h"

namespace halvane {

namespace {

int component(int value) { return std::clamp(value, 0, 255); }

QColor toQColor(Rgb c) { return QColor(component(c.r), component(c.g), component(c.b)); }

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

Surface::Surface(QSize pixels, double twipsPerPixelX, double twipsPerPixelY, double pixelRatio)
    : twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY), pixelRatio_(std::max(1.0, pixelRatio))
{
    font_.setPointSizeF(fontSize_);
    resize(pixels);
}

Surface::~Surface() { closePainters(); }

void Surface::resize(QSize pixels)
{
    closePainters();
    const QSize size(std::max(1, pixels.width()), std::max(1, pixels.height()));
    screen_ = QImage(size, QImage::Format_RGB32);
    // Text sizes in points follow the twips: 1440 twips to the inch.
    constexpr double inchesPerMetre = 1 / 0.0254;
    screen_.setDotsPerMeterX(static_cast<int>(std::lround(1440 / twipsPerPixelX_ * inchesPerMetre)));
    screen_.setDotsPerMeterY(static_cast<int>(std::lround(1440 / twipsPerPixelY_ * inchesPerMetre)));
    screen_.fill(toQColor(back_));
    persistent_ = screen_.copy();
    ++version_;
    // The old picture does not fit the new size: a hold goes on from the blank image.
    if (held_) {
        held_ = false;
        holdPicture();
    }
    if (record_) record_->start(size, toQColor(back_));
    openPainters();
    settleVectorRegisters();
}

void Surface::openPainters()
{
    screenPainter_ = std::make_unique<QPainter>(&screen_);
    persistentPainter_ = std::make_unique<QPainter>(&persistent_);
}

void Surface::closePainters()
{
    screenPainter_.reset();
    persistentPainter_.reset();
}

template <typename Draw> void Surface::draw(Draw&& drawOn)
{
    ++version_;
    drawOn(*screenPainter_);
    if (persistence_) drawOn(*persistentPainter_);
    if (record_) record_->add(drawOn, persistence_);
    settleVectorRegisters();
}

void Surface::startRecording()
{
    record_ = std::make_unique<DrawingRecord>();
    record_->start(screen_.size(), toQColor(back_));
}

QPointF Surface::toPixels(double x, double y) const { return {x / twipsPerPixelX_, y / twipsPerPixelY_}; }

int Surface::penPixels() const { return std::max(1, static_cast<int>(std::lround(penWidth_ * pixelRatio_))); }

void Surface::holdPicture()
{
    if (held_) return;
    held_ = true;
    heldVersion_ = version_;
    if (heldPicture_.size() != screen_.size()) heldPicture_ = QImage(screen_.size(), screen_.format());
    std::memcpy(heldPicture_.bits(), screen_.constBits(), static_cast<size_t>(screen_.sizeInBytes()));
}

void Surface::clear()
{
    ++version_;
    if (persistence_) {
        screen_.fill(toQColor(back_));
        persistent_.fill(toQColor(back_));
        if (record_) record_->clearBoth(toQColor(back_));
        settleVectorRegisters();
        return;
    }
    if (record_) record_->showPersistent();
    std::memcpy(screen_.bits(), persistent_.constBits(), static_cast<size_t>(screen_.sizeInBytes()));
}

QImage Surface::inkLayer() const
{
    QImage layer = screen_.convertToFormat(QImage::Format_ARGB32);
    const QRgb back = toQColor(back_).rgb();
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            if (row[x] == back) row[x] = 0;
    }
    return layer;
}

void Surface::overlay(const QImage& layer)
{
    draw([layer](QPainter& p) { p.drawImage(0, 0, layer); });
}

void Surface::setFontSize(double points)
{
    if (!(points > 0) || points > 2000) return;  // a size no font can take
    fontSize_ = points;
    font_.setPointSizeF(points);
}

void Surface::setFontFamily(const QString& family) { font_.setFamily(family); }

void Surface::print(std::string_view text)
{
    const double lineHeight = printText(text);
    currentX_ = 0;
    currentY_ += lineHeight * twipsPerPixelY_;
}

void Surface::printOnLine(std::string_view text) { printText(text); }

double Surface::printText(std::string_view text)
{
    const QString string = toQString(text);
    const QFontMetricsF metrics(font_, &screen_);
    const QPointF topLeft = toPixels(currentX_, currentY_);
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    draw([font = font_, colour = toQColor(fore_), baseline, string](QPainter& p) {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(baseline, string);
    });
    currentX_ += metrics.horizontalAdvance(string) * twipsPerPixelX_;
    return metrics.height();
}

double Surface::textWidth(std::string_view text) const
{
    return QFontMetricsF(font_, &screen_).horizontalAdvance(toQString(text)) * twipsPerPixelX_;
}

double Surface::lineHeight() const { return QFontMetricsF(font_, &screen_).height() * twipsPerPixelY_; }

void Surface::line(double x1, double y1, double x2, double y2, Rgb colour)
{
    const QLineF segment(toPixels(x1, y1), toPixels(x2, y2));
    draw([pen = QPen(toQColor(colour), penPixels()), segment](QPainter& p) {
        p.setPen(pen);
        p.drawLine(segment);
    });
}

void Surface::circle(double x, double y, double radius, Rgb colour)
{
    const QPointF centre = toPixels(x, y);
    const double rx = radius / twipsPerPixelX_, ry = radius / twipsPerPixelY_;
    draw([pen = QPen(toQColor(colour), penPixels()), centre, rx, ry](QPainter& p) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, rx, ry);
    });
}

void Surface::fillPolygon(std::span<const QPointF> corners, Rgb colour)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(corners.size()));
    for (const QPointF& c : corners) polygon.append(toPixels(c.x(), c.y()));
    draw([polygon, fill = toQColor(colour)](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPolygon(polygon, Qt::WindingFill);
    });
}

bool Surface::dotReachesScreen(QPointF centre, double width) const
{
    const double half = width / 2 + 1;
    return centre.x() + half >= 0 && centre.y() + half >= 0 && centre.x() - half <= screen_.width()
        && centre.y() - half <= screen_.height();  // false for a centre that is not a number
}

void Surface::setPoint(double x, double y, Rgb colour)
{
    const QPointF centre = toPixels(x, y);
    const int width = penPixels();
    if (!dotReachesScreen(centre, width)) {
        currentX_ = x;
        currentY_ = y;
        return;
    }
    if (width <= 1) {
        setPixel(static_cast<int>(std::floor(centre.x())), static_cast<int>(std::floor(centre.y())), colour);
    } else {
        // The disc inscribed in the block of pixels a square dot would fill:
        // `width` pixels across, the corners left out.
        const double half = width / 2.0;
        QPainterPath dot;
        dot.addEllipse(QRectF(std::round(centre.x() - half), std::round(centre.y() - half), width, width));
        draw([dot, fill = toQColor(colour)](QPainter& p) { p.fillPath(dot, fill); });
    }
    currentX_ = x;
    currentY_ = y;
}

Rgb Surface::point(double x, double y) const
{
    const QPointF at = toPixels(x, y);
    if (!(at.x() >= 0 && at.y() >= 0 && at.x() < screen_.width() && at.y() < screen_.height())) return {};
    const QRgb pixel = screen_.pixel(static_cast<int>(at.x()), static_cast<int>(at.y()));
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

void Surface::setPixel(int px, int py, Rgb colour)
{
    if (px < 0 || py < 0 || px >= screen_.width() || py >= screen_.height()) return;
    const QRgb value = qRgb(component(colour.r), component(colour.g), component(colour.b));
    ++version_;
    reinterpret_cast<QRgb*>(screen_.scanLine(py))[px] = value;
    if (persistence_) reinterpret_cast<QRgb*>(persistent_.scanLine(py))[px] = value;
    // Kept as a square one pixel wide.
    if (record_) record_->addPixel(QPoint(px, py), QColor(value), persistence_);
}

void fullClear(Surface& surface)
{
    surface.setBackColour({0, 0, 0});
    surface.setPersistence(true);
    surface.clear();
    surface.setPersistence(false);
}

}  // namespace halvane
