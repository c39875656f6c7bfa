#pragma once

#include <QList>
#include <QString>

// A stretch of a text that the synthesizer makes in one go, and the pause
// that follows it when spoken.
struct TextPiece {
    int start = 0; // in UTF-16 code units
    int length = 0;
    int pauseAfterMs = 0;

    bool operator==(const TextPiece& other) const {
        return start == other.start && length == other.length && pauseAfterMs == other.pauseAfterMs;
    }
};

// Cuts a text into the pieces a sentence is spoken in, so that the first
// sound comes after only a short piece has been made while the rest is made
// as it sounds. Every sentence end (。 ！ ？ ． ! ? or a line break) ends a
// piece. Clauses (ending after a comma 、 ， or a space) are joined into
// pieces up to a length, a shorter one for the first piece; only a clause
// longer than a piece is cut inside. The pieces cover the text without gaps.
QList<TextPiece> sentencePieces(const QString& text);

namespace sentence_pieces {
constexpr int kFirstPieceLength = 8;
constexpr int kPieceLength = 40;
constexpr int kSentencePauseMs = 350;
constexpr int kCommaPauseMs = 150;
// Even a piece cut inside a clause is followed by a short gap, so that its
// end is heard before the next piece is loaded and started.
constexpr int kCutPauseMs = 40;
} // namespace sentence_pieces
