#include "byte_file.h"
#include "mail/address_file.h"
#include "mail/mail_file.h"
#include "platform/colors.h"
#include "platform/grid_model.h"

#include <QTemporaryDir>
#include <QtTest>

class TestAddressMailFiles : public QObject {
    Q_OBJECT
private slots:
    void loadsAddressesUntrimmedBelowEmptyRow();
    void loadsMailsBelowEmptyRow();
    void missingFilesReadEmpty();
    void savesAddresses_data();
    void savesAddresses();
    void savesMails();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    static QStringList column(const GridModel& grid, int col) {
        QStringList texts;
        for (int row = 0; row < grid.rows(); ++row)
            texts.append(grid.text(row, col));
        return texts;
    }
};

void TestAddressMailFiles::loadsAddressesUntrimmedBelowEmptyRow() {
    QVERIFY(writeBytes(path("addres.txt"),
                       "\" " + cp932bytes::kYamada + ",y@example.jp \"\r\n  \r\n\"a\"b,c\"\r\n"));
    GridModel grid;
    loadAddressFile(path("addres.txt"), grid);
    QCOMPARE(grid.cols(), 2);
    QCOMPARE(column(grid, 1), (QStringList{"", u" 山田,y@example.jp "_qs, "ab,c"}));
    QCOMPARE(grid.color(0, 0), bgrColor(colors::kWhite));
    QCOMPARE(grid.color(0, 1), bgrColor(colors::kHighlight));
}

void TestAddressMailFiles::loadsMailsBelowEmptyRow() {
    QVERIFY(writeBytes(path("mail.txt"), "\"" + cp932bytes::kHare + "_\"\r\n\" x\"\r\n"));
    GridModel grid;
    loadMailFile(path("mail.txt"), grid);
    QCOMPARE(grid.cols(), 1);
    QCOMPARE(column(grid, 0), (QStringList{"", u"晴れ_"_qs, " x"}));
    QCOMPARE(grid.color(0, 0), bgrColor(colors::kHighlight));
}

void TestAddressMailFiles::missingFilesReadEmpty() {
    GridModel addresses;
    loadAddressFile(path("none.txt"), addresses);
    QCOMPARE(column(addresses, 1), QStringList{""});
    GridModel mails;
    loadMailFile(path("none.txt"), mails);
    QCOMPARE(column(mails, 0), QStringList{""});
}

void TestAddressMailFiles::savesAddresses_data() {
    QTest::addColumn<int>("openedRow");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // The list: "", " a,b ", "c,d_ ", "e,f_".
    QTest::newRow("new entry with end marker")
        << 0 << " n,m _" << QByteArray("\" n,m \"\r\n\"a,b\"\r\n\"c,d_\"\r\n\"e,f\"\r\n");
    QTest::newRow("blank new entry adds nothing")
        << 0 << "  _" << QByteArray("\"a,b\"\r\n\"c,d_\"\r\n\"e,f\"\r\n");
    QTest::newRow("replaced entry")
        << 1 << "x,y" << QByteArray("\"x,y\"\r\n\"c,d_\"\r\n\"e,f\"\r\n");
    QTest::newRow("emptied entry dropped") << 3 << "_" << QByteArray("\"a,b\"\r\n\"c,d_\"\r\n");
}

void TestAddressMailFiles::savesAddresses() {
    QFETCH(int, openedRow);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    GridModel grid;
    grid.setCols(2);
    grid.setAllTexts({{"", ""}, {"", " a,b "}, {"", "c,d_ "}, {"", "e,f_"}});
    QVERIFY(saveAddressFile(path("addres.txt"), grid, openedRow, text));
    QCOMPARE(readBytes(path("addres.txt")), bytes);
}

void TestAddressMailFiles::savesMails() {
    GridModel grid;
    grid.setCols(1);
    grid.setAllTexts({{""}, {" a "}, {"b"}});
    QVERIFY(saveMailFile(path("mail.txt"), grid, 0, u"晴れ_"_qs));
    QCOMPARE(readBytes(path("mail.txt")), "\"" + cp932bytes::kHare + "_\"\r\n\" a \"\r\n\"b\"\r\n");
    QVERIFY(saveMailFile(path("mail.txt"), grid, 2, "  "));
    QCOMPARE(readBytes(path("mail.txt")), QByteArray("\" a \"\r\n"));
}

QTEST_GUILESS_MAIN(TestAddressMailFiles)
#include "tst_addressmailfiles.moc"
