#pragma once

#include <QFont>
#include <QStringList>
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
// The families of a face in order of preference: the design's face, then the
// ones Debian provides.
QStringList designFamilies(FontFace face);
// The families a font of the face names: the installed ones of the design's,
// looked up in the font configuration once.
const QStringList& fontFamilies(FontFace face);

// Reads the font configuration, and which of the design's families it has,
// on a thread of its own while the program connects to the display, work that
// would otherwise hold up the first control that measures text. Nothing waits
// for the configuration: it is shared once read, and should the window need
// the fonts sooner (a busy machine may leave the thread waiting for a
// processor), the font system reads it there as it would have without this;
// a font made while the thread looks up the families waits for that lookup.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    // Waits for the thread, which has long finished by the time the program
    // ends.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

private:
    std::thread m_thread;
};
