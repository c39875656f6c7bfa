// The main window's reactions, timed in process on fake services, for phrase
// books of 1 000, 10 000 and 100 000 phrases: start-up to the window shown,
// opening the phrase list, a board tap to the phrase candidates shown, and a
// board tap to the text panel updated. Every figure runs from just before the
// action to the end of the event-loop pass that painted the widget showing
// its result.
//
// "Painted" is measured by a PaintProbe: an event filter on the viewport (or
// widget) that shows the result, which notes the QEvent::Paint it receives.
// After the action the event loop is run with processEvents(WaitForMoreEvents)
// until that paint has been seen; the pass that delivers it also composes and
// flushes the rest of the window, and the clock stops when it returns. Before
// each timed action the window is brought to rest (every pending event
// processed, the board painted) outside the clock, so no earlier work is
// counted and none of the action's work is left out.
//
// Each figure is given as wall time and as this thread's processor time over
// the same span: on a shared machine the wall time also holds the waits for a
// free core. The phrase list and the candidates are timed again in the order
// of use, with a count for every phrase of the book. Options: "--quick" for a few runs only,
// "--phrases N" for one book size only (for profiling).
#include "app/talk_window.h"
#include "bench_stats.h"
#include "file_fixtures.h"
#include "generated_book.h"
#include "lists/board_mode.h"
#include "lists/list_panel.h"
#include "lists/phrase_file.h"
#include "platform/grid.h"
#include "platform/record_file.h"
#include "text/text_panel.h"
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// Use counts for every phrase of the book: "<uses> <last choice> <phrase>",
// with uses and choices spread so that the ranks differ.
QStringList makeUses(const QStringList& book) {
    QStringList records;
    for (qsizetype i = 2; i < book.size(); ++i)
        records.append(QStringLiteral("%1 %2 ").arg(1 + i % 37).arg(i * 7 % book.size() + 1) +
                       book.at(i));
    return records;
}

// Notes the paint events of the widgets it watches, from arm() on. Its
// watchdog ends a wait that no paint would end.
class PaintProbe final : public QObject {
public:
    explicit PaintProbe(std::vector<QWidget*> widgets)
        : m_widgets(std::move(widgets))
        , m_painted(m_widgets.size(), false) {
        for (QWidget* widget : m_widgets) {
            widget->installEventFilter(this);
            m_watched.emplace_back(widget);
        }
        m_watchdog.setSingleShot(true);
    }
    ~PaintProbe() override {
        for (const QPointer<QWidget>& widget : m_watched)
            if (widget)
                widget->removeEventFilter(this);
    }

    void arm() {
        std::fill(m_painted.begin(), m_painted.end(), false);
        m_watchdog.start(10000);
    }
    bool allPainted() const {
        return std::all_of(m_painted.begin(), m_painted.end(), [](bool p) { return p; });
    }
    // Runs the event loop, blocking while it has nothing to do, until every
    // watched widget has been painted; false when the watchdog ran out.
    bool wait() {
        while (!allPainted() && m_watchdog.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_watchdog.stop();
        return allPainted();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (size_t i = 0; i < m_widgets.size(); ++i)
                if (m_widgets[i] == watched)
                    m_painted[i] = true;
        return false;
    }

private:
    std::vector<QWidget*> m_widgets;
    // The same widgets, for a probe that outlives them.
    std::vector<QPointer<QWidget>> m_watched;
    std::vector<bool> m_painted;
    QTimer m_watchdog;
};

struct Sample {
    double wall = 0;
    double cpu = 0;
};

void report(const char* what, int phrases, const std::vector<Sample>& samples,
            const char* note = "") {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Sample& sample : samples) {
        wall.push_back(sample.wall);
        cpu.push_back(sample.cpu);
    }
    const Stats w = stats(wall);
    const Stats c = stats(cpu);
    std::printf("%s, %d phrases, %zu runs%s\n"
                "    wall ms: median %8.3f  min %8.3f  max %8.3f\n"
                "    cpu  ms: median %8.3f  min %8.3f  max %8.3f\n",
                what, phrases, samples.size(), note, w.median, w.min, w.max, c.median, c.min,
                c.max);
    std::fflush(stdout);
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_window: %s\n", what);
    std::exit(1);
}

// Wall time, and the processor time of this thread over the same span: the
// machine is shared, so the wall time may include waiting for a core.
class Stopwatch {
public:
    Stopwatch() {
        m_cpuStart = cpuNs();
        m_wall.start();
    }
    Sample stop() const {
        const double wall = double(m_wall.nsecsElapsed()) / 1e6;
        return {wall, double(cpuNs() - m_cpuStart) / 1e6};
    }

private:
    static qint64 cpuNs() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    QElapsedTimer m_wall;
    qint64 m_cpuStart = 0;
};

// Handles everything pending (deferred deletes included) and waits until the
// board shows, so that a timed action starts from a window at rest.
void settle(TalkWindow& window) {
    PaintProbe board({window.controls().grdBoard->viewport()});
    board.arm();
    window.controls().grdBoard->viewport()->update();
    if (!board.wait())
        fail("the board was not painted");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QPoint cellCentre(const Grid* grid, const QString& text) {
    for (int row = 0; row < grid->rows(); ++row)
        for (int col = 0; col < grid->cols(); ++col)
            if (grid->text(row, col) == text)
                return grid->cellRect(row, col).center();
    fail("no board cell with the text asked for");
}

void press(Grid* grid, const QPoint& at) {
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

// Start-up: the window built (Talk.txt read and indexed), shown, exposed and
// painted once.
void benchStartUp(WindowFixture& fixture, int phrases, int runs) {
    std::vector<Sample> samples;
    for (int run = 0; run < runs; ++run) {
        const Stopwatch timer;
        auto window = std::make_unique<TalkWindow>(
            fixture.fakes.services, DataLocation{fixture.dir.path(), fixture.dir.path()});
        PaintProbe probe({window.get(), window->controls().grdBoard->viewport()});
        probe.arm();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()) || !probe.wait())
            fail("the main window was not shown");
        samples.push_back(timer.stop());
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    report("start-up to window painted", phrases, samples);
}

// "例文表示": a click on cmdSamp until grdEx shows and is painted; every
// opening reads and sorts the whole book. "例文終了" takes the window back to
// the board between runs, off the clock.
void benchPhraseList(WindowFixture& fixture, const QStringList& book, int runs,
                     const char* what = "phrase list open") {
    TalkControls& c = fixture.c();
    PaintProbe probe({c.grdEx->viewport()});
    std::vector<Sample> samples;
    for (int run = 0; run < runs; ++run) {
        settle(fixture.window());
        probe.arm();
        const Stopwatch timer;
        QTest::mouseClick(c.cmdSamp, Qt::LeftButton);
        if (!probe.wait() || !c.grdEx->isVisible())
            fail("the phrase list was not shown");
        samples.push_back(timer.stop());
        c.cmdSamp->click();
    }
    report(what, int(book.size()) - 2, samples);
}

// A tap on "あ" on the empty text: the phrases beginning with it replace the
// board. The board and an empty text come back between runs, off the clock.
void benchCandidates(WindowFixture& fixture, int phrases, int runs,
                     const char* what = "tap to candidates painted") {
    TalkWindow& window = fixture.window();
    TalkControls& c = fixture.c();
    window.state().settings.samp = 1;
    const QPoint at = cellCentre(c.grdBoard, QStringLiteral("あ"));
    PaintProbe probe({c.grdSp->viewport()});
    std::vector<Sample> samples;
    int candidates = 0;
    for (int run = 0; run < runs; ++run) {
        showBoardMode(c);
        fixture.panel().setText(QString());
        settle(window);
        probe.arm();
        const Stopwatch timer;
        press(c.grdBoard, at);
        if (!probe.wait() || !c.grdSp->isVisible())
            fail("the candidates were not shown");
        samples.push_back(timer.stop());
        candidates = c.grdSp->rows() - 1;
    }
    char note[64];
    std::snprintf(note, sizeof note, "  %d candidates", candidates);
    report(what, phrases, samples, note);
}

// Taps across the first board row, each until the text panel has the new
// character and has been painted. With suggestions on, the candidates that
// replace the board are put away after each tap, off the clock; the text
// starts again empty every 100 taps.
void benchTapToText(WindowFixture& fixture, int phrases, int taps, bool suggestions) {
    TalkWindow& window = fixture.window();
    TalkControls& c = fixture.c();
    window.state().settings.samp = suggestions ? 1 : 0;
    std::vector<QPoint> cells;
    for (const char16_t* kana : {u"あ", u"い", u"う", u"え", u"お", u"か", u"き", u"く"})
        cells.push_back(cellCentre(c.grdBoard, QString::fromUtf16(kana)));
    PaintProbe probe({c.txtTalk->viewport()});
    std::vector<Sample> samples;
    for (int tap = 0; tap < taps; ++tap) {
        showBoardMode(c);
        if (tap % 100 == 0)
            fixture.panel().setText(QString());
        settle(window);
        const QString before = fixture.text();
        probe.arm();
        const Stopwatch timer;
        press(c.grdBoard, cells[size_t(tap) % cells.size()]);
        if (!probe.wait() || fixture.text() == before)
            fail("the text panel was not updated");
        samples.push_back(timer.stop());
    }
    report(suggestions ? "tap to text painted, suggestions on" : "tap to text painted, Samp 0",
           phrases, samples);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool quick = args.contains(QStringLiteral("--quick"));
    std::vector<int> sizes{1000, 10000, 100000};
    if (const qsizetype i = args.indexOf(QStringLiteral("--phrases")); i > 0 && i + 1 < args.size())
        sizes = {args.at(i + 1).toInt()};

    for (const int phrases : sizes) {
        WindowFixture fixture;
        // No voice, so no voice pause is counted, and one tap enters.
        fixture.fakes.store.values.insert(QStringLiteral("OPT3"), QStringLiteral("3"));
        fixture.fakes.store.values.insert(QStringLiteral("OPT1"), QStringLiteral("2"));
        const QStringList book = generatedPhraseBook(phrases);
        RecordFile talk(fixture.dir.filePath(QStringLiteral("Talk.txt")));
        if (!talk.write(talk.encode(book)))
            fail("Talk.txt could not be written");
        // A count for every phrase, read when the order of use, switched on
        // below, first orders the list.
        if (!writeRecordsTo(fixture.dir.filePath(QStringLiteral("TalkUse.txt")), makeUses(book)))
            fail("TalkUse.txt could not be written");

        benchStartUp(fixture, phrases, quick ? 3 : 11);
        fixture.open();
        benchPhraseList(fixture, book, quick ? 3 : 21);
        benchCandidates(fixture, phrases, quick ? 5 : 51);
        fixture.window().listPanel().setLearning(true);
        showBoardMode(fixture.c());
        benchPhraseList(fixture, book, quick ? 3 : 21, "phrase list open, order of use");
        benchCandidates(fixture, phrases, quick ? 5 : 51,
                        "tap to candidates painted, order of use");
        fixture.window().listPanel().setLearning(false);
        if (phrases == 100000) {
            benchTapToText(fixture, phrases, quick ? 50 : 1000, false);
            benchTapToText(fixture, phrases, quick ? 50 : 1000, true);
        }
    }
    return 0;
}
