#include "platform/qsettings_store.h"
#include "platform/safe_file.h"
#include "window_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

// A pipe, a folder or a link that loops in place of every data file and of
// the settings file: the window starts, every list opens (empty), each save
// and the options say they could not store, and nothing is rewritten. A pipe
// read as a file would block the test for ever.
class BadFilesTest : public QObject {
    Q_OBJECT
    const QStringList m_names{"Talk.txt", "day.txt", "addres.txt", "mail.txt", "config/Talk.conf"};

    static void make(const QString& kind, const QString& path) {
        const QByteArray native = QFile::encodeName(path);
        if (kind == "pipe")
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QCOMPARE(::symlink(native.constData(), native.constData()), 0);
    }
    // What stands at a path: its inode and kind, to see it untouched.
    static QString identity(const QString& path) {
        struct stat status {};
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return QString();
        return QStringLiteral("%1 %2").arg(status.st_ino).arg(status.st_mode);
    }

private slots:
    void nothingHangsNorIsRewritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("link loop") << "loop";
    }
    void nothingHangsNorIsRewritten() {
        QFETCH(QString, kind);
        WindowFixture f;
        QVERIFY(QDir(f.dir.path()).mkdir("config"));
        QStringList before;
        for (const QString& name : m_names) {
            make(kind, f.dir.filePath(name));
            before.append(identity(f.dir.filePath(name)));
        }
        QSettingsStore store(f.dir.filePath("config/Talk.conf"));
        FakeServices& k = f.fakes;
        Services services = k.withStore(store);
        f.open(services);

        f.panel().setText(u"あ_"_qs); // 例文追加
        f.c().cmdSampADD->click();
        f.c().cmdSamp->click(); // the phrase list: its command rows only
        QVERIFY(f.c().grdEx->isVisible());
        QCOMPARE(f.c().grdEx->rows(), 2);
        f.c().cmdSamp->click();

        f.openEntry(0); // the diary: today's row only
        QCOMPARE(f.c().grdDay->rows(), 1);
        f.panel().setText(u"はれ"_qs);
        k.asker.answers = {true, true, false};
        f.c().cmdSamp->click(); // stored: no; left without storing
        f.c().cmdSamp->click();
        QCOMPARE(f.c().cmdSamp->text(), u"例文表示"_qs);

        f.openEntry(1); // the address book: the new entry only
        QCOMPARE(f.c().grdAD->rows(), 1);
        f.panel().setText(u"たなか,tanaka@example.jp"_qs);
        k.asker.answers = {true};
        f.c().cmdSamp->click();
        f.c().cmdBack->click(); // on to the mails: the new mail only
        QVERIFY(f.c().grdMail->isVisible());
        QCOMPARE(f.c().grdMail->rows(), 1);
        f.c().cmdDec->click();
        f.panel().setText(u"またね"_qs);
        k.asker.answers = {true, true, false};
        f.c().cmdSamp->click();
        f.c().cmdSamp->click();
        QCOMPARE(f.c().cmdSamp->text(), u"例文表示"_qs);

        f.options(1);

        QStringList notices;
        for (const ScriptedAsker::Question& question : k.asker.asked)
            if (question.style == Asker::Notice)
                notices.append(question.message);
        QCOMPARE(notices, QStringList({u"「Talk.txt」を保存できませんでした。"_qs,
                                       u"「day.txt」を保存できませんでした。"_qs,
                                       u"「addres.txt」を保存できませんでした。"_qs,
                                       u"「mail.txt」を保存できませんでした。"_qs,
                                       u"設定を保存できませんでした。"_qs}));
        QStringList after;
        for (const QString& name : m_names)
            after.append(identity(f.dir.filePath(name)));
        QCOMPARE(after, before);
        QStringList names =
            QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        QCOMPARE(names, (QStringList{"Talk.txt", "addres.txt", "config", "day.txt", "mail.txt"}));
    }

    // A phrase book larger than any real one is refused as damaged: the user
    // is told at start, once the book has been read beside the window, and it
    // is never rewritten.
    void tooLargeFileIsNoticedAndKept() {
        WindowFixture f;
        const QString book = f.dir.filePath("Talk.txt");
        {
            QFile large(book); // sparse: no room taken
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(safe_file::kMaxBytes + 1));
        }
        const QString before = identity(book);
        f.open();
        QTRY_COMPARE(f.fakes.asker.asked.size(), 1);
        QCOMPARE(f.fakes.asker.asked.first().message, u"「Talk.txt」を読めませんでした。"_qs);
        f.panel().setText(u"あ_"_qs);
        f.c().cmdSampADD->click();
        QCOMPARE(f.fakes.asker.asked.last().message, u"「Talk.txt」を保存できませんでした。"_qs);
        QCOMPARE(identity(book), before);
        QCOMPARE(QFileInfo(book).size(), safe_file::kMaxBytes + 1);
    }
};

QTEST_MAIN(BadFilesTest)
#include "bad_files_test.moc"
