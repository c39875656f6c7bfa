#include "file_fixtures.h"
#include "mail/address_file.h"
#include "mail/mail_file.h"
#include "platform/colors.h"
#include "platform/record_file.h"

#include <QTemporaryDir>
#include <QtTest>

class TestAddressMailFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    // The empty new entry comes first and is marked.
    void loadsBelowEmptyRow() {
        QVERIFY(writeBytes(path("addres.txt"), "\" a,b \"\r\n  \r\n\"c\"d_\"\r\n"));
        GridModel addresses;
        RecordFile book(path("addres.txt"));
        loadAddressFile(book, addresses);
        QCOMPARE(columnTexts(addresses, 1), (QStringList{"", " a,b ", "cd_"}));
        QCOMPARE(addresses.color(0, 0), bgrColor(colors::kWhite));
        QCOMPARE(addresses.color(0, 1), bgrColor(colors::kHighlight));
        GridModel mails;
        RecordFile missing(path("missing.txt"));
        loadMailFile(missing, mails);
        QCOMPARE(columnTexts(mails, 0), QStringList{""});
        QCOMPARE(mails.color(0, 0), bgrColor(colors::kHighlight));
    }

    // Other entries lose their blanks unless they end in the end marker, which
    // is dropped; a blank entry is left out.
    void savesAddresses_data() {
        QTest::addColumn<int>("openedRow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("new entry") << 0 << " n,m _" << QStringList{" n,m ", "a,b", "e,f"};
        QTest::newRow("blank new entry") << 0 << "  _" << QStringList{"a,b", "e,f"};
        QTest::newRow("replaced entry") << 1 << "x,y" << QStringList{"x,y", "e,f"};
        QTest::newRow("emptied entry") << 2 << "_" << QStringList{"a,b"};
    }
    void savesAddresses() {
        QFETCH(int, openedRow);
        QFETCH(QString, text);
        QFETCH(QStringList, records);
        GridModel grid;
        grid.setCols(2);
        grid.setAllTexts({{"", ""}, {"", " a,b "}, {"", "e,f_"}});
        QCOMPARE(addressRecords(grid, openedRow, text), records);
    }

    // A mail keeps its final "_"; a blank mail is left out.
    void savesMails() {
        GridModel grid;
        grid.setCols(1);
        grid.setAllTexts({{""}, {" a "}, {"b"}});
        QCOMPARE(mailRecords(grid, 0, u"晴れ_"_qs), (QStringList{u"晴れ_"_qs, " a ", "b"}));
        QCOMPARE(mailRecords(grid, 2, "  "), QStringList{" a "});
    }
};

QTEST_GUILESS_MAIN(TestAddressMailFiles)
#include "address_mail_files_test.moc"
