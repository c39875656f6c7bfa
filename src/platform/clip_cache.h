#pragma once

#include "platform/wav_clip.h"

#include <QHash>
#include <QStringList>
#include <QThreadPool>
#include <memory>
#include <mutex>

// The recordings kept ready to start. prepare() names those the screen can
// play now; they are read on a thread of their own, and of each the first
// kBeginningMs are held decoded, enough to start the sound at once and to
// cover the reading of the rest. Those no longer named are dropped. A
// beginning serves only while its file is the one it was read from, so that
// a recording replaced meanwhile (a new take kept, a backup restored) is
// played as it now is. Any thread may ask for a clip.
class ClipCache {
public:
    static constexpr int kBeginningMs = 50;

    ClipCache() { m_reader.setMaxThreadCount(1); }
    // Waits for the reading in progress, which stops at its next file.
    ~ClipCache();
    ClipCache(const ClipCache&) = delete;
    ClipCache& operator=(const ClipCache&) = delete;

    // The prepared beginning of a recording (the whole of a short one), or
    // null when it is not prepared or holds nothing to play.
    std::shared_ptr<const WavClip> beginning(const QString& path) const;
    // The whole recording, read now; null when the file holds nothing to play.
    static std::shared_ptr<const WavClip> read(const QString& path);

    // Keeps these recordings ready instead of those named before.
    void prepare(const QStringList& paths);

    // The sample bytes held, for tests and benchmarks.
    qint64 bytes() const;
    // Waits until the reading asked for so far is done.
    void waitForPrepared();

private:
    void readPrepared(quint64 generation, const QStringList& paths);

    // What tells one version of a file from another.
    struct FileStamp {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        static FileStamp of(const QString& path);
        bool operator==(const FileStamp& other) const;
    };
    struct Beginning {
        FileStamp stamp;
        std::shared_ptr<const WavClip> clip;
    };

    mutable std::mutex m_mutex;
    QHash<QString, Beginning> m_beginnings;
    quint64 m_generation = 0;
    QThreadPool m_reader;
};
