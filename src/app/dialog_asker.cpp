#include "app/dialog_asker.h"

#include "app/confirm_dialog.h"

#include <QApplication>

bool DialogAsker::ask(const QString& message, int style, const QString& title) {
    // Callers may have set the busy pointer; the question wants the arrow.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    ConfirmDialog dialog(m_scale);
    dialog.prepare(message, style, title);
    dialog.exec();
    return dialog.answer();
}
