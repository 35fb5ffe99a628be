// The headword cipher.
#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <QTest>

class TestWordCipher : public QObject {
    Q_OBJECT
private slots:
    void tableAddsModulo256()
    {
        const CipherTable &t = CipherTable::instance();
        QCOMPARE(int(t.at(0, 0)), 0);
        QCOMPARE(int(t.at(255, 1)), 0);
        QCOMPARE(int(t.at(200, 100)), 44);
        QCOMPARE(t.rowStartingWith(77), 77);
        QCOMPARE(int(t.at(t.columnHolding(77, 3), 77)), 3);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("shorter than the key") << QStringLiteral("été") << QByteArray("LUNAISON");
        QTest::newRow("longer than the key") << QStringLiteral("anticonstitutionnellement") << QByteArray("ABC");
        QTest::newRow("expression") << QStringLiteral("à côté, cœur") << QByteArray(kWordKeyForTest());
    }

    void roundTrip()
    {
        QFETCH(QString, plain);
        QFETCH(QByteArray, key);
        const QString cipher = WordEncipher(plain, key);
        QVERIFY(cipher != plain);
        QCOMPARE(WordCipher(cipher, key), plain);
    }

    void keyRepeatsFromItsFirstCharacter()
    {
        // Key "AB" (65, 66) on cipher codes 66, 67, 66, 67: each minus its key byte.
        QCOMPARE(WordCipher(QStringLiteral("BCBC"), "AB"), QString(4, QChar(1)));
        QCOMPARE(WordCipher(QStringLiteral("BDF"), "A"), QStringLiteral("\x01\x03\x05"));
    }

    void extremeCodes()
    {
        // Cipher 0 with key 255 gives 1; cipher 255 with key 0 gives 255.
        const QByteArray key255("\xff", 1);
        QCOMPARE(WordCipher(QString(QChar(0)), key255), QString(QChar(1)));
        const QByteArray key0("\0", 1);
        QCOMPARE(TextCodec::toWindows1252(WordCipher(QString(QChar(0xFF)), key0)), QByteArray("\xff"));
        // Every code survives with a key character of 255.
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString plain = TextCodec::fromWindows1252(all);
        QCOMPARE(WordCipher(WordEncipher(plain, key255), key255), plain);
    }

    void emptyText()
    {
        QCOMPARE(WordCipher(QString()), QString());
        QCOMPARE(WordCipher(QStringView()), QString());
    }

    void programKeyIsEightLetters()
    {
        const QByteArray key = WordKey();
        QCOMPARE(key.size(), 8);
        for (const char c : key)
            QVERIFY(QChar::fromLatin1(c).isLetter());
    }

private:
    static const char *kWordKeyForTest() { return "QWERTYUI"; }
};

QTEST_APPLESS_MAIN(TestWordCipher)
#include "tst_wordcipher.moc"
