#pragma once

#include <QString>

// Every question and notice of the system goes through here (the
// confirmation dialog). Styles: 48 notice ("ＯＫ"), 36 "ＹＥＳ"/"ＮＯ",
// 33 "ＯＫ"/"キャンセル". True only for the left button.
class Asker {
public:
    enum Style { Notice = 48, YesNo = 36, OkCancel = 33 };
    virtual ~Asker() = default;
    virtual bool ask(const QString& message, int style, const QString& title) = 0;
};
