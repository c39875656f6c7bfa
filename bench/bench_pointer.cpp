// Dwell on the real event loop, with the main window on fake services and the
// pointer filter the window composes from [Pointer] (real clock and timers):
//
// 1. Processor share while the pointer rests on the board for 60 s with
//    dwell on (default times; "OPT1" 2 so the board stays under the pointer,
//    no phrase candidates). The rest begins with one dwell of 1 s, its mark
//    filling, and its selection; after it the pointer stays put and selects
//    nothing more. The share is the process's user and system time over the
//    wall time, for the whole minute and split at the end of the first dwell;
//    the same minute with dwell off gives the baseline.
// 2. The delay from the dwell time running out to the text panel changing,
//    median of 100 dwells of 300 ms on two board cells in turn, and to the
//    text panel painted. The pointer moves are injected through the window
//    system (QCursor::setPos); the dwell's end is the time the filter saw
//    the move plus the dwell time.
//
// Options: "--seconds N" for a shorter rest, "--dwells N" for fewer dwells.
// Runs under the offscreen platform unless QT_QPA_PLATFORM says otherwise
// (xvfb-run with QT_QPA_PLATFORM=xcb for a real X server).
#include "access/pointer_filter.h"
#include "access/target.h"
#include "bench_stats.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_pointer: %s\n", what);
    std::exit(1);
}

qint64 processCpuUs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto us = [](const timeval& t) { return qint64(t.tv_sec) * 1000000 + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

// Runs the event loop, blocking while it has nothing to do, for ms.
void runFor(int ms) {
    QTimer end;
    end.setSingleShot(true);
    end.start(ms);
    while (end.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QPoint cellOnScreen(const Grid* board, int row, int col) {
    return access::globalRect({const_cast<Grid*>(board), row, col}).center();
}

struct Share {
    qint64 cpuUs = 0;
    qint64 wallUs = 0;
    double percent() const { return wallUs > 0 ? 100.0 * double(cpuUs) / double(wallUs) : 0; }
};

struct RestFigures {
    Share firstDwell;
    Share after;
    Share whole;
    QString text;
};

// The pointer comes onto a cell and rests there.
RestFigures rest(bool dwell, int seconds) {
    WindowFixture fixture;
    fixture.fakes.store.values = {{"OPT1", "2"}, {"Samp", "0"}};
    if (dwell)
        fixture.fakes.store.values.insert("Pointer/Dwell", "1");
    fixture.open();
    runFor(1000); // start-up and the window's own dead time behind us
    QElapsedTimer wall;
    wall.start();
    const qint64 cpu0 = processCpuUs();
    QCursor::setPos(cellOnScreen(fixture.c().grdBoard, 1, 2));
    runFor(1100);
    const qint64 cpu1 = processCpuUs();
    const qint64 wall1 = wall.nsecsElapsed() / 1000;
    runFor(seconds * 1000 - 1100);
    const qint64 cpu2 = processCpuUs();
    const qint64 wall2 = wall.nsecsElapsed() / 1000;
    return {
        {cpu1 - cpu0, wall1}, {cpu2 - cpu1, wall2 - wall1}, {cpu2 - cpu0, wall2}, fixture.text()};
}

// Notes when a move of the pointer reaches a window, just before the pointer
// filter sees it (filters installed later run first).
class MoveSpy final : public QObject {
public:
    explicit MoveSpy(const QElapsedTimer& clock)
        : m_clock(clock) {
        qApp->installEventFilter(this);
    }
    ~MoveSpy() override { qApp->removeEventFilter(this); }
    qint64 lastMoveNs = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && watched->isWindowType())
            lastMoveNs = m_clock.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

// Notes the first paint of the widget once armed (the caret's blinking
// paints it too).
class PaintSpy final : public QObject {
public:
    PaintSpy(QWidget* widget, const QElapsedTimer& clock)
        : m_clock(clock) {
        widget->installEventFilter(this);
    }
    bool armed = false;
    qint64 paintedNs = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && armed && paintedNs < 0)
            paintedNs = m_clock.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer& m_clock;
};

void dwellDelays(int dwells) {
    constexpr int kDwellMs = 300;
    WindowFixture fixture;
    fixture.fakes.store.values = {{"OPT1", "2"},
                                  {"Samp", "0"},
                                  {"Pointer/Dwell", "1"},
                                  {"Pointer/DwellMs", QString::number(kDwellMs)}};
    fixture.open();
    runFor(1000);
    QElapsedTimer clock;
    clock.start();
    MoveSpy moves(clock);
    QPlainTextEdit* text = fixture.c().txtTalk;
    PaintSpy painted(text->viewport(), clock);
    qint64 changedNs = -1;
    QObject::connect(text, &QPlainTextEdit::textChanged, [&] {
        if (changedNs < 0)
            changedNs = clock.nsecsElapsed();
        painted.armed = true;
    });
    const QPoint cells[2] = {cellOnScreen(fixture.c().grdBoard, 1, 2),
                             cellOnScreen(fixture.c().grdBoard, 3, 6)};
    std::vector<double> toChange;
    std::vector<double> toPaint;
    // The first dwell warms up, off the record.
    for (int dwell = -1; dwell < dwells; ++dwell) {
        if (dwell % 100 == 0)
            fixture.panel().setText(QString());
        runFor(50);
        painted.armed = false;
        painted.paintedNs = -1;
        changedNs = -1;
        moves.lastMoveNs = -1;
        QCursor::setPos(cells[(dwell + 2) % 2]);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        watchdog.start(5000);
        while ((changedNs < 0 || painted.paintedNs < 0) && watchdog.isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (changedNs < 0 || painted.paintedNs < 0 || moves.lastMoveNs < 0)
            fail("a dwell did not change the text panel");
        const double endMs = double(moves.lastMoveNs) / 1e6 + kDwellMs;
        if (dwell >= 0) {
            toChange.push_back(double(changedNs) / 1e6 - endMs);
            toPaint.push_back(double(painted.paintedNs) / 1e6 - endMs);
        }
    }
    const Stats c = stats(toChange);
    const Stats p = stats(toPaint);
    std::printf("dwell time run out to text panel, %zu dwells of %d ms (%s)\n"
                "    to text changed ms: median %7.3f  min %7.3f  max %7.3f\n"
                "    to text painted ms: median %7.3f  min %7.3f  max %7.3f\n",
                toChange.size(), kDwellMs, qPrintable(QGuiApplication::platformName()), c.median,
                c.min, c.max, p.median, p.min, p.max);
    std::fflush(stdout);
}

void printRest(const char* what, const RestFigures& f, int seconds) {
    std::printf("pointer at rest on the board for %d s, %s (%s); text entered: \"%s\"\n"
                "    whole:            %6.3f %% of a core (%lld ms processor time)\n"
                "    first 1.1 s:      %6.3f %%\n"
                "    after it:         %6.3f %%\n",
                seconds, what, qPrintable(QGuiApplication::platformName()), qPrintable(f.text),
                f.whole.percent(), f.whole.cpuUs / 1000, f.firstDwell.percent(), f.after.percent());
    std::fflush(stdout);
}

int intOption(const QStringList& args, const QString& name, int fallback) {
    const qsizetype i = args.indexOf(name);
    return i > 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int seconds = std::max(2, intOption(args, "--seconds", 60));
    const int dwells = std::max(1, intOption(args, "--dwells", 100));

    dwellDelays(dwells);
    printRest("dwell on", rest(true, seconds), seconds);
    printRest("dwell off", rest(false, seconds), seconds);
    return 0;
}
