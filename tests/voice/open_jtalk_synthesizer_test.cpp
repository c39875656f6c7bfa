#include "file_fixtures.h"
#include "lists/phrase_file.h"
#include "platform/record_file.h"
#include "voice/open_jtalk_synthesizer.h"
#include "voice/wav_sound.h"
#include "wav_file.h"
#include "window/voice_settings.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(SpeechSynthesizer::Result)

// The synthesizer's process, cache and reasons, run against small scripts in
// place of open_jtalk, and once against the real program where it is
// installed.
class OpenJTalkSynthesizerTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    // A stand-in for open_jtalk: its arguments and input are kept in files
    // beside it, each run adds a line to runs.txt, then body runs with $out
    // set to the WAV file asked for.
    QString program(const QString& body) {
        const QString script = path(QStringLiteral("open_jtalk"));
        const QString text = QStringLiteral("#!/bin/bash\n"
                                            "cd \"$(dirname \"$0\")\"\n"
                                            "echo run >> runs.txt\n"
                                            "printf '%s\\n' \"$@\" > args.txt\n"
                                            "cat > input.txt\n"
                                            "args=(\"$@\")\n"
                                            "for i in \"${!args[@]}\"; do [ \"${args[i]}\" = -ow ] "
                                            "&& out=${args[i+1]}; done\n") +
                             body + QLatin1Char('\n');
        writeBytes(script, text.toUtf8());
        QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
        return script;
    }
    // Writes a sound framed by the long silences the real voice puts around it.
    QString makesSound() {
        const QByteArray silence = sineSamples(500, 22050, 0);
        writeBytes(path(QStringLiteral("framed.wav")),
                   pcmWav(silence + sineSamples(300) + silence));
        return program(QStringLiteral("cp framed.wav \"$out\""));
    }
    int runs() const { return int(readBytes(path(QStringLiteral("runs.txt"))).count("run")); }

    std::unique_ptr<OpenJTalkSynthesizer> synthesizer(const QString& program,
                                                      int timeoutMs = 2000) {
        OpenJTalkSynthesizer::Setup setup;
        setup.cacheFolder = path(QStringLiteral("cache"));
        setup.program = program;
        setup.dictionary = m_dir->path();
        setup.timeoutMs = timeoutMs;
        auto s = std::make_unique<OpenJTalkSynthesizer>(setup);
        writeBytes(path(QStringLiteral("voice.htsvoice")), "voice");
        s->setVoice(path(QStringLiteral("voice.htsvoice")), 1.0);
        return s;
    }
    static SpeechSynthesizer::Result say(SpeechSynthesizer& s, const QString& text) {
        QSignalSpy spy(&s, &SpeechSynthesizer::finished);
        s.synthesize(text);
        // Never from within the request, even from the cache.
        if (spy.count() != 0)
            qFatal("the result came from within synthesize()");
        if (!spy.wait(5000))
            qFatal("no result");
        return spy.takeFirst().at(0).value<SpeechSynthesizer::Result>();
    }

private slots:
    void initTestCase() { qRegisterMetaType<SpeechSynthesizer::Result>(); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // The sentence is made once, its silences cut short, kept, and served
    // again from the cache without a process; a damaged file is made anew.
    void cacheServesAndRepairs() {
        auto s = synthesizer(makesSound());
        const SpeechSynthesizer::Result first = say(*s, QStringLiteral("おみずを\nください"));
        QCOMPARE(first.outcome, SpeechSynthesizer::Outcome::Made);
        QCOMPARE(readBytes(path("input.txt")), QString("おみずを ください\n").toUtf8());
        // The tone's first samples are near silence themselves.
        QVERIFY(qAbs(first.milliseconds - (300 + 2 * OpenJTalkSynthesizer::kMarginMs)) <= 2);
        QCOMPARE(WavSound::read(first.wavPath)->milliseconds(), first.milliseconds);
        QVERIFY(s->unavailableReason().isEmpty());

        const SpeechSynthesizer::Result again = say(*s, QStringLiteral("おみずを\nください"));
        QCOMPARE(again.wavPath, first.wavPath);
        QCOMPARE(runs(), 1);
        QCOMPARE(s->processesStarted(), 1);

        // Another speed is another sound.
        s->setVoice(path(QStringLiteral("voice.htsvoice")), 1.25);
        QVERIFY(say(*s, QStringLiteral("おみずを ください")).wavPath != first.wavPath);
        QVERIFY(readBytes(path("args.txt")).contains("-r\n1.25\n"));
        s->setVoice(path(QStringLiteral("voice.htsvoice")), 1.0);

        QFile damaged(first.wavPath);
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        QVERIFY(damaged.resize(damaged.size() / 2));
        damaged.close();
        const SpeechSynthesizer::Result remade = say(*s, QStringLiteral("おみずを ください"));
        QCOMPARE(remade.outcome, SpeechSynthesizer::Outcome::Made);
        QCOMPARE(runs(), 3);
        QVERIFY(WavSound::read(remade.wavPath));
    }

    // Each way of failing says why, in words for the user; a text of signs
    // alone is no failure of the voice.
    void failuresSayWhy_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        using O = SpeechSynthesizer::Outcome;
        QTest::newRow("fails") << "echo 'Error: cannot load voice' >&2; exit 1" << int(O::Failed)
                               << "Error: cannot load voice";
        QTest::newRow("writes nothing") << "exit 0" << int(O::Failed) << "終了コード 0";
        QTest::newRow("too slow") << "sleep 5" << int(O::Failed) << "0.3 秒より長く";
        QTest::newRow("signs only")
            << "echo 'WARNING: No phoneme.' >&2; exit 1" << int(O::Unsayable) << "";
    }
    void failuresSayWhy() {
        QFETCH(QString, body);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        auto s = synthesizer(program(body), 300);
        QCOMPARE(int(say(*s, QStringLiteral("あ")).outcome), outcome);
        if (reason.isEmpty())
            QVERIFY(s->unavailableReason().isEmpty());
        else
            QVERIFY2(s->unavailableReason().contains(reason), qPrintable(s->unavailableReason()));
        QVERIFY(QDir(path("cache")).entryList(QDir::Files).isEmpty());
    }

    // What is missing is known before anything is asked for.
    void missingPartsAreNamed() {
        auto s = synthesizer(makesSound());
        s->setVoice(path(QStringLiteral("other.htsvoice")), 1.0);
        QVERIFY(s->unavailableReason().contains(path(QStringLiteral("other.htsvoice"))));
        QCOMPARE(say(*s, QStringLiteral("あ")).outcome, SpeechSynthesizer::Outcome::Failed);
        QCOMPARE(runs(), 0);

        auto none = synthesizer(path(QStringLiteral("no-such-program")));
        QVERIFY(none->unavailableReason().contains(QStringLiteral("open-jtalk")));
    }

    // A request for the sentence under way lets it go on; one for another
    // sentence replaces it, and only the newer is told.
    void newerRequestWins() {
        makesSound();
        auto slow = synthesizer(program(QStringLiteral("sleep 0.3; cp framed.wav \"$out\"")));
        QSignalSpy spy(slow.get(), &SpeechSynthesizer::finished);
        slow->synthesize(QStringLiteral("あ"));
        slow->synthesize(QStringLiteral("あ"));
        QVERIFY(spy.wait(5000));
        QCOMPARE(runs(), 1);
        slow->synthesize(QStringLiteral("う"));
        slow->synthesize(QStringLiteral("い"));
        QVERIFY(spy.wait(5000));
        QVERIFY(!spy.wait(800));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(readBytes(path("input.txt")), QByteArray("い\n"));
    }

    // The cache keeps the files used last within its bound.
    void cacheIsBounded() {
        writeSineWav(path("a.wav"), 1000);
        const WavSound sound = *WavSound::read(path("a.wav"));
        SpeechCache cache(path("bounded"), 2 * sound.toBytes().size());
        QStringList paths;
        const auto store = [&](const char* text, int age) {
            paths.append(cache.pathFor(QString::fromUtf8(text), "v", 1.0));
            QVERIFY(cache.store(paths.last(), sound));
            QFile file(paths.last());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                                     QFileDevice::FileModificationTime));
        };
        store("あ", 60);
        store("い", 30);
        QVERIFY(cache.find(paths[0])); // used again: now the newest
        store("う", 0);
        QVERIFY(QFileInfo::exists(paths[0]));
        QVERIFY(!QFileInfo::exists(paths[1]));
        QVERIFY(QFileInfo::exists(paths[2]));
    }

    // With the real open_jtalk: a phrase read from a code page 932 phrase
    // file reaches it as UTF-8, is read with the particle は as "ワ", and
    // sounds about as long as it takes to say.
    void realVoiceReadsAPhrase() {
        const QString openJTalk = QStandardPaths::findExecutable(QStringLiteral("open_jtalk"));
        if (openJTalk.isEmpty() || !QFileInfo::exists(voice_keys::kDebianVoice))
            QSKIP("open_jtalk or its voice is not installed");
        writeBytes(path("Talk.txt"),
                   "\"" + QByteArray::fromHex("82a282dc82cd2082a282e882dc82b982f1") + "\"\r\n");
        RecordFile book(path("Talk.txt"));
        const QStringList texts = readPhraseTexts(book);
        QCOMPARE(texts.last(), QStringLiteral("いまは いりません"));

        // open_jtalk itself, with its analysis written beside it.
        const QString wrapper =
            program(QStringLiteral("exec %1 \"$@\" -ot trace.txt < input.txt").arg(openJTalk));
        OpenJTalkSynthesizer::Setup setup;
        setup.cacheFolder = path("cache");
        setup.program = wrapper;
        OpenJTalkSynthesizer s(setup);
        s.setVoice(voice_keys::kDebianVoice, 1.0);
        QVERIFY(s.unavailableReason().isEmpty());
        const SpeechSynthesizer::Result result = say(s, texts.last());
        QVERIFY2(result.outcome == SpeechSynthesizer::Outcome::Made,
                 qPrintable(s.unavailableReason()));
        QCOMPARE(readBytes(path("input.txt")), QString("いまは いりません\n").toUtf8());
        const QString trace = QString::fromUtf8(readBytes(path("trace.txt")));
        QVERIFY2(trace.contains(QStringLiteral("は,助詞,係助詞,*,*,*,*,は,ハ,ワ")),
                 qPrintable(trace.left(400)));
        // Eight morae at a natural pace, without the voice's long silences.
        QVERIFY2(result.milliseconds > 600 && result.milliseconds < 2500,
                 qPrintable(QString::number(result.milliseconds)));
    }
};

QTEST_GUILESS_MAIN(OpenJTalkSynthesizerTest)
#include "open_jtalk_synthesizer_test.moc"
