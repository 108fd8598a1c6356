// Lit pixels of a drawing: any pixel that is not black.
#pragma once

#include <QImage>

namespace halvane::testing {

inline bool litPixel(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xffffff) != 0; }

// Whether the pixel (x, y) or one of its eight neighbours is lit.
inline bool litAround(const QImage& image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (litPixel(image, x + dx, y + dy)) return true;
    return false;
}

inline int litPixelCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += litPixel(image, x, y);
    return count;
}

}  // namespace halvane::testing
