// The synonym lookup: candidates as the user types, the exact search and
// its sentences, and the sorted history of searched words.
#include "synonyms/CandidateLines.h"
#include "synonyms/ExactSearch.h"
#include "synonyms/SearchHistory.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QStringList kBlockE = {
    QStringLiteral("écla@rare"),
    QStringLiteral("éclat@brillant\\fragment\\lueur"),
    QStringLiteral("éclipse@disparition"),
    QStringLiteral("Éclair@majuscule"),
    QStringLiteral("écluse@barrage"),
    QStringLiteral("ec@lat"),
    QStringLiteral("élan@ardeur"),
};

QStringList search(CandidateLines &candidates, const QStringList &block, const QString &word)
{
    const auto fold = blockFoldFor(word.front());
    return fold ? candidates.candidateSearch(block, *fold, word) : QStringList {};
}

QString synonymLine(const QString &headword, int synonyms)
{
    QStringList words;
    for (int i = 1; i <= synonyms; ++i)
        words.append(QStringLiteral("syn%1").arg(i));
    return headword + QLatin1Char('@') + words.join(QLatin1Char('\\'));
}
} // namespace

class TestSynonymLookup : public QObject {
    Q_OBJECT

private slots:
    void blockFoldsFollowTheFirstCharacter_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("block");
        for (const QString &a : {QStringLiteral("a"), QStringLiteral("à"), QStringLiteral("â")})
            QTest::newRow(qPrintable(a)) << a << 0;
        QTest::newRow("ç") << QStringLiteral("ç") << 2;
        QTest::newRow("è") << QStringLiteral("è") << 4;
        QTest::newRow("ô") << QStringLiteral("ô") << 14;
        QTest::newRow("q") << QStringLiteral("q") << 16;
        QTest::newRow("z") << QStringLiteral("z") << 25;
        for (const QString &none : {QStringLiteral("î"), QStringLiteral("û"), QStringLiteral("ë"),
                                    QStringLiteral("ù"), QStringLiteral("7"), QStringLiteral("A")})
            QTest::newRow(qPrintable(QStringLiteral("none ") + none)) << none << -1;
    }

    void blockFoldsFollowTheFirstCharacter()
    {
        QFETCH(QString, first);
        QFETCH(int, block);
        const auto fold = blockFoldFor(first.front());
        QCOMPARE(fold ? fold->blockIndex : -1, block);
    }

    void candidatesIgnoreAccentsOfTheirBlock()
    {
        CandidateLines candidates;
        const QStringList expected = {QStringLiteral("écla"), QStringLiteral("éclat"), QStringLiteral("éclipse"),
                                      QStringLiteral("écluse")};
        QCOMPARE(search(candidates, kBlockE, QStringLiteral("ecl")), expected);
        QCOMPARE(search(candidates, kBlockE, QStringLiteral("ècl")), expected);
        // The line is compared as a whole, past its headword: "ec@lat".
        QCOMPARE(search(candidates, kBlockE, QStringLiteral("ec@l")), QStringList {QStringLiteral("ec")});
        // "î" is folded in the lines of block I, not "ô".
        const QStringList blockI = {QStringLiteral("île@ilot"), QStringLiteral("ilôt@x"), QStringLiteral("ilot@îlot")};
        QCOMPARE(search(candidates, blockI, QStringLiteral("ilo")), QStringList {QStringLiteral("ilot")});
        QCOMPARE(search(candidates, blockI, QStringLiteral("ile")), QStringList {QStringLiteral("île")});
        QCOMPARE(search(candidates, blockI, QStringLiteral("ilot@i")), QStringList {QStringLiteral("ilot")});
        // "à" and "â" are both "a", in the word and in the lines.
        const QStringList blockA = {QStringLiteral("âme@esprit"), QStringLiteral("amer@acide"), QStringLiteral("à-coup@saccade")};
        QCOMPARE(search(candidates, blockA, QStringLiteral("àm")), search(candidates, blockA, QStringLiteral("am")));
        QCOMPARE(search(candidates, blockA, QStringLiteral("a-c")), QStringList {QStringLiteral("à-coup")});
    }

    void shortWordsAndUnknownInitialsKeepTheCandidates()
    {
        CandidateLines candidates;
        search(candidates, kBlockE, QStringLiteral("ecl"));
        const QStringList before = candidates.lines();
        QVERIFY(search(candidates, kBlockE, QStringLiteral("e")).isEmpty());
        QVERIFY(CandidateLines().candidateSearch(kBlockE, *blockFoldFor(u'e'), QStringLiteral("e")).isEmpty());
        QCOMPARE(candidates.lines(), before);
        // A narrower search overwrites only its own slots.
        QCOMPARE(search(candidates, kBlockE, QStringLiteral("eclu")), QStringList {QStringLiteral("écluse")});
        QCOMPARE(candidates.lines()[1], QStringLiteral("éclat@brillant\\fragment\\lueur"));
        QCOMPARE(candidates.lines()[0], QStringLiteral("écluse@barrage"));
    }

    void candidatesStopAtCapacity()
    {
        QStringList block;
        for (int i = 0; i < CandidateLines::Capacity + 500; ++i)
            block.append(QStringLiteral("cas%1@cause").arg(i));
        CandidateLines candidates;
        QCOMPARE(search(candidates, block, QStringLiteral("ca")).size(), CandidateLines::Capacity);
        QCOMPARE(candidates.lines().size(), CandidateLines::Capacity);
        QCOMPARE(candidates.lines().last(), QStringLiteral("cas%1@cause").arg(CandidateLines::Capacity - 1));
    }

    void exactSearchComparesAccents()
    {
        CandidateLines candidates;
        search(candidates, kBlockE, QStringLiteral("ecl"));
        QVERIFY(!ExactSearch::search(QStringLiteral("eclat"), candidates.lines()).found);
        const ExactSearchResult result = ExactSearch::search(QStringLiteral("éclat"), candidates.lines());
        QVERIFY(result.found);
        QCOMPARE(result.synonyms, (QStringList {QStringLiteral("brillant"), QStringLiteral("fragment"), QStringLiteral("lueur")}));
        // A capital "É" is not folded: "Éclair" is no candidate of "ecl".
        QVERIFY(!search(candidates, kBlockE, QStringLiteral("ecl")).contains(QStringLiteral("Éclair")));
        // Headwords are lower-cased before the comparison.
        search(candidates, {QStringLiteral("Paris@capitale")}, QStringLiteral("par"));
        const ExactSearchResult paris = ExactSearch::search(QStringLiteral("paris"), candidates.lines());
        QVERIFY(paris.found);
        QCOMPARE(paris.headword, QStringLiteral("paris"));
    }

    void exactSearchReadsLinesLeftByEarlierSearches()
    {
        // "îlot" selects no block of its own but is found in the lines left
        // by the search for "ilot".
        const QStringList blockI = {QStringLiteral("îlot@île")};
        CandidateLines candidates;
        search(candidates, blockI, QStringLiteral("ilot"));
        QVERIFY(search(candidates, blockI, QStringLiteral("îlot")).isEmpty());
        QVERIFY(ExactSearch::search(QStringLiteral("îlot"), candidates.lines()).found);
        // An unfilled slot ends the look-up.
        QStringList lines(5);
        lines[1] = QStringLiteral("îlot@île");
        QVERIFY(!ExactSearch::search(QStringLiteral("îlot"), lines).found);
    }

    void sentencesForOneAndSeveralSynonyms()
    {
        const ExactSearchResult one = ExactSearch::resultForLine(QStringLiteral("ire@colère"));
        QCOMPARE(one.synonyms, QStringList {QStringLiteral("colère")});
        QCOMPARE(one.summary(), QStringLiteral("Un synonyme trouvé pour ''ire''."));
        QCOMPARE(one.oneShotMessage(),
                 QStringLiteral("Un synonyme trouvé pour ''ire'':      \r\n\r\n   colère"));

        const ExactSearchResult three = ExactSearch::resultForLine(QStringLiteral("beau@joli\\superbe\\splendide"));
        QCOMPARE(three.synonyms, (QStringList {QStringLiteral("joli"), QStringLiteral("superbe"), QStringLiteral("splendide")}));
        QCOMPARE(three.summary(), QStringLiteral("3 synonymes trouvés pour ''beau''."));
        QCOMPARE(three.oneShotMessage(), QStringLiteral("3 synonymes trouvés pour ''beau'':      \r\n"
                                                        "\r\n   joli\r\n   superbe\r\n   splendide"));
    }

    void longHeadwordsCutTheSentenceAt47()
    {
        const ExactSearchResult result = ExactSearch::resultForLine(QStringLiteral("anticonstitutionnellement@illégalement"));
        QCOMPARE(result.sentence, QStringLiteral("Un synonyme trouvé pour ''anticonstitutionnellement''."));
        QCOMPARE(result.summary(), QStringLiteral("Un synonyme trouvé pour ''anticonstitutionnelle"));
        QCOMPARE(result.summary().size(), ExactSearch::SentenceWidth);
        QVERIFY(result.oneShotMessage().startsWith(result.summary() + QStringLiteral(":      \r\n")));
    }

    void everySynonymIsListedWithItsTrueCount()
    {
        const ExactSearchResult many = ExactSearch::resultForLine(synonymLine(QStringLiteral("grand"), 67));
        QCOMPARE(many.synonyms.size(), 67);
        QCOMPARE(many.synonyms.last(), QStringLiteral("syn67"));
        QCOMPARE(many.summary(), QStringLiteral("67 synonymes trouvés pour ''grand''."));
        // The one-shot message keeps every synonym but shares its lines, so
        // that it fits on the screen.
        const QString message = many.oneShotMessage();
        for (const QString &synonym : many.synonyms)
            QVERIFY2(message.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(synonym))), qPrintable(synonym));
        const QStringList lines = message.split(QStringLiteral("\r\n"));
        QVERIFY(lines.size() < 20);
        for (const QString &line : lines)
            QVERIFY2(line.size() <= 3 + ExactSearch::SharedLineWidth, qPrintable(line));
        QVERIFY(lines.last().endsWith(QStringLiteral("syn67")));
    }

    void historySortsOnWindows1252Codes()
    {
        SearchHistory history;
        QCOMPARE(history.add(QStringLiteral("maison")), SearchHistory::Outcome::First);
        QCOMPARE(history.add(QStringLiteral("été")), SearchHistory::Outcome::Added);
        QCOMPARE(history.add(QStringLiteral("Paris")), SearchHistory::Outcome::Added);
        QCOMPARE(history.add(QStringLiteral("zoo")), SearchHistory::Outcome::Added);
        QCOMPARE(history.add(QStringLiteral("mai")), SearchHistory::Outcome::Added);
        QCOMPARE(history.add(QStringLiteral("œuvre")), SearchHistory::Outcome::Added);
        QCOMPARE(history.add(QStringLiteral("maison")), SearchHistory::Outcome::Known);
        QCOMPARE(history.words(), (QStringList {QStringLiteral("Paris"), QStringLiteral("mai"), QStringLiteral("maison"),
                                                QStringLiteral("zoo"), QStringLiteral("œuvre"), QStringLiteral("été")}));
        QCOMPARE(history.searchCount(), 6);
    }

    void historyDropsItsOldestWordWhenFull()
    {
        SearchHistory history;
        for (int i = 0; i < SearchHistory::Capacity; ++i)
            history.add(QStringLiteral("mot%1").arg(i, 4, 10, QLatin1Char('0')));
        QCOMPARE(history.searchCount(), SearchHistory::Capacity);
        history.add(QStringLiteral("mot0000")); // known: nothing leaves
        QCOMPARE(history.add(QStringLiteral("aaa")), SearchHistory::Outcome::Added);
        QCOMPARE(history.searchCount(), SearchHistory::Capacity);
        QCOMPARE(history.words().first(), QStringLiteral("aaa"));
        QVERIFY(!history.words().contains(QStringLiteral("mot0000")));
        QVERIFY(history.words().contains(QStringLiteral("mot0001")));
    }
};

QTEST_GUILESS_MAIN(TestSynonymLookup)
#include "tst_synonymlookup.moc"
