#pragma once

#include "app/asker.h"
#include "app/shared_state.h"

// AskUser: asks through the confirmation dialog and keeps the answer in
// dialogAnswer, which is also returned.
inline bool askUser(Asker& asker, SharedState& state, const QString& message, int style,
                    const QString& title) {
    state.dialogAnswer = asker.ask(message, style, title);
    return state.dialogAnswer;
}
