// The figures of sentence reading against character reading, heard where a
// listener would hear them: at the monitor of the sound server's null sink,
// recorded by parec while the program plays through its real player.
//   - first sound: from "読む" to the first audible sample at the monitor;
//   - whole time: from "読む" until reading has finished ("読む" is back);
//   - stop to silence: from a tap on "読み上げ中止" to the monitor falling silent;
//   - synthesis: the text's pieces one after the other, as reading makes them,
//     and the whole text as one request, with an empty and a warm cache.
// Sentences are read with an empty cache, with the first piece made while
// the text was written (as when the user pauses before "読む"), and again.
// Run by bench/voice-figures, which starts the sound server.
#include "app/talk_window.h"
#include "fakes.h"
#include "platform/event_loop_pause.h"
#include "platform/pulse_voice_player.h"
#include "platform/qt_one_shot_timer.h"
#include "text/sentence_pieces.h"
#include "text/sentence_speaker.h"
#include "voice/open_jtalk_synthesizer.h"
#include "window/voice_settings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {
QElapsedTimer g_clock;
double nowMs() {
    return g_clock.nsecsElapsed() / 1e6;
}

// Records the null sink's monitor in blocks of 5 ms, each stamped with the
// time it was heard and whether it held sound.
class Monitor {
public:
    static constexpr int kRate = 48000;
    static constexpr int kBlock = kRate / 200;
    static constexpr int kAudible = 300;

    bool start() {
        m_parec.setProgram(QStringLiteral("parec"));
        m_parec.setArguments({"-d", "null.monitor", "--raw", "--format=s16le", "--rate=48000",
                              "--channels=1", "--latency-msec=5"});
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { read(); });
        m_parec.start();
        return m_parec.waitForStarted(3000);
    }
    ~Monitor() {
        m_parec.kill();
        m_parec.waitForFinished(1000);
    }
    // The first block with sound heard after from, or -1.
    double firstSound(double from) const {
        for (const Block& b : m_blocks)
            if (b.at >= from && b.audible)
                return b.at;
        return -1;
    }
    // The start of the first run of silence of at least runMs after from, or -1.
    double silenceAfter(double from, double runMs) const {
        double start = -1;
        for (const Block& b : m_blocks) {
            if (b.at < from)
                continue;
            if (b.audible)
                start = -1;
            else if (start < 0)
                start = b.at;
            else if (b.at - start >= runMs)
                return start;
        }
        return -1;
    }

private:
    struct Block {
        double at;
        bool audible;
    };
    void read() {
        const double at = nowMs();
        m_pending += m_parec.readAllStandardOutput();
        const qsizetype blocks = m_pending.size() / (2 * kBlock);
        for (qsizetype i = 0; i < blocks; ++i) {
            bool audible = false;
            for (int s = 0; s < kBlock && !audible; ++s)
                audible = std::abs(qFromLittleEndian<qint16>(m_pending.constData() +
                                                             2 * (i * kBlock + s))) > kAudible;
            // The last block read is the one heard just now.
            m_blocks.push_back({at - (blocks - 1 - i) * 5.0, audible});
        }
        m_pending.remove(0, blocks * 2 * kBlock);
    }

    QProcess m_parec;
    QByteArray m_pending;
    std::vector<Block> m_blocks;
};

struct Figures {
    double firstSound = -1;
    double whole = -1;
};

void settle(int ms) {
    QTest::qWait(ms);
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    g_clock.start();

    const QString appDir = QStringLiteral(TALK_VOICE_DIR);
    QTemporaryDir cache;
    FakeServices fakes;
    PulseVoicePlayer player;
    player.start();
    EventLoopPause pause;
    QtOneShotTimer timer;
    OpenJTalkSynthesizer::Setup setup;
    setup.cacheFolder = cache.filePath(QStringLiteral("voice"));
    OpenJTalkSynthesizer synthesizer(setup);
    Services services{fakes.store,      player,         pause,       fakes.beeper,
                      fakes.clipboard,  fakes.launcher, fakes.clock, fakes.asker,
                      fakes.microphone, synthesizer,    timer};
    fakes.store.values.insert(QStringLiteral("Voice/Read"), QStringLiteral("sentence"));
    TalkWindow window(services, DataLocation{appDir, appDir});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (!synthesizer.unavailableReason().isEmpty()) {
        std::printf("sentence mode unavailable: %s\n", qPrintable(synthesizer.unavailableReason()));
        return 1;
    }
    Monitor monitor;
    if (!monitor.start()) {
        std::printf("parec could not record the null sink's monitor\n");
        return 1;
    }
    settle(500);

    auto* cmdRead = window.controls().cmdRead;
    auto clearCache = [&] { QDir(setup.cacheFolder).removeRecursively(); };
    enum class Start { Characters, Cold, Prepared, Again };
    auto read = [&](const QString& text, Start how) {
        // The text is written in sentence mode only when its first piece may
        // be made meanwhile.
        window.sentences().setSentenceMode(how == Start::Prepared || how == Start::Again);
        if (how == Start::Cold || how == Start::Prepared)
            clearCache();
        window.controls().txtTalk->setPlainText(text + QLatin1Char('_'));
        settle(1000);
        window.sentences().setSentenceMode(how != Start::Characters);
        Figures f;
        const double start = nowMs();
        cmdRead->click(); // returns at once for sentences, after reading for characters
        while (!cmdRead->isEnabled())
            QTest::qWait(5);
        f.whole = nowMs() - start;
        settle(400); // the monitor hears what was played last
        f.firstSound = monitor.firstSound(start) - start;
        return f;
    };
    const QStringList texts{
        QStringLiteral("おみずをください"),
        QStringLiteral("きょうは いい てんきですね。さんぽに いきたい。てつだってくださいね。"),
        QStringLiteral("おはようございます。きのうは よく ねむれました。あさごはんの あとで "
                       "おくすりを のみたいので、つめたい おみずを いっぱい ください。それから、"
                       "きょうは むすめが くるので、へやを かたづけて おいて ください。"
                       "よろしく おねがいしますね。")};
    const int kana[] = {8, 30, 100};

    read(QStringLiteral("あ"), Start::Characters); // the player's first start is slower

    std::printf("%-6s %-24s %12s %12s %12s\n", "kana", "mode", "first sound", "whole",
                "whole/char");
    for (int i = 0; i < texts.size(); ++i) {
        const Figures chars = read(texts[i], Start::Characters);
        const Figures cold = read(texts[i], Start::Cold);
        const Figures prepared = read(texts[i], Start::Prepared);
        const Figures again = read(texts[i], Start::Again);
        const auto line = [&](const char* mode, const Figures& f) {
            std::printf("%-6d %-24s %9.0f ms %9.0f ms %11.0f %%\n", kana[i], mode, f.firstSound,
                        f.whole, 100.0 * f.whole / chars.whole);
        };
        line("characters", chars);
        line("sentence, empty cache", cold);
        line("sentence, prepared", prepared);
        line("sentence, said before", again);
    }

    // Stop to silence: a tap on "読み上げ中止" one second into a sentence.
    std::printf("\nstop to silence (100 kana, 1 s into the sentence):");
    for (int run = 0; run < 5; ++run) {
        window.sentences().setSentenceMode(true);
        window.controls().txtTalk->setPlainText(texts[2] + QLatin1Char('_'));
        settle(300);
        cmdRead->click();
        settle(1000);
        auto* label = window.findChild<QLabel*>(QStringLiteral("lblLabel"));
        const double stop = nowMs();
        QTest::mouseClick(label, Qt::LeftButton);
        settle(500);
        std::printf(" %.0f ms", monitor.silenceAfter(stop, 30) - stop);
    }
    // Synthesis alone, without a limit on its time.
    setup.timeoutMs = 60000;
    OpenJTalkSynthesizer unlimited(setup);
    unlimited.setVoice(voice_keys::kDebianVoice, 1.0);
    auto synthesize = [&](const QString& text) {
        QEventLoop loop;
        bool made = false;
        const QMetaObject::Connection done = QObject::connect(
            &unlimited, &SpeechSynthesizer::finished, [&](const SpeechSynthesizer::Result& r) {
                made = r.outcome == SpeechSynthesizer::Outcome::Made;
                loop.quit();
            });
        unlimited.synthesize(text);
        loop.exec();
        QObject::disconnect(done);
        return made;
    };
    auto timed = [&](const QStringList& requests) {
        const double start = nowMs();
        for (const QString& request : requests)
            if (!synthesize(request))
                std::printf("(not made: %s) ", qPrintable(unlimited.unavailableReason()));
        return nowMs() - start;
    };
    std::printf("\n\nsynthesis, empty cache / warm cache:\n");
    for (int i = 0; i < texts.size(); ++i) {
        QStringList pieces;
        for (const TextPiece& piece : sentencePieces(texts[i]))
            pieces.append(texts[i].mid(piece.start, piece.length));
        clearCache();
        const double piecesCold = timed(pieces);
        const double piecesWarm = timed(pieces);
        clearCache();
        const double wholeCold = timed({texts[i]});
        const double wholeWarm = timed({texts[i]});
        clearCache();
        const double firstPiece = timed({pieces.first()});
        std::printf("%4d kana: %2d pieces %6.0f ms / %4.1f ms (first piece %4.0f ms); "
                    "one request %6.0f ms / %4.1f ms\n",
                    kana[i], int(pieces.size()), piecesCold, piecesWarm, firstPiece, wholeCold,
                    wholeWarm);
    }
    return 0;
}
