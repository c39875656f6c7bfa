#include "voice/open_jtalk_synthesizer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
// Open JTalk reads one line, and control characters are no speech.
QString oneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line.trimmed();
}

QString lastLine(const QByteArray& output) {
    const QList<QByteArray> lines = output.trimmed().split('\n');
    return lines.isEmpty() ? QString() : QString::fromUtf8(lines.last()).trimmed();
}
} // namespace

OpenJTalkSynthesizer::OpenJTalkSynthesizer(Setup setup, QObject* parent)
    : SpeechSynthesizer(parent)
    , m_setup(std::move(setup))
    , m_cache(m_setup.cacheFolder) {
    m_watchdog.setSingleShot(true);
    // A coarse timer may fire a little early.
    m_watchdog.setTimerType(Qt::PreciseTimer);
    connect(&m_watchdog, &QTimer::timeout, this, &OpenJTalkSynthesizer::timedOut);
}

// Processes still ending are waited for, briefly, rather than left behind.
OpenJTalkSynthesizer::~OpenJTalkSynthesizer() {
    endProcess();
    for (QProcess* process : findChildren<QProcess*>()) {
        process->kill();
        process->waitForFinished(1000);
    }
}

void OpenJTalkSynthesizer::setVoice(const QString& voiceFile, double speed) {
    m_voiceFile = voiceFile;
    m_speed = speed;
    const QFileInfo voice(voiceFile);
    m_voiceKey = QStringLiteral("%1|%2|%3")
                     .arg(voice.absoluteFilePath())
                     .arg(voice.size())
                     .arg(voice.lastModified().toMSecsSinceEpoch());
    m_reason = missingPart();
}

// What the synthesizer lacks to speak at all, in words for the user.
QString OpenJTalkSynthesizer::missingPart() const {
    if (QStandardPaths::findExecutable(m_setup.program).isEmpty() &&
        !QFileInfo(m_setup.program).isExecutable())
        return QStringLiteral(
                   "文を読むプログラム %1 がありません（Debian のパッケージ open-jtalk）。")
            .arg(m_setup.program);
    if (!QFileInfo(m_setup.dictionary).isDir())
        return QStringLiteral("%1 の辞書 %2 がありません（Debian のパッケージ "
                              "open-jtalk-mecab-naist-jdic）。")
            .arg(m_setup.program, m_setup.dictionary);
    if (!QFileInfo(m_voiceFile).isReadable())
        return QStringLiteral("声のファイル %1 がありません。").arg(m_voiceFile);
    return QString();
}

void OpenJTalkSynthesizer::synthesize(const QString& text) {
    const QString line = oneLine(text);
    // The sentence being made already (made ahead, say) is not begun again.
    if (m_process && line == m_line)
        return;
    cancel();
    if (line.isEmpty()) {
        report({Outcome::Unsayable, {}, 0});
        return;
    }
    if (const QString missing = missingPart(); !missing.isEmpty()) {
        m_reason = missing;
        report({Outcome::Failed, {}, 0});
        return;
    }
    const QString path = m_cache.pathFor(line, m_voiceKey, m_speed);
    if (const std::optional<WavSound> kept = m_cache.find(path)) {
        report({Outcome::Made, path, kept->milliseconds()});
        return;
    }
    if (!QDir().mkpath(m_cache.folder())) {
        fail(QStringLiteral("声をしまうフォルダー %1 を作れません。").arg(m_cache.folder()));
        return;
    }
    m_target = path;
    m_line = line;
    m_process = new QProcess(this);
    connect(m_process, &QProcess::finished, this, &OpenJTalkSynthesizer::processEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("%1 を起動できませんでした。").arg(m_setup.program));
    });
    m_process->start(m_setup.program,
                     {QStringLiteral("-x"), m_setup.dictionary, QStringLiteral("-m"), m_voiceFile,
                      QStringLiteral("-r"), QString::number(m_speed, 'f', 2), QStringLiteral("-ow"),
                      m_target + QStringLiteral(".part")});
    if (!m_process)
        return; // it could not start, and that has been reported
    ++m_processesStarted;
    // Open JTalk takes UTF-8 whatever the texts were stored in.
    m_process->write(line.toUtf8() + '\n');
    m_process->closeWriteChannel();
    m_watchdog.start(m_setup.timeoutMs);
}

void OpenJTalkSynthesizer::cancel() {
    ++m_request;
    endProcess();
}

// Results come on the event loop, never from within synthesize(); one that
// was cancelled or superseded meanwhile is dropped.
void OpenJTalkSynthesizer::report(Result result) {
    const quint64 request = m_request;
    QMetaObject::invokeMethod(
        this,
        [this, request, result] {
            if (request == m_request)
                emit finished(result);
        },
        Qt::QueuedConnection);
}

void OpenJTalkSynthesizer::processEnded() {
    m_watchdog.stop();
    const QString part = m_target + QStringLiteral(".part");
    const bool ran = m_process->exitStatus() == QProcess::NormalExit;
    const int code = m_process->exitCode();
    const QByteArray errors = m_process->readAllStandardError();
    std::optional<WavSound> sound = ran && code == 0 ? WavSound::read(part) : std::nullopt;
    QFile::remove(part);
    if (ran && code != 0 && errors.contains("No phoneme")) {
        // Only signs or spaces: nothing to say, though the voice is fine.
        endProcess();
        report({Outcome::Unsayable, {}, 0});
        return;
    }
    if (!sound) {
        const QString detail = ran ? lastLine(errors) : QStringLiteral("異常終了");
        fail(QStringLiteral("%1 が文の声を作れませんでした（%2）。")
                 .arg(m_setup.program,
                      detail.isEmpty() ? QStringLiteral("終了コード %1").arg(code) : detail));
        return;
    }
    const WavSound trimmed = sound->trimmed(kMarginMs);
    const QString target = m_target;
    endProcess();
    if (!m_cache.store(target, trimmed)) {
        fail(QStringLiteral("声をしまうフォルダー %1 に書けません。").arg(m_cache.folder()));
        return;
    }
    m_reason.clear();
    report({Outcome::Made, target, trimmed.milliseconds()});
}

void OpenJTalkSynthesizer::timedOut() {
    fail(QStringLiteral("文の声を作るのに %1 秒より長くかかりました。")
             .arg(m_setup.timeoutMs / 1000.0));
}

void OpenJTalkSynthesizer::fail(const QString& reason) {
    endProcess();
    m_reason = reason;
    report({Outcome::Failed, {}, 0});
}

// Ends the running process without waiting for it: it is removed, with the
// file it was writing, once it has gone.
void OpenJTalkSynthesizer::endProcess() {
    m_watchdog.stop();
    if (!m_process)
        return;
    QProcess* process = std::exchange(m_process, nullptr);
    const QString part = std::exchange(m_target, QString()) + QStringLiteral(".part");
    process->disconnect(this);
    if (process->state() == QProcess::NotRunning) {
        QFile::remove(part);
        process->deleteLater();
        return;
    }
    connect(process, &QProcess::finished, process, [process, part] {
        QFile::remove(part);
        process->deleteLater();
    });
    process->kill();
}
