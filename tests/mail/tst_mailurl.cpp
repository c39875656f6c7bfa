#include "mail/mail_url.h"

#include <QUrl>
#include <QtTest>

class TestMailUrl : public QObject {
    Q_OBJECT
private slots:
    void prefixesScheme_data();
    void prefixesScheme();
    void wholeTextArrives();
    void splitsNameAndAddress_data();
    void splitsNameAndAddress();
};

void TestMailUrl::prefixesScheme_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("url");
    QTest::newRow("empty address") << ""
                                   << "mailto:?subject=a&body=b";
    QTest::newRow("plain address") << "y@example.jp"
                                   << "mailto:y@example.jp?subject=a&body=b";
    QTest::newRow("already prefixed") << "MAILTO:y@example.jp"
                                      << "MAILTO:y@example.jp?subject=a&body=b";
}

void TestMailUrl::prefixesScheme() {
    QFETCH(QString, address);
    QFETCH(QString, url);
    QCOMPARE(mailtoUrl(address, "a", "b"), url);
}

void TestMailUrl::wholeTextArrives() {
    const QString subject = u"明日は 晴れ?"_qs;
    const QString body = u"a&b=c#d%e\r\nf\ng\rh&cc=x@y"_qs;
    const QString url = mailtoUrl("y@example.jp", subject, body);
    QVERIFY(url.startsWith("mailto:y@example.jp?subject="));
    const QStringList fields = url.mid(url.indexOf('?') + 1).split('&');
    QCOMPARE(fields.size(), 2); // nothing of the text became a field of its own
    QVERIFY(!url.contains('#') && !url.contains(' ') && !url.contains('\n'));
    QCOMPARE(QUrl::fromPercentEncoding(fields[0].mid(8).toLatin1()), subject);
    QCOMPARE(QUrl::fromPercentEncoding(fields[1].mid(5).toLatin1()),
             u"a&b=c#d%e\r\nf\r\ng\r\nh&cc=x@y"_qs);
    QVERIFY(url.contains("%0D%0Af%0D%0Ag%0D%0Ah"));
}

void TestMailUrl::splitsNameAndAddress_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("comma") << u" 山田 , y@x.jp "_qs << u"山田"_qs << "y@x.jp";
    QTest::newRow("comma wins wherever it stands") << u"a、b,c"_qs << u"a、b"_qs << "c";
    QTest::newRow("ideographic comma before colon") << u"a：b、c"_qs << u"a：b"_qs << "c";
    QTest::newRow("full-width colon") << u"a：b"_qs << "a"
                                      << "b";
    QTest::newRow("end marker") << u"a,b@c.jp_"_qs << "a"
                                << "b@c.jp";
}

void TestMailUrl::splitsNameAndAddress() {
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, address);
    const auto parts = splitNameAndAddress(entry);
    QVERIFY(parts);
    QCOMPARE(parts->first, name);
    QCOMPARE(parts->second, address);
    QVERIFY(!splitNameAndAddress(u"山田 y@x.jp"_qs));
}

QTEST_GUILESS_MAIN(TestMailUrl)
#include "tst_mailurl.moc"
