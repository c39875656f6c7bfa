#pragma once

#include "platform/asker.h"
#include "window/shared_state.h"

// AskUser: asks through the confirmation dialog and keeps the answer in
// dialogAnswer, which is also returned.
inline bool askUser(Asker& asker, SharedState& state, const QString& message, int style,
                    const QString& title) {
    state.dialogAnswer = asker.ask(message, style, title);
    return state.dialogAnswer;
}
