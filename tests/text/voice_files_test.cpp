#include "board/voice_texts.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

// The build leaves a recording beside the executable for every text the
// program can speak.
class TestVoiceFiles : public QObject {
    Q_OBJECT
private slots:
    void everyTextHasARecording() {
        const QStringList texts = board::voiceTexts();
        // Spaces, the end marker, the faces and their characters, forms reached
        // only through the panel, and the fifteen-column board's voiced kana.
        for (const char* text :
             {"\u3000", " ", "_", "(^_^)", "(", "^", "ぢ", "ヅ", "ぽ", "ッ", "z"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        QStringList problems;
        for (const QString& text : texts)
            if (!text.contains(QLatin1Char('/')) &&
                !isSound(QStringLiteral(TALK_VOICE_DIR "/") + text + ".wav"))
                problems.append(text);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(" | "))));
    }

private:
    // A RIFF/WAVE file whose data chunk holds sound.
    static bool isSound(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = file.readAll();
        const qsizetype data = bytes.indexOf("data", 12);
        return bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE" && data >= 0 &&
               data + 10 <= bytes.size() &&
               qFromLittleEndian<quint32>(bytes.constData() + data + 4) > 0;
    }
};

QTEST_GUILESS_MAIN(TestVoiceFiles)
#include "voice_files_test.moc"
