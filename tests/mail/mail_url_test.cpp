#include "mail/mail_url.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

class TestMailUrl : public QObject {
    Q_OBJECT
private slots:
    // The scheme is added once; what the address holds arrives as it is.
    void prefixesScheme() {
        QCOMPARE(mailtoUrl("", "a", "b"), "mailto:?subject=a&body=b");
        QCOMPARE(mailtoUrl("MAILTO:y@x.jp", "a", "b"), "MAILTO:y@x.jp?subject=a&body=b");
        QCOMPARE(mailtoUrl("a@x.jp,b@y.jp", "a", "b"), "mailto:a@x.jp,b@y.jp?subject=a&body=b");
    }

    // Whatever the address, subject and body hold, the mail program gets
    // exactly these three fields: no added field, no fragment, nothing cut.
    // The subject arrives without line breaks, the body with CR LF.
    void fieldsArriveWholeAndAlone_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("sentSubject");
        QTest::addColumn<QString>("sentBody");
        const auto add = [](const char* name, const QString& address, const QString& subject,
                            const QString& body, const QString& sentSubject,
                            const QString& sentBody) {
            QTest::newRow(name) << address << subject << body << sentSubject << sentBody;
        };
        add("cc in the address", "yamada@example.jp?cc=spy@example.org", "hi", "b", "hi", "b");
        add("fragment in the address", "a#b@example.jp", "s", "b", "s", "b");
        add("escape in the address", "a%41b@example.jp", "s", "b", "s", "b");
        add("blanks, & and kana in the address", u"山田 太郎&co=1@例え.jp"_qs, "s", "b", "s", "b");
        add("line breaks in the subject", "y@x.jp", "hi\r\nBcc: spy@example.org\nx\ry", "b",
            "hi Bcc: spy@example.org x y", "b");
        add("signs in the body", "y@x.jp", u"明日は 晴れ?"_qs, u"a&b=c#d%e\r\nf\ng\rh&cc=z@y"_qs,
            u"明日は 晴れ?"_qs, u"a&b=c#d%e\r\nf\r\ng\r\nh&cc=z@y"_qs);
    }
    void fieldsArriveWholeAndAlone() {
        QFETCH(QString, address);
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(QString, sentSubject);
        QFETCH(QString, sentBody);
        const QUrl url =
            QUrl::fromEncoded(mailtoUrl(address, subject, body).toUtf8(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QString("mailto"));
        QCOMPARE(url.path(QUrl::FullyDecoded), address);
        QVERIFY(!url.hasFragment());
        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0), (QPair<QString, QString>("subject", sentSubject)));
        QCOMPARE(items.at(1), (QPair<QString, QString>("body", sentBody)));
    }

    // Ten characters as a person counts them; a character outside the Basic
    // Multilingual Plane is never cut in two.
    void subjectIsTheFirstTenCharacters() {
        QCOMPARE(mailSubject(u"123456789😀end"_qs), u"123456789😀"_qs);
        QCOMPARE(mailSubject(u"😀😀😀😀😀😀😀😀😀😀😀"_qs), u"😀😀😀😀😀😀😀😀😀😀"_qs);
        QCOMPARE(mailSubject(u"明日は\r\n雨です\nね"_qs), u"明日は 雨です ね"_qs);
        QCOMPARE(mailSubject("short"), QString("short"));
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
