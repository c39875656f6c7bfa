// The processor time a read-aloud takes while it waits between characters,
// as a share of the time it lasts. The waits are the real event-loop pause;
// the recordings are not played, so only the waiting and the block's
// movement are measured.
#include "app/talk_window.h"
#include "fakes.h"
#include "platform/event_loop_pause.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <cstdio>
#include <sys/resource.h>

namespace {
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    FakeServices fakes;
    EventLoopPause pause;
    Services services{fakes.store,       fakes.voice,      pause,
                      fakes.beeper,      fakes.clipboard,  fakes.launcher,
                      fakes.clock,       fakes.asker,      fakes.microphone,
                      fakes.synthesizer, fakes.speechTimer};
    TalkWindow window(services, DataLocation{QDir::tempPath(), QDir::tempPath()});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::qWait(200);

    const QString text = QStringLiteral("きょうはいいてんきですね。さんぽにいこう_");
    const int characters = 20;
    window.controls().txtTalk->setPlainText(text.left(characters - 1) + QLatin1Char('_'));

    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    window.controls().cmdRead->click();
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    std::printf(
        "read-aloud of %d characters: %d played, wall %.3f s, cpu %.3f s, cpu share %.2f %%\n",
        characters, int(fakes.voice.played.size()), wallSeconds, cpu, 100.0 * cpu / wallSeconds);
    return 0;
}
