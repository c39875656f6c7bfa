#pragma once

#include <QRect>
#include <QtMath>

// Positions and sizes of the design are in twips: 15 twips make one logical
// pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipRect& a, const TwipRect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
};

inline int twipsToPixels(double twips, double scale = 1.0) {
    return qRound(twips * scale / kTwipsPerPixel);
}

inline QRect toPixels(const TwipRect& r, double scale = 1.0) {
    return QRect(twipsToPixels(r.left, scale), twipsToPixels(r.top, scale),
                 twipsToPixels(r.width, scale), twipsToPixels(r.height, scale));
}
