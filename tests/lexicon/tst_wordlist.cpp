// Reading and cutting the word list.
#include "lexicon/DataItems.h"
#include "lexicon/WordCipher.h"
#include "lexicon/WordList.h"
#include "support/TestSupport.h"

#include <QTest>

namespace {
QByteArray item(const QByteArray &text)
{
    return text;
}
} // namespace

class TestWordList : public QObject {
    Q_OBJECT
private slots:
    void cutsTheSevenFields()
    {
        WordList list;
        QVERIFY(!list.readLines(item("w@e@a@t@1@2@ADJ;NOM\r\n")));
        QVERIFY(!list.cutLines());
        QCOMPARE(list.wordCount(), 1);
        QCOMPARE(list.cipheredHeadword(0), u"w");
        QCOMPARE(list.exactSound(0), u"e");
        QCOMPARE(list.approxSound(0), u"a");
        QCOMPARE(list.writtenTail(0), u"t");
        QCOMPARE(list.isConjugated(0), 1);
        QCOMPARE(list.syllableCount(0), 2);
        QCOMPARE(list.categories(0), u"ADJ;NOM");
    }

    void deciphersOnDemand()
    {
        WordList list;
        const QByteArray line = TestSupport::wordListLine(QStringLiteral("abaissé"), "ésé", "sé", "abaissé", 0, 3, "ADJ");
        QVERIFY(!list.readLines(TestSupport::wordListItem({line})));
        QVERIFY(!list.cutLines());
        QCOMPARE(list.headword(0), QStringLiteral("abaissé"));
        QCOMPARE(list.exactSound(0), u"ésé");
        QCOMPARE(list.writtenTail(0), u"abaissé");
    }

    void poundBecomesCommaBeforeCutting()
    {
        WordList list;
        QVERIFY(!list.readLines(item("a\xa3z@e@a@t@0@1@NOM\r\n")));
        QVERIFY(!list.cutLines());
        QCOMPARE(list.cipheredHeadword(0), u"a,z");
    }

    void lastLineWithoutLineEndIsLost()
    {
        WordList list;
        QVERIFY(!list.readLines(item("a@b@c@d@0@1@NOM\r\nx@y@z@t@0@1@ADJ")));
        QCOMPARE(list.wordCount(), 1);
        WordList padded;
        QVERIFY(!padded.readLines(item("a@b@c@d@0@1@NOM\r\nx@y@z@t@0@1@ADJ\r\n")));
        QCOMPARE(padded.wordCount(), 2);
        // The shipped padding after the last line is not a line.
        WordList shipped;
        QVERIFY(!shipped.readLines(TestSupport::wordListItem({"a@b@c@d@0@1@NOM"})));
        QCOMPARE(shipped.wordCount(), 1);
    }

    void missingItemLeavesTheListEmpty()
    {
        WordList list;
        const auto error = list.readLines(std::nullopt);
        QVERIFY(error);
        QCOMPARE(list.wordCount(), 0);
        QVERIFY(!list.cutLines());
        QCOMPARE(list.exactSound(0), u"");
    }

    void moreThanCapacityKeepsTheFirstLines()
    {
        QByteArray text;
        const QByteArray line("h@ab@b@tail@0@1@NOM\r\n");
        text.reserve(line.size() * (WordList::Capacity + 2));
        for (int i = 0; i < WordList::Capacity + 2; ++i)
            text += line;
        WordList list;
        const auto readError = list.readLines(text);
        QVERIFY(readError);
        QCOMPARE(list.rawWordCount(), WordList::Capacity + 2);
        QCOMPARE(list.wordCount(), WordList::Capacity);
        // Cutting fails when it reaches the first line beyond the capacity,
        // after every stored line was cut.
        const auto cutError = list.cutLines();
        QVERIFY(cutError);
        QCOMPARE(list.exactSound(WordList::Capacity - 1), u"ab");
        QCOMPARE(list.exactSound(WordList::Capacity), u"");
    }

    void badLineStopsTheCutting_data()
    {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<int>("errorNumber");
        QTest::newRow("five @") << QByteArray("h@e@a@t@0@1") << 5;
        QTest::newRow("no @") << QByteArray("nothing here") << 5;
        QTest::newRow("field 5 not a number") << QByteArray("h@e@a@t@x@1@NOM") << 13;
        QTest::newRow("field 6 not a number") << QByteArray("h@e@a@t@0@@NOM") << 13;
    }

    void badLineStopsTheCutting()
    {
        QFETCH(QByteArray, badLine);
        QFETCH(int, errorNumber);
        WordList list;
        QVERIFY(!list.readLines("h@one@a@t@0@1@NOM\r\n" + badLine + "\r\nh@three@a@t@0@1@NOM\r\n"));
        const auto error = list.cutLines();
        QVERIFY(error);
        QCOMPARE(error->number, errorNumber);
        QCOMPARE(list.exactSound(0), u"one");
        QCOMPARE(list.exactSound(1), u"");
        QCOMPARE(list.exactSound(2), u"");
        QCOMPARE(list.syllableCount(2), 0);
    }

    void extraAtSignsStayInTheCategories()
    {
        WordList list;
        QVERIFY(!list.readLines("h@e@a@t@0@3@NOM@X\r\n"));
        QVERIFY(!list.cutLines());
        QCOMPARE(list.categories(0), u"NOM@X");
    }

    void outOfRangeIndexIsEmpty()
    {
        WordList list;
        QCOMPARE(list.exactSound(-1), u"");
        QCOMPARE(list.headword(WordList::Capacity), QString());
        QCOMPARE(list.isConjugated(123456), 0);
    }

    // The tables built with the program stand for the cutting of the shipped
    // list, line by line.
    void readyTablesGiveWhatCuttingGives()
    {
        const auto item = DataItems::read(DataItems::WordListType, DataItems::WordListId);
        WordList taken;
        QVERIFY(!taken.readLines(item, DataItems::read(DataItems::WordListTablesType, DataItems::WordListId)));
        QVERIFY(taken.tablesTaken());
        QVERIFY(!taken.cutLines());
        WordList cut;
        QVERIFY(!cut.readLines(item));
        QVERIFY(!cut.cutLines());
        QCOMPARE(taken.recordCount(), cut.recordCount());
        QCOMPARE(taken.rawWordCount(), cut.rawWordCount());
        for (int i = 0; i < cut.recordCount(); ++i) {
            if (taken.headword(i) != cut.headword(i) || taken.headword(i) != WordCipher(cut.cipheredHeadword(i)) || taken.exactSoundBytes(i) != cut.exactSoundBytes(i)
                || taken.approxSoundBytes(i) != cut.approxSoundBytes(i)
                || taken.writtenTailBytes(i) != cut.writtenTailBytes(i)
                || taken.categoriesBytes(i) != cut.categoriesBytes(i)
                || taken.syllableCount(i) != cut.syllableCount(i) || taken.isConjugated(i) != cut.isConjugated(i))
                QFAIL(qPrintable(QStringLiteral("line %1 differs").arg(i)));
        }
    }

    // Tables of other bytes, damaged or of a list that did not cut whole are
    // never taken: the list is cut as without them.
    void tablesNotOfTheBytesAreIgnored()
    {
        const QByteArray text("ab@e@a@t@0@1@NOM\r\nlonger@e@a@tail@1@12@VER;ADJ\r\n");
        WordList source;
        QVERIFY(!source.readLines(item(text)));
        QVERIFY(!source.cutLines());
        const QByteArray image = source.tablesImage();
        QVERIFY(!image.isEmpty());

        WordList same;
        QVERIFY(!same.readLines(item(text), image));
        QVERIFY(same.tablesTaken());
        QVERIFY(!same.cutLines());
        QCOMPARE(same.writtenTail(1), u"tail");
        QCOMPARE(same.syllableCount(1), 12);

        QByteArray moved = text;
        moved.replace("tail", "tall");
        QByteArray shifted = text;
        shifted.replace("@e@a@t@0", "@ea@@t@0");
        QByteArray truncated = image;
        truncated.chop(1);
        QByteArray badMagic = image;
        badMagic[0] = 'X';
        const QList<std::pair<QByteArray, QByteArray>> mismatches = {
            {moved, image}, {shifted, image}, {text, truncated}, {text, badMagic}, {text, QByteArray()}};
        for (const auto &[bytes, tables] : mismatches) {
            WordList list;
            QVERIFY(!list.readLines(item(bytes), tables));
            QVERIFY(!list.tablesTaken());
            QVERIFY(!list.cutLines());
            QCOMPARE(list.recordCount(), 2);
        }

        WordList broken;
        QVERIFY(!broken.readLines(item("ab@e@a@t@0@1@NOM\r\nno fields\r\n")));
        QVERIFY(broken.cutLines());
        QVERIFY(broken.tablesImage().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
