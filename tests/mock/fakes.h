#pragma once

#include "app/services.h"
#include "platform/asker.h"
#include "platform/audio_input.h"
#include "platform/beeper.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/one_shot_timer.h"
#include "platform/pause.h"
#include "platform/settings_store.h"
#include "platform/speech_synthesizer.h"
#include "platform/url_launcher.h"
#include "platform/voice_player.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <functional>

// An in-memory settings store that records every write in order.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& key) const override {
        if (!values.contains(key))
            return std::nullopt;
        return values.value(key);
    }
    void setValue(const QString& key, const QString& value) override {
        values.insert(key, value);
        writes.append({key, value});
    }
    bool sync() override {
        ++syncs;
        return syncSucceeds;
    }
    QMap<QString, QString> values;
    QList<QPair<QString, QString>> writes;
    int syncs = 0;
    bool syncSucceeds = true;
};

// Records the files it is asked to play.
class RecordingVoicePlayer final : public VoicePlayer {
public:
    void play(const QString& wavPath) override { played.append(wavPath); }
    void stop() override { ++stops; }
    void prepare(const QStringList& wavPaths) override { prepared = wavPaths; }
    QStringList played;
    int stops = 0;
    QStringList prepared;
};

// Returns at once and records the lengths asked for; a hook may act during
// the pause, as a tap would while the real pause waits.
class InstantPause final : public Pause {
public:
    void wait(int milliseconds) override {
        waits.append(milliseconds);
        if (during)
            during();
    }
    QList<int> waits;
    std::function<void()> during;
};

class CountingBeeper final : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class MemoryClipboard final : public Clipboard {
public:
    void clear() override { content.clear(); }
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }
    QString content;
};

class RecordingLauncher final : public UrlLauncher {
public:
    bool open(const QUrl& url) override {
        opened.append(url);
        return succeeds;
    }
    QList<QUrl> opened;
    bool succeeds = true;
};

class FixedClock final : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 5); }
};

// Answers questions from a script (true when it runs out) and records every
// question asked.
class ScriptedAsker final : public Asker {
public:
    struct Question {
        QString message;
        int style;
        QString title;
    };
    bool ask(const QString& message, int style, const QString& title) override {
        asked.append({message, style, title});
        return answers.isEmpty() || answers.takeFirst();
    }
    QList<bool> answers;
    QList<Question> asked;
};

// A microphone that hears what the test hands it with say(); absent when
// `present` is false, and failing to start when `starts` is false.
class ScriptedAudioInput final : public AudioInput {
public:
    bool available() const override { return present; }
    bool start() override { return listening = present && starts; }
    void stop() override { listening = false; }
    int sampleRate() const override { return rate; }
    void say(const QList<qint16>& samples) {
        if (listening)
            emit heard(samples);
    }
    bool present = true;
    bool starts = true;
    bool listening = false;
    int rate = 8000;
};

// Records the sentences asked for and reports a result only when the test
// says so, as the real synthesizer does some time later.
class FakeSynthesizer final : public SpeechSynthesizer {
public:
    void setVoice(const QString& voiceFile, double speed) override {
        voice = voiceFile;
        this->speed = speed;
    }
    void synthesize(const QString& text) override {
        requests.append(text);
        pending = true;
    }
    void cancel() override {
        pending = false;
        ++cancels;
    }
    QString unavailableReason() const override { return reason; }

    // Answers the request under way: a WAV file of the given length, or a
    // failure with its reason.
    void make(const QString& wavPath, int milliseconds) {
        QVERIFY(pending);
        pending = false;
        emit finished({Outcome::Made, wavPath, milliseconds});
    }
    void fail(const QString& why, Outcome outcome = Outcome::Failed) {
        QVERIFY(pending);
        pending = false;
        reason = why;
        emit finished({outcome, {}, 0});
    }

    QStringList requests;
    bool pending = false;
    int cancels = 0;
    QString reason;
    QString voice;
    double speed = 0;
};

// Fires only when the test says so, and records what it was started with.
class ManualTimer final : public OneShotTimer {
public:
    void start(int milliseconds) override {
        starts.append(milliseconds);
        active = true;
    }
    void stop() override { active = false; }
    // Fires the armed timer; false when it was not armed.
    bool fire() {
        if (!active)
            return false;
        active = false;
        emit timeout();
        return true;
    }
    QList<int> starts;
    bool active = false;
};

// One of each fake, bundled as the services the main window takes.
struct FakeServices {
    MemorySettingsStore store;
    RecordingVoicePlayer voice;
    InstantPause pause;
    CountingBeeper beeper;
    MemoryClipboard clipboard;
    RecordingLauncher launcher;
    FixedClock clock;
    ScriptedAsker asker;
    ScriptedAudioInput microphone;
    FakeSynthesizer synthesizer;
    ManualTimer speechTimer;
    Services services{store, voice, pause,      beeper,      clipboard,  launcher,
                      clock, asker, microphone, synthesizer, speechTimer};

    // The same fakes with another settings store (a real one on a file).
    Services withStore(SettingsStore& other) {
        return {other, voice, pause,      beeper,      clipboard,  launcher,
                clock, asker, microphone, synthesizer, speechTimer};
    }
};
