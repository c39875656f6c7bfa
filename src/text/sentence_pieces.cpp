#include "text/sentence_pieces.h"

#include <algorithm>

using namespace sentence_pieces;

namespace {
enum class Mark { None, Space, Comma, SentenceEnd };

Mark markOf(QChar c) {
    switch (c.unicode()) {
    case u'。':
    case u'！':
    case u'？':
    case u'．':
    case u'!':
    case u'?':
    case u'\n':
    case u'\r':
    case 0x2029: // paragraph separator
        return Mark::SentenceEnd;
    case u'、':
    case u'，':
        return Mark::Comma;
    case u' ':
    case u'\u3000':
        return Mark::Space;
    default:
        return Mark::None;
    }
}

int pauseAfter(Mark mark) {
    switch (mark) {
    case Mark::SentenceEnd:
        return kSentencePauseMs;
    case Mark::Comma:
        return kCommaPauseMs;
    default:
        return kCutPauseMs;
    }
}

// A stretch that ends after a run of marks (or at the text's end), and the
// strongest mark of that run.
struct Clause {
    int start;
    int length;
    Mark mark;
};

QList<Clause> clauses(const QString& text) {
    QList<Clause> result;
    const int n = int(text.size());
    int start = 0;
    int i = 0;
    while (i < n) {
        if (markOf(text[i]) == Mark::None) {
            ++i;
            continue;
        }
        Mark strongest = Mark::None;
        while (i < n && markOf(text[i]) != Mark::None)
            strongest = std::max(strongest, markOf(text[i++]));
        result.append({start, i - start, strongest});
        start = i;
    }
    if (start < n)
        result.append({start, n - start, Mark::None});
    return result;
}
} // namespace

QList<TextPiece> sentencePieces(const QString& text) {
    QList<TextPiece> pieces;
    Mark last = Mark::SentenceEnd;
    for (const Clause& clause : clauses(text)) {
        const int open = int(pieces.size()) - 1;
        const int limit = open == 0 ? kFirstPieceLength : kPieceLength;
        if (last != Mark::SentenceEnd && open >= 0 &&
            pieces[open].length + clause.length <= limit) {
            pieces[open].length += clause.length;
        } else {
            // A clause longer than a piece is cut at the length.
            int start = clause.start;
            int left = clause.length;
            for (; left > kPieceLength; start += kPieceLength, left -= kPieceLength)
                pieces.append({start, kPieceLength, kCutPauseMs});
            pieces.append({start, left, 0});
        }
        pieces.last().pauseAfterMs = pauseAfter(clause.mark);
        last = clause.mark;
    }
    return pieces;
}
