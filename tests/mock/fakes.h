#pragma once

#include "app/services.h"
#include "platform/asker.h"
#include "platform/beeper.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/pause.h"
#include "platform/settings_store.h"
#include "platform/url_launcher.h"
#include "platform/voice_player.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>
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
    QStringList played;
    int stops = 0;
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
    Services services{store, voice, pause, beeper, clipboard, launcher, clock, asker};

    // The same fakes with another settings store (a real one on a file).
    Services withStore(SettingsStore& other) {
        return {other, voice, pause, beeper, clipboard, launcher, clock, asker};
    }
};
