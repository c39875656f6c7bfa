#include "platform/fonts.h"

#include <QByteArray>
#include <QStringList>
#include <QtMath>
#include <fontconfig/fontconfig.h>

int pointsToPixels(double points, double scale) {
    return qMax(1, qRound(points * 96.0 / 72.0 * scale));
}

QStringList designFamilies(FontFace face) {
    if (face == FontFace::Gothic)
        return {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                QStringLiteral("Noto Sans Mono CJK JP")};
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}

namespace {

// Whether the font configuration has a font of this family under any of its
// names (a Japanese font has a Japanese and an English one).
bool isInstalled(const QString& family) {
    const QByteArray name = family.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// The design's families of a face that are installed. Qt draws a family that
// is not installed with the fonts the font configuration puts in its place and
// looks those up for every font of the family and every script it draws, each
// time running the configuration's rules over all fonts; a second family makes
// Qt look up the stand-ins of the first at once rather than when a character
// is missing from it. With the fonts the program depends on, the first
// installed family is the one that stood in, so the faces draw the same
// pixels. With none of them installed, the whole list is left to Qt.
QStringList installedFamilies(FontFace face) {
    const QStringList design = designFamilies(face);
    QStringList installed;
    for (const QString& family : design)
        if (isInstalled(family))
            installed.append(family);
    return installed.isEmpty() ? design : installed;
}

} // namespace

const QStringList& fontFamilies(FontFace face) {
    static const QStringList gothic = installedFamilies(FontFace::Gothic);
    static const QStringList pGothic = installedFamilies(FontFace::PGothic);
    return face == FontFace::Gothic ? gothic : pGothic;
}

QFont makeFont(const FontStyle& style, double scale) {
    QFont font;
    font.setFamilies(fontFamilies(style.face));
    font.setPixelSize(pointsToPixels(style.points, scale));
    font.setBold(style.bold);
    return font;
}

FontConfigWarmUp::FontConfigWarmUp()
    : m_thread([] {
        FcInit();
        fontFamilies(FontFace::Gothic);
    }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    m_thread.join();
}
