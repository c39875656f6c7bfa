#pragma once

#include "platform/speech_synthesizer.h"
#include "voice/speech_cache.h"

#include <QTimer>

class QProcess;

// Makes sentences with the Open JTalk program (open_jtalk) in a background
// process, one at a time, and keeps them in a cache so that a sentence said
// before needs no process. The silence the voice puts around a sentence is cut
// short, so that the sound starts as soon as it is played. A process that
// takes longer than the time limit is ended and reported as failed.
class OpenJTalkSynthesizer final : public SpeechSynthesizer {
    Q_OBJECT
public:
    struct Setup {
        QString cacheFolder;
        QString program = QStringLiteral("open_jtalk");
        // The dictionary of the Debian package open-jtalk-mecab-naist-jdic.
        QString dictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
        int timeoutMs = 2000;
    };

    explicit OpenJTalkSynthesizer(Setup setup, QObject* parent = nullptr);
    ~OpenJTalkSynthesizer() override;

    void setVoice(const QString& voiceFile, double speed) override;
    void synthesize(const QString& text) override;
    void cancel() override;
    QString unavailableReason() const override { return m_reason; }

    // How many processes have been started: the cache's saving shows in it.
    int processesStarted() const { return m_processesStarted; }

    // Silence kept before and after a sentence.
    static constexpr int kMarginMs = 20;

private:
    QString missingPart() const;
    void report(Result result);
    void processEnded();
    void timedOut();
    void fail(const QString& reason);
    void endProcess();

    Setup m_setup;
    SpeechCache m_cache;
    QString m_voiceFile;
    QString m_voiceKey;
    double m_speed = 1.0;
    QString m_reason;

    QProcess* m_process = nullptr;
    QString m_target; // the cache file the running process makes
    QString m_line;   // and the text it speaks
    QTimer m_watchdog;
    quint64 m_request = 0;
    int m_processesStarted = 0;
};
