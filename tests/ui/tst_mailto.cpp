// The e-mail link: percent-encoding of the message text, the recipients, the
// subject, and what reaches the desktop.
#include "ui/DesktopRecorder.h"
#include "ui/windows/MailLink.h"

#include <QTest>

class TestMailLink : public QObject {
    Q_OBJECT
private slots:
    void percentEncode_data();
    void percentEncode();
    void recipients_data();
    void recipients();
    void subjectIsEncodedLikeTheBody();
    void nothingOpensWithoutRecipient();
    void linkReachesDesktopUnchanged();
    void publisherMessage();
};

void TestMailLink::percentEncode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("contact form body")
        << QStringLiteral("Nom: A\r\nPrénom: B\r\n\r\nBonjour, à bientôt !")
        << QStringLiteral("Nom%3A%20A%0D%0APr%C3%A9nom%3A%20B%0D%0A%0D%0ABonjour%2C%20%C3%A0%20bient%C3%B4t%20%21");
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("digits and capitals") << QStringLiteral("AZaz09") << QStringLiteral("AZaz09");
    QTest::newRow("blank") << QStringLiteral("a b") << QStringLiteral("a%20b");
    QTest::newRow("e acute is two UTF-8 bytes") << QStringLiteral("é") << QStringLiteral("%C3%A9");
    QTest::newRow("tab keeps its leading zero") << QStringLiteral("\t") << QStringLiteral("%09");
    QTest::newRow("ampersand") << QStringLiteral("&") << QStringLiteral("%26");
    QTest::newRow("unreserved marks are encoded too") << QStringLiteral("-._~") << QStringLiteral("%2D%2E%5F%7E");
    QTest::newRow("oe ligature of coeur") << QStringLiteral("cœur") << QStringLiteral("c%C5%93ur");
    QTest::newRow("euro sign is three bytes") << QStringLiteral("€") << QStringLiteral("%E2%82%AC");
    QTest::newRow("letters outside Windows-1252 are kept") << QStringLiteral("ĉ") << QStringLiteral("%C4%89");
    QTest::newRow("a character beyond 16 bits is four bytes")
        << QString::fromUcs4(U"a\U0001F600b") << QStringLiteral("a%F0%9F%98%80b");
    QTest::newRow("empty") << QString() << QString();
}

void TestMailLink::percentEncode()
{
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(PercentEncode(text), encoded);
}

void TestMailLink::recipients_data()
{
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("bcc");
    QTest::addColumn<QString>("link");
    QTest::newRow("empty pieces are skipped, bcc without cc")
        << QStringLiteral("a;;b") << QString() << QStringLiteral("c") << QStringLiteral("mailto:?to=a&to=b&bcc=c");
    QTest::newRow("to, cc, bcc in this order")
        << QStringLiteral("a") << QStringLiteral("x;y") << QStringLiteral("z")
        << QStringLiteral("mailto:?to=a&cc=x&cc=y&bcc=z");
    QTest::newRow("trailing separator") << QStringLiteral("a;") << QString() << QString() << QStringLiteral("mailto:?to=a");
    QTest::newRow("only separators: no link") << QStringLiteral(";;") << QString() << QString() << QString();
    QTest::newRow("only separators everywhere: no link")
        << QStringLiteral(";") << QStringLiteral(";") << QStringLiteral(";") << QString();
    QTest::newRow("cc alone cannot make a link") << QString() << QStringLiteral("x") << QString() << QString();
}

void TestMailLink::recipients()
{
    QFETCH(QString, to);
    QFETCH(QString, cc);
    QFETCH(QString, bcc);
    QFETCH(QString, link);
    QCOMPARE(MailLinkText(to, cc, bcc, QString(), QString()), link);
}

void TestMailLink::subjectIsEncodedLikeTheBody()
{
    QCOMPARE(MailLinkText(QStringLiteral("a"), {}, {}, QStringLiteral("Q&R é"), QStringLiteral("Q&R é")),
             QStringLiteral("mailto:?to=a&Subject=Q%26R%20%C3%A9&Body=Q%26R%20%C3%A9"));
    QCOMPARE(MailLinkText(QStringLiteral("a"), {}, {}, {}, QStringLiteral("x")),
             QStringLiteral("mailto:?to=a&Body=x"));
    QCOMPARE(MailLinkText(QStringLiteral("a"), {}, {}, QStringLiteral("s"), {}),
             QStringLiteral("mailto:?to=a&Subject=s"));
    // A subject cannot add a recipient, a field, or end the link.
    QCOMPARE(MailLinkText(QStringLiteral("a"), {}, {}, QStringLiteral("Rimes & co?cc=x@y.z#2"), QStringLiteral("x")),
             QStringLiteral("mailto:?to=a&Subject=Rimes%20%26%20co%3Fcc%3Dx%40y%2Ez%232&Body=x"));
}

void TestMailLink::nothingOpensWithoutRecipient()
{
    DesktopRecorder desktop;
    OpenMailLink(QString(), QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("s"), QStringLiteral("x"));
    OpenMailLink(QStringLiteral(";"), QString(), QString(), QStringLiteral("s"), QStringLiteral("x"));
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(desktop.offered.isEmpty());
}

void TestMailLink::linkReachesDesktopUnchanged()
{
    DesktopRecorder desktop;
    OpenMailLink(QStringLiteral("a@b.fr"), {}, {}, QStringLiteral("Versalune version 2.52"),
                 QStringLiteral("é 100%"));
    QCOMPARE(desktop.opened.size(), 1);
    const QUrl url = desktop.opened.first();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    // The blanks of the subject are the only change on the way out.
    QCOMPARE(url.toString(QUrl::FullyEncoded),
             QStringLiteral("mailto:?to=a@b.fr&Subject=Versalune%20version%202.52&Body=%C3%A9%20100%25"));
}

void TestMailLink::publisherMessage()
{
    DesktopRecorder desktop(false);
    // Refused by the desktop: reported to the caller, which keeps its text.
    QVERIFY(!MailPublisher(QStringLiteral("Objet"), QStringLiteral("Nom: A")));
    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.first().toString(QUrl::FullyEncoded),
             QStringLiteral("mailto:?to=") + QString::fromLatin1(PublisherAddress)
                 + QStringLiteral("&Subject=Objet&Body=Nom%3A%20A"));
    QVERIFY(desktop.offered.isEmpty());
    DesktopRecorder accepting;
    QVERIFY(MailPublisher(QStringLiteral("Objet"), QStringLiteral("x")));
}

QTEST_GUILESS_MAIN(TestMailLink)
#include "tst_mailto.moc"
