#include "file_fixtures.h"
#include "mail/address_file.h"
#include "mail/mail_file.h"
#include "platform/colors.h"

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
        loadAddressFile(path("addres.txt"), addresses);
        QCOMPARE(columnTexts(addresses, 1), (QStringList{"", " a,b ", "cd_"}));
        QCOMPARE(addresses.color(0, 0), bgrColor(colors::kWhite));
        QCOMPARE(addresses.color(0, 1), bgrColor(colors::kHighlight));
        GridModel mails;
        loadMailFile(path("missing.txt"), mails);
        QCOMPARE(columnTexts(mails, 0), QStringList{""});
        QCOMPARE(mails.color(0, 0), bgrColor(colors::kHighlight));
    }

    // Other entries lose their blanks unless they end in the end marker, which
    // is dropped; a blank entry is left out.
    void savesAddresses_data() {
        QTest::addColumn<int>("openedRow");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("new entry")
            << 0 << " n,m _" << QByteArray("\" n,m \"\r\n\"a,b\"\r\n\"e,f\"\r\n");
        QTest::newRow("blank new entry") << 0 << "  _" << QByteArray("\"a,b\"\r\n\"e,f\"\r\n");
        QTest::newRow("replaced entry") << 1 << "x,y" << QByteArray("\"x,y\"\r\n\"e,f\"\r\n");
        QTest::newRow("emptied entry") << 2 << "_" << QByteArray("\"a,b\"\r\n");
    }
    void savesAddresses() {
        QFETCH(int, openedRow);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        GridModel grid;
        grid.setCols(2);
        grid.setAllTexts({{"", ""}, {"", " a,b "}, {"", "e,f_"}});
        QVERIFY(saveAddressFile(path("addres.txt"), grid, openedRow, text));
        QCOMPARE(readBytes(path("addres.txt")), bytes);
    }

    // A mail keeps its final "_"; a blank mail is left out.
    void savesMails() {
        GridModel grid;
        grid.setCols(1);
        grid.setAllTexts({{""}, {" a "}, {"b"}});
        QVERIFY(saveMailFile(path("mail.txt"), grid, 0, u"晴れ_"_qs));
        QCOMPARE(readBytes(path("mail.txt")),
                 "\"" + cp932bytes::kHare + "_\"\r\n\" a \"\r\n\"b\"\r\n");
        QVERIFY(saveMailFile(path("mail.txt"), grid, 2, "  "));
        QCOMPARE(readBytes(path("mail.txt")), QByteArray("\" a \"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestAddressMailFiles)
#include "address_mail_files_test.moc"
