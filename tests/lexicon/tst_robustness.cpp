// Random and damaged data never crash the loaders: they report and go on.
#include "lexicon/SoundList.h"
#include "lexicon/WordList.h"
#include "support/TestSupport.h"
#include "synonyms/DelimitedFieldReader.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
QByteArray randomBytes(QRandomGenerator &random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// Damages a valid item: cuts it, inserts stray "@" and line ends, flips bytes.
QByteArray mutate(QRandomGenerator &random, QByteArray bytes)
{
    const int edits = 1 + random.bounded(8);
    for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
        const int at = random.bounded(int(bytes.size()));
        switch (random.bounded(5)) {
        case 0: bytes.truncate(at); break;
        case 1: bytes.insert(at, '@'); break;
        case 2: bytes.insert(at, "\r\n"); break;
        case 3: bytes[at] = char(random.bounded(256)); break;
        default: bytes.remove(at, 1 + random.bounded(10)); break;
        }
    }
    return bytes;
}

QByteArray validItem()
{
    QList<QByteArray> lines;
    for (int i = 0; i < 40; ++i)
        lines << TestSupport::wordListLine(QStringLiteral("mot%1").arg(i), "ézé", "zé", "mot", i % 2, 1 + i % 9, "NOM;ADJ");
    return TestSupport::wordListItem(lines);
}

void exerciseWordList(const QByteArray &item)
{
    WordList list;
    list.readLines(item);
    list.cutLines();
    for (int i = 0; i <= list.wordCount(); ++i) {
        list.headword(i);
        list.categories(i);
        list.syllableCount(i);
    }
}
} // namespace

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void wordListSurvivesDamagedItems()
    {
        QRandomGenerator random(20261209);
        const QByteArray valid = validItem();
        for (int round = 0; round < 3000; ++round)
            exerciseWordList(mutate(random, valid));
        for (int round = 0; round < 1000; ++round)
            exerciseWordList(randomBytes(random, random.bounded(400)));
    }

    void soundListsSurviveDamagedItems()
    {
        QRandomGenerator random(42);
        // The length comes from the literal itself: its text ends in three
        // zero bytes of padding, not counting the terminator.
        static constexpr char item[] = "abe\r\nab\xe9\r\nabi\r\nal\r\nor\0\0\0";
        const QByteArray valid(item, sizeof(item) - 1);
        for (int round = 0; round < 3000; ++round) {
            SoundList exact(SoundList::ExactCapacity);
            exact.load(mutate(random, valid), "1_SONORES_EXACTES", 101);
            SoundList small(4);
            const QByteArray bytes = randomBytes(random, random.bounded(200));
            small.load(bytes, "2_SONORES_APP", 102);
            QVERIFY(small.entries().size() <= 4);
        }
    }

    void fieldReaderSurvivesAnything()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = randomBytes(random, random.bounded(300));
            if (round % 3 == 0)
                bytes.prepend("\"quoted, field");
            DelimitedFieldReader reader(bytes);
            RuntimeError error;
            int fields = 0;
            while (reader.next(error))
                QVERIFY(++fields <= bytes.size() + 1);
            QCOMPARE(error.number, RuntimeError::ReadPastEnd);
        }
    }

    void fieldRules()
    {
        DelimitedFieldReader reader("  lead@a\\b\r\n\"quoted, with comma\"\r\nfirst,second\r\n\r\nlast");
        RuntimeError error;
        QCOMPARE(*reader.next(error), QStringLiteral("lead@a\\b"));
        QCOMPARE(*reader.next(error), QStringLiteral("quoted, with comma"));
        QCOMPARE(*reader.next(error), QStringLiteral("first"));
        QCOMPARE(*reader.next(error), QStringLiteral("second"));
        QCOMPARE(*reader.next(error), QString());
        QCOMPARE(*reader.next(error), QStringLiteral("last"));
        QVERIFY(!reader.next(error));
        QCOMPARE(error.number, RuntimeError::ReadPastEnd);
    }
};

QTEST_APPLESS_MAIN(TestRobustness)
#include "tst_robustness.moc"
