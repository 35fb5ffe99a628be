// Which list goes with a word, and how a list item becomes words.
#include "spelling/LetterDictionary.h"
#include "support/SpellingLists.h"

#include <QTest>

using TestSupport::spellingListItem;

class TstLetterDictionary : public QObject {
    Q_OBJECT
private slots:
    void itemForInitial_data();
    void itemForInitial();
    void everyLetterHasItsIdentifier();
    void padAndEndsYieldOnlyTerminatedWords_data();
    void padAndEndsYieldOnlyTerminatedWords();
    void latin1Words();
    void listIsReadAfreshFromItsItem();
    void wordsWithoutListReadNothing();
    void unreadableItemIsTold();
    void everyLetterIsBuiltIn();
};

void TstLetterDictionary::itemForInitial_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("type");
    QTest::newRow("small") << "maison" << "DICOM";
    QTest::newRow("capital") << "Maison" << "DICOM";
    QTest::newRow("first letter") << "a" << "DICOA";
    QTest::newRow("last letter") << "zèbre" << "DICOZ";
    QTest::newRow("capital E") << "Ecole" << "DICOE";
    // The lists file a word under its initial without accent.
    QTest::newRow("accented initial") << "école" << "DICOE";
    QTest::newRow("accented capital") << "Été" << "DICOE";
    QTest::newRow("circumflex") << "âme" << "DICOA";
    QTest::newRow("circumflex capital") << "Âme" << "DICOA";
    QTest::newRow("i circumflex") << "île" << "DICOI";
    QTest::newRow("o circumflex") << "ôter" << "DICOO";
    QTest::newRow("cedilla") << "ça" << "DICOC";
    QTest::newRow("ligature oe") << "œil" << "DICOO";
    QTest::newRow("ligature ae") << "Æsope" << "DICOA";
    QTest::newRow("other script") << "λ" << "";
    QTest::newRow("hyphen") << "-ci" << "";
    QTest::newRow("digit") << "1er" << "";
    QTest::newRow("empty") << "" << "";
}

void TstLetterDictionary::itemForInitial()
{
    QFETCH(QString, word);
    QFETCH(QString, type);
    QCOMPARE(LetterDictionary::itemTypeForWord(word), type);
}

void TstLetterDictionary::everyLetterHasItsIdentifier()
{
    QCOMPARE(LetterDictionary::itemIdForType(u"DICOA"), 201);
    QCOMPARE(LetterDictionary::itemIdForType(u"DICOM"), 213);
    QCOMPARE(LetterDictionary::itemIdForType(u"DICOZ"), 226);
}

void TstLetterDictionary::padAndEndsYieldOnlyTerminatedWords_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<QStringList>("words");
    const QStringList three {"abaca", "abat-jour", "azyme"};
    QTest::newRow("no padding") << spellingListItem(three, 0) << three;
    QTest::newRow("three zero bytes") << spellingListItem(three, 3) << three;
    QTest::newRow("unterminated tail dropped") << QByteArray("abaca\r\nazyme") << QStringList {"abaca"};
    QTest::newRow("bare line feed is no end") << QByteArray("a\nb\r\n") << QStringList {"a\nb"};
    QTest::newRow("spaces kept") << QByteArray("nota bene\r\nnon \r\n") << QStringList {"nota bene", "non "};
    QTest::newRow("empty item") << QByteArray() << QStringList();
    QTest::newRow("padding only") << QByteArray(3, '\0') << QStringList();
}

void TstLetterDictionary::padAndEndsYieldOnlyTerminatedWords()
{
    QFETCH(QByteArray, item);
    QFETCH(QStringList, words);
    QCOMPARE(LetterDictionary::parseList(item), words);
}

void TstLetterDictionary::latin1Words()
{
    const QByteArray item("\xE0\r\n\xE2" "cre\r\n\xE9t\xE9\r\n", 14);
    QCOMPARE(LetterDictionary::parseList(item), (QStringList {"à", "âcre", "été"}));
}

void TstLetterDictionary::listIsReadAfreshFromItsItem()
{
    TestSupport::SpellingLists data;
    data.lists["DICOM"] = {"maison", "mation"};
    const auto first = LetterDictionary::listForWord(u"Maizon", data.reader());
    QVERIFY(first);
    QCOMPARE(*first, (QStringList {"maison", "mation"}));
    QCOMPARE(data.lastType, QStringLiteral("DICOM"));
    QCOMPARE(data.lastId, 213);

    data.lists["DICOM"] = {"maison"};
    const auto second = LetterDictionary::listForWord(u"maizon", data.reader());
    QCOMPARE(data.reads, 2);
    QCOMPARE(*second, QStringList {"maison"});
}

void TstLetterDictionary::wordsWithoutListReadNothing()
{
    TestSupport::SpellingLists data;
    data.lists["DICOE"] = {"été"};
    for (const QString word : {"-", "", "1er"}) {
        const auto list = LetterDictionary::listForWord(word, data.reader());
        QVERIFY(list);
        QVERIFY(list->isEmpty());
    }
    QCOMPARE(data.reads, 0);
}

void TstLetterDictionary::unreadableItemIsTold()
{
    TestSupport::SpellingLists data;
    QVERIFY(!LetterDictionary::listForWord(u"maison", data.reader()));
}

void TstLetterDictionary::everyLetterIsBuiltIn()
{
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QString word {QLatin1Char(letter)};
        const auto list = LetterDictionary::listForWord(word);
        QVERIFY2(list, qPrintable(LetterDictionary::itemTypeForWord(word)));
        for (const QString &entry : *list)
            QVERIFY2(!entry.isEmpty() && !entry.contains(QChar(0)), qPrintable(entry));
    }
}

QTEST_GUILESS_MAIN(TstLetterDictionary)
#include "tst_letterdictionary.moc"
