#pragma once

#include <QFont>

// The two Japanese Gothic faces of the design, with fallbacks that Debian
// provides (IPA and Noto CJK), so Japanese text renders on a fresh machine.
enum class FontFace {
    Gothic,  // "ＭＳ ゴシック", fixed pitch
    PGothic, // "ＭＳ Ｐゴシック", proportional
};

struct FontStyle {
    FontFace face = FontFace::PGothic;
    double points = 9;
    bool bold = false;
};

// Point sizes are those of a 96 dots-per-inch screen; scale enlarges them with
// the rest of the layout. The size is set in pixels so that it does not
// depend on the DPI the platform reports.
QFont makeFont(const FontStyle& style, double scale = 1.0);
int pointsToPixels(double points, double scale = 1.0);
