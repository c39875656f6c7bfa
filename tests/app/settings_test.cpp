#include "app/settings.h"
#include "fakes.h"

#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults() {
        MemorySettingsStore store;
        const Settings s = readSettings(store);
        QCOMPARE(s.opt1, 0);
        QCOMPARE(s.opt2, 0);
        QCOMPARE(s.opt3, 0);
        QCOMPARE(s.beep, 0);
        QCOMPARE(s.moji, 0);
        QCOMPARE(s.samp, 1);
        QCOMPARE(s.gMaxC, 9);
        QCOMPARE(s.sample, qint16(2));
        QCOMPARE(textPointSize(s), 55);
    }

    void storedValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        // values the system writes
        QTest::newRow("OPT1 3") << "OPT1"
                                << "3" << 3;
        QTest::newRow("OPT3 2") << "OPT3"
                                << "2" << 2;
        QTest::newRow("Moji 1") << "Moji"
                                << "1" << 1;
        QTest::newRow("Samp 0") << "Samp"
                                << "0" << 0;
        QTest::newRow("Sample 5") << "Sample"
                                  << "5" << 5;
        QTest::newRow("gMaxC 14") << "gMaxC"
                                  << "14" << 14;
        QTest::newRow("gMaxC 10 reads as 9") << "gMaxC"
                                             << "10" << 9;
        QTest::newRow("gMaxC 11 kept") << "gMaxC"
                                       << "11" << 11;
        // values it never writes fall back to the key's default
        QTest::newRow("OPT1 7") << "OPT1"
                                << "7" << 0;
        QTest::newRow("OPT2 -1") << "OPT2"
                                 << "-1" << 0;
        QTest::newRow("Beep text") << "Beep"
                                   << "yes" << 0;
        QTest::newRow("Moji empty") << "Moji"
                                    << "" << 0;
        QTest::newRow("Samp 2") << "Samp"
                                << "2" << 1;
        QTest::newRow("Sample 9") << "Sample"
                                  << "9" << 2;
        QTest::newRow("Sample 0") << "Sample"
                                  << "0" << 2;
        QTest::newRow("Sample beyond 16 bits") << "Sample"
                                               << "65538" << 2;
        QTest::newRow("gMaxC below 9") << "gMaxC"
                                       << "5" << 9;
        QTest::newRow("gMaxC negative") << "gMaxC"
                                        << "-3" << 9;
        QTest::newRow("gMaxC huge") << "gMaxC"
                                    << "2147483647" << 9;
        QTest::newRow("gMaxC not a number") << "gMaxC"
                                            << "14x" << 9;
    }
    void storedValues() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        MemorySettingsStore store;
        store.values.insert(key, stored);
        const Settings s = readSettings(store);
        const QMap<QString, int> read{{"OPT1", s.opt1},   {"OPT2", s.opt2},    {"OPT3", s.opt3},
                                      {"Beep", s.beep},   {"Moji", s.moji},    {"Samp", s.samp},
                                      {"gMaxC", s.gMaxC}, {"Sample", s.sample}};
        QCOMPARE(read.value(key), expected);
    }

    void mojiOneGivesLargeText() {
        MemorySettingsStore store;
        store.values.insert("Moji", "1");
        QCOMPARE(textPointSize(readSettings(store)), 100);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
