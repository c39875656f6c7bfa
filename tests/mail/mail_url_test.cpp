#include "mail/mail_url.h"

#include <QUrl>
#include <QtTest>

class TestMailUrl : public QObject {
    Q_OBJECT
private slots:
    void prefixesScheme() {
        QCOMPARE(mailtoUrl("", "a", "b"), "mailto:?subject=a&body=b");
        QCOMPARE(mailtoUrl("y@x.jp", "a", "b"), "mailto:y@x.jp?subject=a&body=b");
        QCOMPARE(mailtoUrl("MAILTO:y@x.jp", "a", "b"), "MAILTO:y@x.jp?subject=a&body=b");
    }

    // Nothing in the text ends the body early, adds a field or starts a
    // fragment; line breaks arrive as CR LF.
    void wholeTextArrives() {
        const QString subject = u"明日は 晴れ?"_qs;
        const QString url = mailtoUrl("y@x.jp", subject, u"a&b=c#d%e\r\nf\ng\rh&cc=z@y"_qs);
        const QStringList fields = url.mid(url.indexOf('?') + 1).split('&');
        QCOMPARE(fields.size(), 2);
        QVERIFY(!url.contains('#') && !url.contains(' ') && !url.contains('\n'));
        QCOMPARE(QUrl::fromPercentEncoding(fields[0].mid(8).toLatin1()), subject);
        QCOMPARE(QUrl::fromPercentEncoding(fields[1].mid(5).toLatin1()),
                 u"a&b=c#d%e\r\nf\r\ng\r\nh&cc=z@y"_qs);
    }

    void splitsNameAndAddress() {
        using Parts = std::pair<QString, QString>;
        QCOMPARE(splitNameAndAddress(u" 山田 , y@x.jp "_qs), Parts(u"山田"_qs, "y@x.jp"));
        QCOMPARE(splitNameAndAddress(u"a、b,c"_qs), Parts(u"a、b"_qs, "c"));
        QCOMPARE(splitNameAndAddress(u"a：b、c"_qs), Parts(u"a：b"_qs, "c"));
        QCOMPARE(splitNameAndAddress(u"a：b_"_qs), Parts("a", "b"));
        QVERIFY(!splitNameAndAddress(u"山田 y@x.jp"_qs));
    }
};

QTEST_GUILESS_MAIN(TestMailUrl)
#include "mail_url_test.moc"
