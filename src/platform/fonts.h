#pragma once

#include <QFont>
#include <thread>

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

// Reads the font configuration on a thread of its own while the program
// connects to the display, work that would otherwise hold up the first
// control that measures text. wait() returns once it is done; the fonts must
// not be used before.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
    void wait();

private:
    std::thread m_thread;
};
