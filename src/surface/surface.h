// The drawing surface every chart draws on: a window-sized image in twips
// (1440 per inch), with an off-screen copy that keeps what was drawn while
// persistence is on.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <span>
#include <string_view>

#include "surface/drawing_record.h"
#include "util/rgb.h"

namespace halvane {

// The face of every chart's text, Japanese included (IPA P Gothic).
inline const QString chartFontFamily = QStringLiteral("IPAPGothic");

class Surface {
public:
    // A surface of `pixels` device pixels, with `twipsPerPixel` twips to one
    // of them (15 at 96 DPI). On a screen of `pixelRatio` device pixels to a
    // screen pixel, pen widths (given in screen pixels) widen by that ratio,
    // so the drawing looks the same at any density, only sharper; text sizes
    // follow the twips.
    explicit Surface(QSize pixels, double twipsPerPixelX = 15, double twipsPerPixelY = 15, double pixelRatio = 1);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // New size in pixels; both images start blank in the back colour.
    void resize(QSize pixels);

    // Fills with the back colour; while persistence is off, shows the
    // persistent copy again instead.
    void clear();

    void setForeColour(Rgb colour) { fore_ = colour; }
    Rgb foreColour() const { return fore_; }
    void setBackColour(Rgb colour) { back_ = colour; }
    void setPenWidth(int pixels) { penWidth_ = std::max(1, pixels); }
    int penWidth() const { return penWidth_; }
    void setFontSize(double points);
    double fontSize() const { return fontSize_; }
    void setFontFamily(const QString& family);

    void setCurrentX(double twips) { currentX_ = twips; }
    void setCurrentY(double twips) { currentY_ = twips; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }

    // Draws `text` at the current position in the fore colour; the position
    // then moves to the start of the next line.
    void print(std::string_view text);
    // Draws `text` the same way; the position then stays on the line, right
    // after the text.
    void printOnLine(std::string_view text);
    // How wide `text` prints in the current font, and the font's line
    // height, twips: what a label needs to stay inside the chart.
    double textWidth(std::string_view text) const;
    double lineHeight() const;

    void line(double x1, double y1, double x2, double y2, Rgb colour);
    void circle(double x, double y, double radius, Rgb colour);
    // The polygon with corners at `corners` (twips) filled in `colour`, no
    // outline: the pixels whose centres lie inside it.
    void fillPolygon(std::span<const QPointF> corners, Rgb colour);
    // A round dot of the pen width, a single pixel at width 1; the text
    // position moves there. A dot that cannot touch the image is not painted
    // at all, however wide the pen.
    void setPoint(double x, double y, Rgb colour);
    // The colour now on the screen at (x, y) twips; black outside.
    Rgb point(double x, double y) const;
    // One device pixel, whatever the pen width; nothing outside the image.
    void setPixel(int px, int py, Rgb colour);

    // What the screen shows now with its back-coloured pixels made clear:
    // text drawn once on a blank screen, to be laid again with overlay.
    QImage inkLayer() const;
    // Lays `layer` (from inkLayer) over the screen; its clear pixels leave
    // what lies beneath, the others replace it, so laying it again and again
    // looks the same as laying it once.
    void overlay(const QImage& layer);

    void setPersistence(bool on) { persistence_ = on; }
    bool persistence() const { return persistence_; }

    double scaleWidth() const { return screen_.width() * twipsPerPixelX_; }
    double scaleHeight() const { return screen_.height() * twipsPerPixelY_; }
    double twipsPerPixelX() const { return twipsPerPixelX_; }
    double twipsPerPixelY() const { return twipsPerPixelY_; }
    double pixelRatio() const { return pixelRatio_; }

    // The image drawn on: what the window shows unless a picture is held.
    const QImage& screen() const { return screen_; }

    // Whole pictures. From holdPicture() on, the window keeps showing the
    // picture the screen image holds now, while the drawing goes on in the
    // screen image; showPicture() shows the screen image again, as it is
    // then. The drawing rules, persistence included, are untouched. A hold
    // while holding keeps the older picture.
    void holdPicture();
    void showPicture() { held_ = false; }
    bool holdsPicture() const { return held_; }
    // What the window shows.
    const QImage& shown() const { return held_ ? heldPicture_ : screen_; }
    // Changes whenever what shown() returns changes, so that the window
    // repaints only then.
    unsigned long long shownVersion() const { return held_ ? heldVersion_ : version_; }

    // From now on every drawing is also kept as vectors (see DrawingRecord);
    // the record starts from what a resize leaves: the back colour alone.
    void startRecording();
    // Nothing unless recording.
    const DrawingRecord* record() const { return record_.get(); }

private:
    template <typename Draw> void draw(Draw&& drawOn);
    // printOnLine's work; returns the font's line height, pixels.
    double printText(std::string_view text);
    void openPainters();
    void closePainters();
    QPointF toPixels(double x, double y) const;
    int penPixels() const;
    bool dotReachesScreen(QPointF centre, double width) const;

    double twipsPerPixelX_, twipsPerPixelY_, pixelRatio_;
    QImage screen_, persistent_;
    QImage heldPicture_;
    bool held_ = false;
    unsigned long long version_ = 0, heldVersion_ = 0;  // version_ counts the changes of screen_
    std::unique_ptr<QPainter> screenPainter_, persistentPainter_;
    QFont font_;
    Rgb fore_{255, 255, 255}, back_{0, 0, 0};
    int penWidth_ = 1;
    double fontSize_ = 8.25;
    double currentX_ = 0, currentY_ = 0;
    bool persistence_ = false;
    std::unique_ptr<DrawingRecord> record_;
};

// Back colour black, persistence on, clear, persistence off: a blank window
// that the next clears keep blank.
void fullClear(Surface& surface);

// Holds the shown picture for as long as it lives, or until show(); a hold
// it found (an outer drawing's) goes on afterwards from the new picture.
class WholePicture {
public:
    explicit WholePicture(Surface& surface) : surface_(surface), outerHold_(surface.holdsPicture())
    {
        surface_.holdPicture();
    }
    ~WholePicture() { show(); }
    WholePicture(const WholePicture&) = delete;
    WholePicture& operator=(const WholePicture&) = delete;
    void show()
    {
        if (shown_) return;
        shown_ = true;
        surface_.showPicture();
        if (outerHold_) surface_.holdPicture();
    }

private:
    Surface& surface_;
    bool outerHold_;
    bool shown_ = false;
};

}  // namespace halvane
