#pragma once

#include <QString>
#include <QStringList>

namespace board {

// The forms of a board character that the selection panel offers beside it:
// the small or voiced form on the right, the semi-voiced form (or the small
// っ/ッ) on the left. Empty where the character has no such form.
struct Variants {
    QString left;
    QString right;
};

// Looks the whole cell text up in the small-form table, then in the voiced
// table, the second overriding the first where both write (つ: っ | つ | づ).
// Exact, case-sensitive comparison.
Variants variantsOf(const QString& text);

// Every form the variant tables can offer, each once.
QStringList allVariantForms();

} // namespace board
