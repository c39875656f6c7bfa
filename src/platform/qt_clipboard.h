#pragma once

#include "platform/clipboard.h"

class QtClipboard final : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;
    QString text() const override;
};
