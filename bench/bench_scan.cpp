// Switch scanning, in process on fake services (offscreen):
//
// 1. What writing "おみずをください" costs a switch user: the scan is replayed
//    on an injected clock by a user who presses the moment the highlight
//    reaches the group or target wanted (never inside the release time after
//    a selection). One switch: presses and seconds at the scan time. Two
//    switches: presses, and seconds at one press per scan time. Both with
//    the default options (one tap opens the selection panel, ten columns)
//    and with one-tap entry on the fifteen-column board, where the voiced
//    kana stand on the board itself.
// 2. The processor share while scanning runs idle for 60 s on the real timer
//    (no press: it rests after its rounds at the top), and with rounds high
//    enough that it steps the whole time, beside the same window with
//    scanning off; with how far each highlight move lay from its due time.
//
// Options: "--seconds N" for a shorter idle run.
#include "access/scan_controller.h"
#include "access/scan_tree.h"
#include "access/scanner.h"
#include "manual_access_clock.h"
#include "platform/grid.h"
#include "text/text_panel.h"
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const QString kWord = QStringLiteral("おみずをください");

// The board cell a user aims at for a character: the character itself, or
// the plain character whose selection panel offers it.
QString boardTextFor(const Grid* board, QChar c) {
    static const QString voiced = QStringLiteral("がぎぐげござじずぜぞだぢづでどばびぶべぼ");
    static const QString plain = QStringLiteral("かきくけこさしすせそたちつてとはひふへほ");
    for (int row = 0; row < board->rows(); ++row)
        for (int col = 0; col < board->cols(); ++col)
            if (board->text(row, col) == c)
                return c;
    const int at = int(voiced.indexOf(c));
    return at >= 0 ? QString(plain[at]) : QString(c);
}

access::Target cellWithText(Grid* grid, const QString& text) {
    for (int row = 0; row < grid->rows(); ++row)
        for (int col = 0; col < grid->cols(); ++col)
            if (grid->text(row, col) == text)
                return {grid, row, col};
    return {};
}

struct Cost {
    int presses = 0;
    double seconds = 0;
    bool written = false;
};

Cost spell(const QMap<QString, QString>& options, int switches) {
    WindowFixture f;
    f.fakes.store.values = options;
    TalkWindow& window = f.open();
    ManualAccessClock clock;
    ScanSettings settings = readScanSettings(f.fakes.store);
    settings.enabled = true;
    settings.switches = switches;
    ScanController scan({&window, f.c(), window.layout(), window.voice()}, settings, clock);
    scan.rebuild();

    Cost cost;
    qint64 lastSelection = -settings.releaseMs;
    int written = 0;
    const qint64 start = clock.now();
    for (int guard = 0; guard < 100000 && written < kWord.size(); ++guard) {
        const QChar c = kWord[written];
        const access::Target wanted =
            f.c().fraSet->isVisible()
                ? cellWithText(f.c().grdBoard2, c)
                : cellWithText(f.c().grdBoard, boardTextFor(f.c().grdBoard, c));
        const int id = scan.scanner().highlighted();
        const bool onIt =
            id >= 0 && scan.tree().globalRect(id).contains(access::globalRect(wanted).center());
        if (!onIt) {
            if (switches == 1) {
                clock.advanceToNextTimer();
            } else {
                clock.advance(settings.stepMs);
                QTest::keyClick(&window, Qt::Key_Return);
                ++cost.presses;
            }
            continue;
        }
        if (switches == 2 || clock.now() < lastSelection + settings.releaseMs)
            clock.advance(std::max<qint64>(switches == 2 ? settings.stepMs : 0,
                                           lastSelection + settings.releaseMs - clock.now()));
        const bool selects = scan.tree().target(id).isValid();
        QTest::keyClick(&window, Qt::Key_Space);
        ++cost.presses;
        if (selects)
            lastSelection = clock.now();
        written = int(f.text().size()) - (f.text().endsWith('_') ? 1 : 0);
    }
    cost.seconds = (clock.now() - start) / 1000.0;
    cost.written = f.text() == kWord + "_";
    return cost;
}

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// Notes when the highlight's frame moves, against the clock.
class MoveProbe final : public QObject {
public:
    QElapsedTimer clock;
    std::vector<qint64> moves;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move && watched->objectName() == "scanHighlight") {
            // The frame's four bars move together: one move.
            const qint64 at = clock.elapsed();
            if (moves.empty() || at - moves.back() > 50)
                moves.push_back(at);
        }
        return false;
    }
};

void idle(const char* what, bool enabled, int rounds, int seconds) {
    WindowFixture f;
    f.fakes.store.values = {{"Scan/Enabled", enabled ? "1" : "0"},
                            {"Scan/Rounds", QString::number(rounds)}};
    MoveProbe probe;
    qApp->installEventFilter(&probe);
    f.open();
    QTest::qWait(500); // settled: shown and painted
    probe.moves.clear();
    probe.clock.start();
    const double cpu0 = cpuSeconds();
    QTest::qWait(seconds * 1000);
    const double cpu = cpuSeconds() - cpu0;
    const double wall = probe.clock.elapsed() / 1000.0;
    qApp->removeEventFilter(&probe);
    // Steps are 1000 ms, the first of a level 1500 ms: the deviation of each
    // interval from the nearer of the two.
    qint64 worst = 0;
    for (size_t i = 1; i < probe.moves.size(); ++i) {
        const qint64 interval = probe.moves[i] - probe.moves[i - 1];
        worst = std::max(worst, std::min(std::abs(interval - 1000), std::abs(interval - 1500)));
    }
    std::printf("%-44s %6.1f s wall  %6.3f s cpu  %5.2f %% cpu  %3zu moves, worst %lld ms off\n",
                what, wall, cpu, 100 * cpu / wall, probe.moves.size(), (long long)worst);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int seconds = 60;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf("--seconds"); at >= 0 && at + 1 < args.size())
        seconds = args[at + 1].toInt();

    std::printf("Writing %s, scan time 1.0 s, first step x1.5, release time 0.3 s:\n",
                qPrintable(kWord));
    const struct {
        const char* name;
        QMap<QString, QString> options;
    } setups[] = {{"default options (panel, 10 columns)", {}},
                  {"one-tap entry, 15 columns", {{"OPT1", "2"}, {"gMaxC", "14"}}}};
    for (const auto& setup : setups)
        for (const int switches : {1, 2}) {
            const Cost cost = spell(setup.options, switches);
            std::printf("  %-38s %d switch%s: %3d presses, %6.1f s%s%s\n", setup.name, switches,
                        switches == 1 ? " " : "es", cost.presses, cost.seconds,
                        switches == 2 ? " (one press per second)" : "",
                        cost.written ? "" : "  NOT WRITTEN");
        }

    std::printf("\nScanning with no press for %d s (real timer):\n", seconds);
    idle("scanning off, for comparison", false, 3, seconds);
    idle("default rounds (rests after 3 at the top)", true, 3, seconds);
    idle("rounds 20 (steps the whole time)", true, 20, seconds);
    return 0;
}
