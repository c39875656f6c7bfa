#include "board/variants.h"

namespace {
// Small forms, to the right of their character; each key pairs with the form
// at the same position. The capital letters follow in code.
const char16_t kSmallKeys[] = u"あいうえおつやゆよアイウエオツヤユヨ";
const char16_t kSmallForms[] = u"ぁぃぅぇぉっゃゅょァィゥェォッャュョ";

// Voiced forms, to the right of their character.
const char16_t kVoicedKeys[] = u"かきくけこさしすせそたちつてとはひふへほ"
                               u"カキクケコサシスセソタチツテトハヒフヘホ";
const char16_t kVoicedForms[] = u"がぎぐげござじずぜぞだぢづでどばびぶべぼ"
                                u"ガギグゲゴザジズゼゾダヂヅデドバビブベボ";

// Second forms of the voiced table, to the left of their character.
const char16_t kLeftKeys[] = u"つはひふへほツハヒフヘホ";
const char16_t kLeftForms[] = u"っぱぴぷぺぽッパピプペポ";

// The form paired with text in one table, or a null string. Every table key
// is a single UTF-16 unit, so longer texts never match.
QString lookUp(const QString& text, const char16_t* keys, const char16_t* forms) {
    if (text.size() != 1)
        return QString();
    const int at = QString::fromUtf16(keys).indexOf(text.front());
    return at < 0 ? QString() : QString(QChar(forms[at]));
}

bool isCapital(const QString& text) {
    return text.size() == 1 && text.front() >= QLatin1Char('A') && text.front() <= QLatin1Char('Z');
}
} // namespace

namespace board {

Variants variantsOf(const QString& text) {
    Variants v;
    v.right = isCapital(text) ? text.toLower() : lookUp(text, kSmallKeys, kSmallForms);
    const QString voiced = lookUp(text, kVoicedKeys, kVoicedForms);
    if (!voiced.isNull()) {
        v.left = lookUp(text, kLeftKeys, kLeftForms);
        v.right = voiced;
    }
    return v;
}

QStringList allVariantForms() {
    QStringList forms;
    for (const char16_t* table : {kSmallForms, kVoicedForms, kLeftForms})
        for (QChar c : QString::fromUtf16(table))
            forms.append(QString(c));
    for (char c = 'a'; c <= 'z'; ++c)
        forms.append(QString(QLatin1Char(c)));
    forms.removeDuplicates();
    return forms;
}

} // namespace board
