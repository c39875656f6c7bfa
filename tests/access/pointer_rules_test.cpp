#include "access/dwell_rule.h"
#include "access/pointer_settings.h"
#include "access/touch_rule.h"
#include "fakes.h"
#include "manual_access_clock.h"

#include <QTest>

namespace {
const int kA = 0, kB = 0, kC = 0;
const PointerKey A{&kA};
const PointerKey B{&kB};
const PointerKey C{&kC, 2, 3};

// Where each target lies on the screen: A left of x 150, B right of it.
QRect areaOf(const PointerKey& key) {
    return key == A ? QRect(50, 50, 100, 100) : key == B ? QRect(150, 50, 200, 100) : QRect();
}

QString nameOf(const PointerKey& key) {
    return key == A ? "A" : key == B ? "B" : key == C ? "C" : "?";
}
} // namespace

// The timing rules of dwell and of the touch filters, on a clock moved by
// hand.
class PointerRulesTest : public QObject {
    Q_OBJECT
    ManualAccessClock clock;
    QStringList log;

    std::unique_ptr<DwellRule> dwell(const PointerSettings& settings = {}) {
        auto rule = std::make_unique<DwellRule>(
            clock, [this](const PointerKey& key) { log << "select " + nameOf(key); });
        rule->setSettings(settings);
        return rule;
    }
    std::unique_ptr<TouchRule> touch(const PointerSettings& settings) {
        auto rule = std::make_unique<TouchRule>(
            clock,
            TouchRule::Actions{[this](const PointerKey& key) { log << "press " + nameOf(key); },
                               [this](const PointerKey& key) { log << "release " + nameOf(key); },
                               [this](const PointerKey& key) { log << "select " + nameOf(key); }});
        rule->setSettings(settings);
        return rule;
    }

private slots:
    void init() { log.clear(); }

    void dwellSelectsOnceWithinTheTolerance() {
        auto rule = dwell();
        rule->pointerAt(A, {100, 100}, areaOf(A), false);
        clock.advance(500);
        rule->pointerAt(A, {105, 106}, areaOf(A), false); // 7.8 px from where the rest began
        clock.advance(499);
        QVERIFY(log.isEmpty());
        clock.advance(1);
        QCOMPARE(log, QStringList{"select A"});
        rule->pointerAt(B, {200, 100}, areaOf(B), false);
        clock.advance(500);
        rule->pointerAt(B, {209, 100}, areaOf(B), false); // 9 px: the time starts again
        clock.advance(999);
        QCOMPARE(log.size(), 1);
        clock.advance(1);
        QCOMPARE(log, QStringList({"select A", "select B"}));
    }

    void aSelectedTargetSelectsAgainOnlyAfterLeavingIt() {
        auto rule = dwell();
        rule->pointerAt(A, {100, 100}, areaOf(A), false);
        clock.advance(1000);
        rule->pointerAt(A, {140, 100}, areaOf(A), false);
        clock.advance(3000);
        QCOMPARE(log, QStringList{"select A"});
        // a target out of use for a moment (the board while a tap's voice
        // plays) is not left; the empty place beside it is
        rule->pointerAt({}, {140, 100}, {}, false);
        rule->pointerAt(A, {120, 100}, areaOf(A), false);
        clock.advance(3000);
        QCOMPARE(log.size(), 1);
        rule->pointerAt({}, {20, 20}, {}, false);
        rule->pointerAt(A, {100, 100}, areaOf(A), false);
        clock.advance(1000);
        QCOMPARE(log, QStringList({"select A", "select A"}));
        // a click on the target under the pointer is its selection
        rule->pointerAt(B, {200, 100}, areaOf(B), false);
        clock.advance(600);
        rule->selectedElsewhere();
        clock.advance(3000);
        QCOMPARE(log.size(), 2);
    }

    // The selection panel opening under the resting pointer puts another
    // target there; it waits for the pointer to move, or a resting pointer
    // would type on and on.
    void aRestingPointerSelectsOnce() {
        auto rule = dwell();
        rule->pointerAt(A, {100, 100}, areaOf(A), false);
        clock.advance(1000);
        rule->boardChanged();
        rule->pointerAt(B, {100, 100}, areaOf(B), false);
        rule->pointerAt(B, {104, 104}, areaOf(B), false);
        clock.advance(5000);
        QCOMPARE(log, QStringList{"select A"});
        rule->pointerAt(B, {110, 100}, areaOf(B), false);
        clock.advance(1000);
        QCOMPARE(log, QStringList({"select A", "select B"}));
    }

    void noSelectionWithinTheDeadTime() {
        auto rule = dwell();
        const qint64 changed = clock.now();
        rule->boardChanged();
        clock.advance(100);
        rule->pointerAt(A, {100, 100}, areaOf(A), false);
        QCOMPARE(rule->startsAt(), changed + 500);
        clock.advance(1399);
        QVERIFY(log.isEmpty());
        clock.advance(1);
        QCOMPARE(log, QStringList{"select A"});
        // a dwell under way when the board changes counts from the end of
        // the dead time
        rule->pointerAt(B, {300, 100}, areaOf(B), false);
        clock.advance(800);
        rule->boardChanged();
        clock.advance(1499);
        QCOMPARE(log.size(), 1);
        clock.advance(1);
        QCOMPARE(log, QStringList({"select A", "select B"}));
    }

    // The touch filters together: a hold starts again on the target the
    // finger slips onto, select-on-release asks for the hold time too, and
    // repeats are measured between the selections that went through.
    void touchFiltersCombine() {
        PointerSettings settings;
        settings.holdMs = 300;
        settings.ignoreRepeatMs = 500;
        auto rule = touch(settings);
        rule->down(A);
        clock.advance(200);
        rule->moveTo(B);
        clock.advance(299);
        QVERIFY(log.isEmpty());
        clock.advance(1);
        rule->up(C);
        rule->down(B); // held again at once: a repeat
        clock.advance(300);
        rule->up(B);
        QCOMPARE(log, QStringList({"press B", "release B"}));
        rule->down(C);
        rule->cancel(); // a touch taken away selects nothing
        clock.advance(1000);

        settings.onRelease = true;
        rule->setSettings(settings);
        log.clear();
        rule->down(A);
        rule->moveTo(B);
        QCOMPARE(rule->marked(), B);
        clock.advance(299);
        rule->up(B);
        rule->down(A);
        clock.advance(300);
        rule->up(C);
        QCOMPARE(log, QStringList{"select C"});
    }

    void settingsReadWithDefaultsAndRanges() {
        MemorySettingsStore store;
        QVERIFY(!readPointerSettings(store).anyOn());

        store.values = {{"Pointer/Dwell", "1"},          {"Pointer/DwellMs", "5000"},
                        {"Pointer/Tolerance", "x"},      {"Pointer/DeadMs", " 300 "},
                        {"Pointer/HoldMs", "50"},        {"Pointer/OnRelease", "1"},
                        {"Pointer/IgnoreRepeatMs", "-4"}};
        const PointerSettings s = readPointerSettings(store);
        QVERIFY(s.dwell && s.onRelease && s.anyOn());
        QCOMPARE(QList<int>({s.dwellMs, s.tolerance, s.deadMs, s.holdMs, s.ignoreRepeatMs}),
                 QList<int>({3000, 8, 300, 100, 0}));

        // only what differs from the stored options is written
        MemorySettingsStore written;
        writePointerSettings(written, s);
        QCOMPARE(readPointerSettings(written), s);
        QCOMPARE(written.values.keys(),
                 QStringList({"Pointer/DeadMs", "Pointer/Dwell", "Pointer/DwellMs",
                              "Pointer/HoldMs", "Pointer/OnRelease"}));
        writePointerSettings(written, PointerSettings{});
        QCOMPARE(readPointerSettings(written), PointerSettings{});

        // off lies one step below the shortest time
        const PointerRange& hold = PointerSettings::kHoldMs;
        QCOMPARE(QList<int>({hold.stepped(0, 1), hold.stepped(100, -1), hold.stepped(0, -1),
                             hold.stepped(2000, 1), PointerSettings::kDwellMs.stepped(300, -1)}),
                 QList<int>({100, 0, 0, 2000, 300}));
    }
};

QTEST_GUILESS_MAIN(PointerRulesTest)
#include "pointer_rules_test.moc"
