#pragma once

#include "platform/asker.h"

// Asks through a fresh ConfirmDialog for every question, at the main window's
// current scale.
class DialogAsker final : public Asker {
public:
    bool ask(const QString& message, int style, const QString& title) override;
    void setScale(double scale) { m_scale = scale; }

private:
    double m_scale = 1.0;
};
