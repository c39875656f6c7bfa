#pragma once

struct TalkControls;

// The Board mode of the lower panel: the board and the edit buttons on show,
// every list hidden, "例文表示" and "例文追加" available, the text panel white.
// The text itself is left as it is.
void showBoardMode(const TalkControls& c);
