#include "board/voice_texts.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

// The build leaves a recording beside the executable for every text the
// program can speak.
class TestVoiceFiles : public QObject {
    Q_OBJECT
private slots:
    void everyTextHasARecording();
};

namespace {
// Empty when the file is a RIFF/WAVE file whose data chunk holds sound;
// otherwise what is wrong with it.
QString wavProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("missing or unreadable");
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("no RIFF/WAVE header");
    const qsizetype data = bytes.indexOf("data", 12);
    if (data < 0 || data + 8 > bytes.size())
        return QStringLiteral("no data chunk");
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + data + 4);
    if (size == 0 || bytes.size() - (data + 8) < 2)
        return QStringLiteral("no sound data");
    return QString();
}
} // namespace

void TestVoiceFiles::everyTextHasARecording() {
    const QString dir = QStringLiteral(TALK_VOICE_DIR);
    QStringList problems;
    for (const QString& text : board::voiceTexts()) {
        if (text.contains(QLatin1Char('/')))
            continue;
        const QString problem = wavProblem(dir + QLatin1Char('/') + text + QStringLiteral(".wav"));
        if (!problem.isEmpty())
            problems.append(QStringLiteral("[%1] %2").arg(text, problem));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestVoiceFiles)
#include "voice_files_test.moc"
