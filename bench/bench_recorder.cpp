// The recorder's "停止": time from the press to the take being playable, for
// takes of 1, 3 and 10 seconds from the default audio input (run it with a
// sound server; scripts/test's sine source will do). Two figures per length:
// to the take trimmed, judged and written ("停止" returns), and to the player
// sounding it. Option: "--quick" for a few runs only.
#include "platform/pulse_audio_input.h"
#include "platform/pulse_voice_player.h"
#include "voice/recorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Runs the event loop until the condition holds or ten seconds have passed.
template <typename Condition> bool waitFor(Condition condition) {
    QElapsedTimer limit;
    limit.start();
    while (!condition() && limit.elapsed() < 10000) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return condition();
}

void report(const char* what, int seconds, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s, %d s take, %zu runs\n    wall ms: median %8.3f  min %8.3f  max %8.3f\n", what,
                seconds, ms.size(), ms[ms.size() / 2], ms.front(), ms.back());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    PulseAudioInput microphone;
    if (!microphone.available()) {
        std::fprintf(stderr, "bench_recorder: no audio input\n");
        return 1;
    }
    PulseVoicePlayer player;
    player.start();
    Recorder recorder(microphone, player);
    for (const int seconds : {1, 3, 10}) {
        std::vector<double> written;
        std::vector<double> sounding;
        const int runs = quick ? 2 : (seconds == 10 ? 5 : 11);
        for (int run = 0; run < runs; ++run) {
            if (!recorder.start()) {
                std::fprintf(stderr, "bench_recorder: the microphone did not start\n");
                return 1;
            }
            QElapsedTimer heard;
            heard.start();
            waitFor([&] { return heard.elapsed() >= seconds * 1000; });
            QElapsedTimer timer;
            timer.start();
            if (recorder.stop() != Take::Verdict::Good) {
                std::fprintf(stderr, "bench_recorder: the take was refused\n");
                return 1;
            }
            written.push_back(double(timer.nsecsElapsed()) / 1e6);
            recorder.playTake();
            if (!waitFor([&] { return player.isSounding(); })) {
                std::fprintf(stderr, "bench_recorder: the take did not play\n");
                return 1;
            }
            sounding.push_back(double(timer.nsecsElapsed()) / 1e6);
            recorder.discard();
        }
        report("停止 to take written", seconds, written);
        report("停止 to take sounding", seconds, sounding);
    }
    return 0;
}
