// The text layer: Windows-1252 and Latin-1 conversions, and the replace-all routine.
#include "lexicon/TextCodec.h"
#include "lexicon/TextReplace.h"

#include <QTest>

class TestTextLayer : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = TextCodec::fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(TextCodec::toWindows1252(text), all);
    }

    void windows1252SpecialLetters()
    {
        QCOMPARE(TextCodec::fromWindows1252("c\x9cur"), QStringLiteral("cœur"));
        QCOMPARE(TextCodec::fromWindows1252("\x80"), QStringLiteral("€"));
        QCOMPARE(TextCodec::toWindows1252(QStringLiteral("Œuvre à côté")), QByteArray("\x8cuvre \xe0 c\xf4t\xe9"));
        // Nothing outside the code page gets through silently.
        QCOMPARE(TextCodec::toWindows1252(QStringLiteral("a→b")), QByteArray("a?b"));
    }

    void latin1HasNoLigatures()
    {
        QCOMPARE(TextCodec::fromLatin1("\xe9t\xe9"), QStringLiteral("été"));
        QCOMPARE(TextCodec::toLatin1(QStringLiteral("cœur")), QByteArray("c?ur"));
    }

    void sChangeCaractere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count");
        QTest::newRow("blanks only stay") << "   " << " " << "," << "   " << 0;
        QTest::newRow("hyphens to blanks") << "a-b-d" << "-" << " " << "a b d" << 2;
        QTest::newRow("no overlap") << "aaa" << "aa" << "b" << "ba" << 1;
        QTest::newRow("empty old text") << "abc" << "" << "x" << "abc" << 0;
        QTest::newRow("empty text") << "" << "a" << "b" << "" << 0;
        QTest::newRow("deletion") << "a\\b\\c" << "\\" << "" << "abc" << 2;
        QTest::newRow("new holds old") << "ab" << "a" << "aa" << "aab" << 1;
        QTest::newRow("case counts") << "Aa" << "a" << "b" << "Ab" << 1;
        QTest::newRow("pound to comma") << "x£y£" << "£" << "," << "x,y," << 2;
    }

    void sChangeCaractere()
    {
        QFETCH(QString, text);
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        QFETCH(QString, expected);
        QFETCH(int, count);
        int replacements = 0;
        QCOMPARE(::sChangeCaractere(text, oldText, newText, &replacements), expected);
        QCOMPARE(replacements, count);
    }
};

QTEST_APPLESS_MAIN(TestTextLayer)
#include "tst_textlayer.moc"
