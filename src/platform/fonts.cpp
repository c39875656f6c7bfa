#include "platform/fonts.h"

#include <QStringList>
#include <QtMath>
#include <fontconfig/fontconfig.h>

int pointsToPixels(double points, double scale) {
    return qMax(1, qRound(points * 96.0 / 72.0 * scale));
}

QFont makeFont(const FontStyle& style, double scale) {
    QFont font;
    if (style.face == FontFace::Gothic)
        font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                          QStringLiteral("Noto Sans Mono CJK JP")});
    else
        font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pointsToPixels(style.points, scale));
    font.setBold(style.bold);
    return font;
}

FontConfigWarmUp::FontConfigWarmUp()
    : m_thread([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    m_thread.join();
}
