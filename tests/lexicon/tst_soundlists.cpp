// The two rhyme sound lists keep every piece, the last one too.
#include "lexicon/DataItems.h"
#include "lexicon/SoundList.h"

#include <QTest>

class TestSoundLists : public QObject {
    Q_OBJECT
private slots:
    void exactListEndsWithAnEmptyPiece()
    {
        SoundList list(SoundList::ExactCapacity);
        QVERIFY(!list.load(QByteArray("abe\r\nab\xe9\r\nabi\r\n"), "1_SONORES_EXACTES", 101));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.entries().size(), 4);
        QCOMPARE(list.entries().at(1), QStringLiteral("abé"));
        QCOMPARE(list.entries().last(), QString());
    }

    void approxListEndsWithItsPadding()
    {
        SoundList list(SoundList::ApproxCapacity);
        QVERIFY(!list.load(QByteArray("al\r\nor\0\0\0", 9), "2_SONORES_APP", 102));
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.entries().last(), QStringLiteral("or") + QString(3, QChar(0)));
    }

    void tooManyPiecesKeepsWhatFits()
    {
        SoundList list(3);
        const auto error = list.load(QByteArray("a\r\nb\r\nc\r\nd\r\ne"), "2_SONORES_APP", 102);
        QVERIFY(error);
        QCOMPARE(list.entries(), QStringList({"a", "b", "c"}));
    }

    void missingItemIsAnError()
    {
        SoundList list(SoundList::ExactCapacity);
        QVERIFY(list.load(std::nullopt, "1_SONORES_EXACTES", 101));
        QCOMPARE(list.count(), 0);
    }

    void shippedListsFitAndEndAsExpected()
    {
        SoundList exact(SoundList::ExactCapacity);
        QVERIFY(!exact.load(DataItems::read(DataItems::ExactSoundsType, DataItems::ExactSoundsId), "", 0));
        QVERIFY(exact.count() > 0);
        QCOMPARE(exact.entries().last(), QString());
        SoundList approx(SoundList::ApproxCapacity);
        QVERIFY(!approx.load(DataItems::read(DataItems::ApproxSoundsType, DataItems::ApproxSoundsId), "", 0));
        QVERIFY(approx.count() > 0);
        QVERIFY(approx.entries().last().endsWith(QString(3, QChar(0))));
    }
};

QTEST_APPLESS_MAIN(TestSoundLists)
#include "tst_soundlists.moc"
