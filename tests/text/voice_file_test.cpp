#include "text/voice_file.h"

#include <QTest>

class VoiceFileTest : public QObject {
    Q_OBJECT
private slots:
    void pathOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::newRow("kana") << "あ"
                              << "/opt/talk/あ.wav";
        QTest::newRow("end marker") << "_"
                                    << "/opt/talk/_.wav";
        QTest::newRow("no way out of the folder") << "../../etc/x"
                                                  << "";
        QTest::newRow("NUL") << QString(QChar(0)) << "";
    }
    void pathOfText() {
        QFETCH(QString, text);
        QFETCH(QString, path);
        QCOMPARE(voiceFilePath("/opt/talk", text), path);
    }
};

QTEST_GUILESS_MAIN(VoiceFileTest)
#include "voice_file_test.moc"
