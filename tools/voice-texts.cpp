// Prints every text the program can speak, one per line in UTF-8, for
// tools/make-voices.
#include "board/voice_texts.h"

#include <cstdio>

int main() {
    for (const QString& text : board::voiceTexts())
        std::printf("%s\n", text.toUtf8().constData());
    return 0;
}
