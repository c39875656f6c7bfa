#include "file_fixtures.h"
#include "platform/qsettings_store.h"
#include "window_fixture.h"

#include <QProcess>

#include <fcntl.h>
#include <unistd.h>

// The five saves and the options on a file system that is full, or nearly
// full (one page left, less than the file needs), or read-only: the old file
// stays byte for byte, the user is told, the text and the mode stay, and the
// same command stores once there is room again. Run by with_tmpfs.sh on a
// tmpfs of 1 MiB of the test's own (TALK_TMPFS).
class FullDiskTest : public QObject {
    Q_OBJECT
    enum Save { Register, Delete, Diary, Address, Mail };
    struct Step {
        QString file;
        std::function<void(WindowFixture&)> reach; // up to the save
        std::function<void(WindowFixture&)> save;
        QString keptText;
        QString keptMode; // cmdSamp's caption
        std::function<bool(const QStringList&)> stored;
    };

    const QString m_tmpfs = qEnvironmentVariable("TALK_TMPFS");
    QString fillPath() const { return m_tmpfs + QStringLiteral("/fill"); }

    // Takes all the room of the file system but `room` bytes.
    void fill(qint64 room) {
        const int fd = ::open(QFile::encodeName(fillPath()).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        QVERIFY(fd >= 0);
        const QByteArray page(4096, '\0');
        qint64 size = 0;
        while (::write(fd, page.constData(), size_t(page.size())) == page.size())
            size += page.size();
        QCOMPARE(::ftruncate(fd, size - room), 0);
        ::close(fd);
    }
    void makeRoom() { QVERIFY(QFile::remove(fillPath())); }
    void remount(const char* mode) {
        QCOMPARE(
            QProcess::execute("mount", {"-o", QStringLiteral("remount,%1").arg(mode), m_tmpfs}), 0);
    }

    // Files of a few kilobytes, as most users have: well under the 16 KiB
    // that a save buffers before it writes.
    static void writeDataFiles(WindowFixture& f) {
        QStringList phrases{u"ああああ日記ダミー消さないでね！"_qs,
                            u"ああああ日記ダミー消さないでね！"_qs};
        QStringList days;
        QStringList addresses;
        QStringList mails;
        for (int i = 0; i < 300; ++i) {
            phrases.append(u"いつもありがとう%1"_qs.arg(i));
            days.append(u"26.%1.%2 はれ"_qs.arg(1 + i / 28, 2, 10, QChar('0'))
                            .arg(1 + i % 28, 2, 10, QChar('0')));
            addresses.append(u"やまだ%1,yamada%1@example.jp"_qs.arg(i));
            mails.append(u"こんにちは、げんきですか%1"_qs.arg(i));
        }
        f.writeFile("Talk.txt", phrases);
        f.writeFile("day.txt", days);
        f.writeFile("addres.txt", addresses);
        f.writeFile("mail.txt", mails);
    }

    static Step step(Save save) {
        const auto yes = [](WindowFixture& f) {
            f.fakes.asker.answers = {true};
            f.c().cmdSamp->click();
        };
        switch (save) {
        case Register:
            return {"Talk.txt",
                    [](WindowFixture& f) { f.panel().setText(u"あたらしい_"_qs); },
                    [](WindowFixture& f) { f.c().cmdSampADD->click(); },
                    u"あたらしい_"_qs,
                    u"例文表示"_qs,
                    [](const QStringList& records) { return records.contains(u"あたらしい"_qs); }};
        case Delete:
            return {"Talk.txt",
                    [](WindowFixture& f) {
                        f.c().cmdSamp->click();
                        WindowFixture::tap(f.c().grdEx, 2, 1);
                    },
                    [](WindowFixture& f) {
                        f.fakes.asker.answers = {true};
                        f.c().cmdSampDel->click();
                    },
                    QString(),
                    u"例文終了"_qs,
                    [](const QStringList& records) {
                        return records.size() == 301 && !records.contains(u"いつもありがとう0"_qs);
                    }};
        case Diary:
            return {
                "day.txt",
                [](WindowFixture& f) {
                    f.openEntry(0);
                    f.panel().setText(u"はれ"_qs);
                },
                yes,
                u"はれ_"_qs,
                u"日記終了"_qs,
                [](const QStringList& records) { return records.first() == u"26.12.05 はれ_"_qs; }};
        case Address:
            return {"addres.txt",
                    [](WindowFixture& f) {
                        f.openEntry(1);
                        f.panel().setText(u"たなか,tanaka@example.jp"_qs);
                    },
                    yes,
                    u"たなか,tanaka@example.jp_"_qs,
                    u"ﾒﾙｱﾄﾞ終了"_qs,
                    [](const QStringList& records) {
                        return records.contains(u"たなか,tanaka@example.jp"_qs);
                    }};
        case Mail:
            return {"mail.txt",
                    [](WindowFixture& f) {
                        f.openMails(1);
                        f.c().cmdDec->click();
                        f.panel().setText(u"またね"_qs);
                    },
                    yes,
                    u"またね_"_qs,
                    u"ﾒｰﾙ終了"_qs,
                    [](const QStringList& records) { return records.first() == u"またね_"_qs; }};
        }
        return {};
    }

    static QStringList strayFiles(const QString& folder) {
        return QDir(folder).entryList({"*.??????"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void initTestCase() {
        if (m_tmpfs.isEmpty())
            QSKIP("needs a tmpfs of its own: run by ctest through with_tmpfs.sh");
    }

    void savesKeepTheOldFile_data() {
        QTest::addColumn<int>("save");
        QTest::addColumn<qint64>("room");
        const char* names[] = {"例文追加", "例文削除", "日記終了", "ﾒﾙｱﾄﾞ終了", "ﾒｰﾙ終了"};
        for (int save = Register; save <= Mail; ++save) {
            QTest::addRow("%s, full", names[save]) << save << qint64(0);
            QTest::addRow("%s, nearly full", names[save]) << save << qint64(4096);
        }
    }
    void savesKeepTheOldFile() {
        QFETCH(int, save);
        QFETCH(qint64, room);
        const Step s = step(Save(save));
        WindowFixture f(m_tmpfs);
        writeDataFiles(f);
        f.open();
        s.reach(f);
        const QString file = f.dir.filePath(s.file);
        const QByteArray before = readBytes(file);
        QVERIFY(before.size() > room);
        const qsizetype asked = f.fakes.asker.asked.size();

        fill(room);
        s.save(f);
        QCOMPARE(f.fakes.asker.asked.size(), asked + (save == Register ? 1 : 2));
        QCOMPARE(f.fakes.asker.asked.last().message, "「" + s.file + "」を保存できませんでした。");
        QCOMPARE(readBytes(file), before);
        QVERIFY(strayFiles(f.dir.path()).isEmpty());
        QVERIFY(!QFile::exists(file + ".1"));
        if (save == Delete)
            QCOMPARE(f.c().grdEx->text(2, 1), u"いつもありがとう0"_qs);
        else
            QCOMPARE(f.text(), s.keptText);
        QCOMPARE(f.c().cmdSamp->text(), s.keptMode);

        makeRoom();
        s.save(f);
        QVERIFY(s.stored(f.readFile(s.file)));
        QCOMPARE(readBytes(file + ".1"), before);
    }

    // The options applied by "確定" stay in effect for the session when they
    // cannot be stored; the file keeps its former content. It holds more
    // than one page (another extension's settings), as a save that one page
    // cannot take.
    void optionsKeepTheOldFile_data() {
        QTest::addColumn<QString>("disk");
        QTest::newRow("full") << "full";
        QTest::newRow("nearly full") << "nearly full";
        QTest::newRow("read-only") << "read-only";
    }
    void optionsKeepTheOldFile() {
        QFETCH(QString, disk);
        WindowFixture f(m_tmpfs);
        const QString conf = f.dir.filePath("config/Talk.conf");
        {
            QSettingsStore first(conf);
            first.setValue("Other/Notes", QString(6000, QChar('n')));
            QVERIFY(first.sync());
        }
        QSettingsStore store(conf);
        FakeServices& k = f.fakes;
        Services services = k.withStore(store);
        f.open(services);
        const QByteArray before = readBytes(conf);
        QVERIFY(before.size() > 4096);

        if (disk == "read-only")
            remount("ro");
        else
            fill(disk == "full" ? 0 : 4096);
        f.options(1, [](QWidget* dialog) { WindowFixture::clickIn(dialog, "chkMoji"); });
        QCOMPARE(k.asker.asked.size(), 1);
        QCOMPARE(k.asker.asked.first().message, u"設定を保存できませんでした。"_qs);
        QCOMPARE(f.window().state().settings.moji, 1);
        if (disk == "read-only")
            remount("rw");
        else
            makeRoom();
        QCOMPARE(readBytes(conf), before);

        f.options(1);
        QCOMPARE(k.asker.asked.size(), 1);
        QCOMPARE(QSettingsStore(conf).value("Moji"), std::optional<QString>("1"));
        QCOMPARE(QSettingsStore(conf).value("Other/Notes")->size(), 6000);
    }
};

QTEST_MAIN(FullDiskTest)
#include "full_disk_test.moc"
