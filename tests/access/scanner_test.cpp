#include "access/scanner.h"
#include "manual_access_clock.h"

#include <QTest>

// The scan's timing rules on a clock moved by hand: order and length of the
// steps, entering and selecting, rounds, acceptance and release times, two
// switches, pauses.
class ScannerTest : public QObject {
    Q_OBJECT

    struct Run {
        ManualAccessClock clock;
        Scanner scanner;
        QList<QPair<qint64, int>> highlights; // time, id
        QList<int> selected;
        explicit Run(ScanSettings settings = {})
            : scanner(clock, settings) {
            scanner.onHighlight = [this](int id) { highlights.append({clock.now(), id}); };
            scanner.onSelect = [this](int id) { selected.append(id); };
        }
        void tap(int sw = 1) {
            scanner.press(sw);
            scanner.release(sw);
        }
    };

    // Three groups (ids 100, 200, 300) of three targets (101..103 ...).
    static ScanNode threeByThree() {
        std::vector<ScanNode> groups;
        for (int g = 1; g <= 3; ++g) {
            std::vector<ScanNode> members;
            for (int m = 1; m <= 3; ++m)
                members.push_back({g * 100 + m, {}});
            groups.push_back(ScanNode::group(g * 100, members));
        }
        return ScanNode::group(-1, groups);
    }

private slots:
    // The first step of a level lasts step x factor, the others one step;
    // after the set rounds at the top the highlight rests.
    void automaticOrderAndFirstStep() {
        Run run;
        run.scanner.setTree(threeByThree());
        run.clock.advance(100000);
        const QList<QPair<qint64, int>> expected{{0, 100},    {1500, 200}, {2500, 300}, {3500, 100},
                                                 {4500, 200}, {5500, 300}, {6500, 100}, {7500, 200},
                                                 {8500, 300}, {9500, -1}};
        QCOMPARE(run.highlights, expected);
        QVERIFY(run.scanner.isResting());
        QVERIFY(!run.clock.hasActiveTimer()); // nothing runs while resting
        // the next press starts again on the first group, and selects nothing
        run.tap();
        QCOMPARE(run.scanner.highlighted(), 100);
        QVERIFY(run.selected.isEmpty());
    }

    // Entering at the k-th group step and selecting at the m-th member step
    // selects that member; the scan then starts again at the top.
    void pressAtStepKSelectsTargetK_data() {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("member");
        for (int g = 0; g < 3; ++g)
            for (int m = 0; m < 3; ++m)
                QTest::addRow("group %d member %d", g, m) << g << m;
    }
    void pressAtStepKSelectsTargetK() {
        QFETCH(int, group);
        QFETCH(int, member);
        Run run;
        run.scanner.setTree(threeByThree());
        // press in the middle of the step: first step 1500, then 1000 each
        auto middleOf = [](int k) { return k == 0 ? 750 : 1500 + (k - 1) * 1000 + 500; };
        run.clock.advance(middleOf(group));
        run.tap();
        QCOMPARE(run.scanner.depth(), 1);
        run.clock.advance(middleOf(member));
        run.tap();
        QCOMPARE(run.selected, QList<int>{(group + 1) * 100 + member + 1});
        QCOMPARE(run.scanner.depth(), 0);
        QCOMPARE(run.scanner.highlighted(), 100);
    }

    // Three rounds without a press inside a group lead back to it at the
    // top, from where the scan runs on.
    void roundsExhaustedGoBackUp() {
        ScanSettings settings;
        settings.rounds = 2;
        Run run(settings);
        run.scanner.setTree(threeByThree());
        run.clock.advance(1600); // group 200
        run.tap();
        run.highlights.clear();
        run.clock.advance(1500 + 5 * 1000);
        const QList<QPair<qint64, int>> expected{{3100, 202}, {4100, 203}, {5100, 201},
                                                 {6100, 202}, {7100, 203}, {8100, 200}};
        QCOMPARE(run.highlights, expected);
        QCOMPARE(run.scanner.depth(), 0);
        run.clock.advance(1000);
        QCOMPARE(run.scanner.highlighted(), 300);
        QVERIFY(run.selected.isEmpty());
    }

    // A press shorter than the acceptance time does nothing, and the
    // highlight waits while it is held; a longer one acts on what it was
    // pressed on. Presses inside the release time do nothing.
    void acceptanceAndReleaseTimes() {
        ScanSettings settings;
        settings.acceptMs = 200;
        settings.releaseMs = 500;
        Run run(settings);
        run.scanner.setTree(threeByThree());
        run.clock.advance(1400);
        run.scanner.press(1);
        run.clock.advance(150); // held across the step's end: the highlight waits
        QCOMPARE(run.scanner.highlighted(), 100);
        run.scanner.release(1);
        QCOMPARE(run.scanner.depth(), 0);
        run.clock.advance(99);
        QCOMPARE(run.scanner.highlighted(), 100); // the 100 ms that were left
        run.clock.advance(1);
        QCOMPARE(run.scanner.highlighted(), 200);

        run.scanner.press(1);
        run.clock.advance(200);
        QCOMPARE(run.scanner.depth(), 1); // accepted while still held
        QCOMPARE(run.scanner.highlighted(), 201);
        run.scanner.release(1);
        run.scanner.press(1);
        run.clock.advance(250);
        run.scanner.release(1);
        QCOMPARE(run.selected, QList<int>{201});

        // inside the release time: ignored, and so is the rest of that press
        run.clock.advance(100);
        run.scanner.press(1);
        run.clock.advance(300);
        run.scanner.release(1);
        QCOMPARE(run.scanner.depth(), 0);
        QCOMPARE(run.scanner.highlighted(), 100);
        run.clock.advance(200); // 600 after the selection
        run.scanner.press(1);
        run.clock.advance(200);
        QCOMPARE(run.scanner.depth(), 1);
    }

    // Switch 2 steps, switch 1 selects, nothing moves on its own; the
    // targets reached are those of automatic scanning.
    void twoSwitchesReachTheSameTargets() {
        ScanSettings settings;
        settings.switches = 2;
        Run run(settings);
        run.scanner.setTree(threeByThree());
        run.clock.advance(60000);
        QCOMPARE(run.scanner.highlighted(), 100);
        for (int g = 0; g < 3; ++g)
            for (int m = 0; m < 3; ++m) {
                for (int k = 0; k < g; ++k)
                    run.tap(2);
                run.tap(1);
                for (int k = 0; k < m; ++k)
                    run.tap(2);
                run.clock.advance(400); // past the release time
                run.tap(1);
                run.clock.advance(400);
            }
        QCOMPARE(run.selected, (QList<int>{101, 102, 103, 201, 202, 203, 301, 302, 303}));
        // stepping round a group the set number of times leads back up
        run.tap(1);
        for (int k = 0; k < 9; ++k)
            run.tap(2);
        QCOMPARE(run.scanner.depth(), 0);
        QCOMPARE(run.scanner.highlighted(), 100);
    }

    // While paused the highlight waits and then finishes its step; a press
    // still acts.
    void pauseHoldsTheHighlight() {
        Run run;
        run.scanner.setTree(threeByThree());
        run.clock.advance(1000);
        run.scanner.setPaused(true);
        run.clock.advance(5000);
        QCOMPARE(run.scanner.highlighted(), 100);
        QVERIFY(!run.clock.hasActiveTimer());
        run.scanner.setPaused(false);
        run.clock.advance(499);
        QCOMPARE(run.scanner.highlighted(), 100);
        run.clock.advance(1);
        QCOMPARE(run.scanner.highlighted(), 200);
        run.scanner.setPaused(true);
        run.tap();
        QCOMPARE(run.scanner.highlighted(), 201);
    }

    // A screen with one target (the stop panel, a notice): any press
    // selects it, resting or not, with either switch.
    void aLoneTargetTakesAnyPress() {
        ScanSettings settings;
        settings.switches = 2;
        Run run(settings);
        run.scanner.setTree(ScanNode{7, {}});
        QCOMPARE(run.scanner.highlighted(), 7);
        run.tap(2);
        QCOMPARE(run.selected, QList<int>{7});
        run.scanner.rest();
        run.clock.advance(1000);
        run.tap(1);
        QCOMPARE(run.selected, (QList<int>{7, 7}));
    }
};

QTEST_MAIN(ScannerTest)
#include "scanner_test.moc"
