// Phrase book operations on books of 1 000, 10 000 and 100 000 phrases: the
// list must open and the candidates appear at once after a tap. The grid cases
// run the list with its view attached, on the offscreen platform.
#include "lists/phrase_book.h"
#include "lists/phrase_candidates.h"
#include "lists/phrase_file.h"
#include "lists/phrase_uses.h"
#include "lists/use_order.h"
#include "platform/colors.h"
#include "platform/grid.h"
#include "platform/grid_model.h"
#include "platform/record_file.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Phrases of three to twelve kana spread over the whole hiragana range, with
// the placeholders of the command rows.
QStringList makeBook(int count) {
    QStringList texts{kPhrasePlaceholder, kPhrasePlaceholder};
    quint32 seed = 12345;
    for (int i = 0; i < count; ++i) {
        QString text;
        seed = seed * 1103515245u + 12345u;
        const int length = 3 + int(seed >> 16) % 10;
        for (int k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            text.append(QChar(char16_t(0x3042 + (seed >> 16) % 0x50)));
        }
        texts.append(text);
    }
    return texts;
}

// A Talk.txt in a temporary folder, written once per book size.
struct BookFile {
    explicit BookFile(int count) { file.write(file.encode(makeBook(count))); }
    QTemporaryDir dir;
    RecordFile file{dir.filePath("Talk.txt")};
};

void BM_ReadPhraseBook(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PhraseBook::read(book.file).texts().size());
}

void BM_FillPhraseList(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    const PhraseBook phrases = PhraseBook::read(book.file);
    GridModel grid;
    for (auto _ : state)
        phrases.fillList(grid);
}

void BM_MatchingPhrases(benchmark::State& state) {
    const QStringList texts = makeBook(int(state.range(0)));
    const QString key = QStringLiteral("あり");
    for (auto _ : state)
        benchmark::DoNotOptimize(matchingPhrases(texts, key));
}

// A count for every phrase of the book, as many uses and choices apart.
PhraseUses countEvery(const QStringList& texts) {
    PhraseUses uses;
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype n = 0; n <= i % 5; ++n)
            uses.record(texts.at(i));
    return uses;
}

// The candidates of a tap on "あ" (one in eighty phrases) put in the order of use.
void BM_OrderCandidatesByUse(benchmark::State& state) {
    const QStringList texts = makeBook(int(state.range(0)));
    const PhraseUses uses = countEvery(texts);
    const QStringList candidates = matchingPhrases(texts, QStringLiteral("あ"));
    for (auto _ : state)
        benchmark::DoNotOptimize(orderByUse(candidates, uses));
    state.counters["candidates"] = double(candidates.size());
}

// The phrase list's kana rows put in the order of use after it is indexed.
void BM_OrderPhraseListByUse(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    const PhraseBook phrases = PhraseBook::read(book.file);
    const PhraseUses uses = countEvery(phrases.texts());
    GridModel grid;
    for (auto _ : state) {
        state.PauseTiming();
        phrases.fillList(grid);
        state.ResumeTiming();
        orderPhraseListByUse(grid, uses);
    }
}

void BM_SavePhraseFile(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    GridModel grid;
    PhraseBook::read(book.file).fillList(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(book.file.write(book.file.encode(phraseRecords(grid))));
}

// The phrase list grid as the window builds it: list row heights, the
// heading column and the phrase column, on the board's rectangle.
struct PhraseListGrid {
    PhraseListGrid() {
        grid.setRowHeights(Grid::RowHeights::Fixed, 1155);
        grid.setCols(2);
        grid.setColumnWidthTwips(0, 2400);
        grid.setColumnWidthTwips(1, 10140 - 2400 - 338);
        grid.resize(676, 460);
    }
    Grid grid;
};

// Opening the phrase list: the hidden grid is filled with its drawing
// suspended, labelled and highlighted, then shown and drawn.
void BM_OpenPhraseList(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    PhraseListGrid list;
    Grid& grid = list.grid;
    for (auto _ : state) {
        {
            const DrawingSuspended suspended(&grid);
            PhraseBook::read(book.file).fillList(grid.cells());
            grid.setText(0, 1, kDiaryRowLabel);
            grid.setText(1, 1, kMailRowLabel);
            grid.cells().paintRow(0, 1, bgrColor(colors::kHighlight));
            grid.setTopRow(0);
        }
        grid.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        grid.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Reloading and regrouping while the list stays on screen.
void BM_FillShownPhraseList(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    PhraseListGrid list;
    Grid& grid = list.grid;
    grid.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        {
            const DrawingSuspended suspended(&grid);
            PhraseBook::read(book.file).fillList(grid.cells());
        }
        QCoreApplication::processEvents();
    }
}

// A new scale of the window resizes every row of the list on screen.
void BM_ScaleShownPhraseList(benchmark::State& state) {
    BookFile book(int(state.range(0)));
    PhraseListGrid list;
    Grid& grid = list.grid;
    PhraseBook::read(book.file).fillList(grid.cells());
    grid.show();
    QCoreApplication::processEvents();
    double scale = 1.0;
    for (auto _ : state) {
        scale = scale == 1.0 ? 1.25 : 1.0;
        grid.setScale(scale);
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_ReadPhraseBook)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillPhraseList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchingPhrases)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderCandidatesByUse)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrderPhraseListByUse)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePhraseFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPhraseList)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillShownPhraseList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleShownPhraseList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The grid cases need an application; the offscreen platform unless another
// one is asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
