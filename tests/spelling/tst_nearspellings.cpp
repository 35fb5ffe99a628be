// Spellings a typing slip away, and their place ahead of the rated
// suggestions, on typos poets make.
#include "spelling/NearSpellings.h"

#include <QTest>

class TstNearSpellings : public QObject {
    Q_OBJECT
private slots:
    void skeletonDropsAccentsAndReadsYAsI();
    void slips_data();
    void slips();
    void poesyGetsPoesieFirst();
    void accentSlipsComeBeforeLetterSlips();
    void validWordStaysValid();
    void nearSpellingAloneIsASuggestion();
};

void TstNearSpellings::skeletonDropsAccentsAndReadsYAsI()
{
    QCOMPARE(SpellingSkeleton(u"poésy"), QStringLiteral("POESI"));
    QCOMPARE(SpellingSkeleton(u"cœur"), QStringLiteral("COEUR"));
    QCOMPARE(SpellingSkeleton(u"Êtres à Noël"), QStringLiteral("ETRES A NOEL"));
}

void TstNearSpellings::slips_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("near");
    QTest::newRow("final y for ie") << "poésy" << "poésie" << true;
    QTest::newRow("last letter changed") << "amout" << "amour" << true;
    QTest::newRow("letter dropped inside") << "lumire" << "lumière" << true;
    QTest::newRow("letter doubled") << "rimme" << "rime" << true;
    QTest::newRow("neighbours swapped") << "ciel" << "ceil" << true;
    QTest::newRow("accents only") << "fenetre" << "fenêtre" << true;
    QTest::newRow("two slips") << "poésy" << "posés" << false;
    QTest::newRow("two letters added") << "mer" << "merci" << false;
    QTest::newRow("different words") << "nuit" << "jour" << false;
}

void TstNearSpellings::slips()
{
    QFETCH(QString, typed);
    QFETCH(QString, word);
    QFETCH(bool, near);
    QCOMPARE(OneSlipApart(SpellingSkeleton(typed), SpellingSkeleton(word)), near);
    QCOMPARE(OneSlipApart(SpellingSkeleton(word), SpellingSkeleton(typed)), near);
}

void TstNearSpellings::poesyGetsPoesieFirst()
{
    const QStringList list {"poème", "poèmes", "poésie", "poésies", "poète", "posés", "posée"};
    // The rate alone finds only "posés": "poésie" is a letter longer and
    // shares too few letters in one run.
    QCOMPARE(SpellCheck("poésy", list, false, DefaultMinRate).suggestions, QStringList {"posés"});
    const SpellCheckResult result = SpellCheckWithNearSpellings("poésy", list, false, DefaultMinRate);
    QCOMPARE(result.verdict, SpellVerdict::WordIncorrect);
    QCOMPARE(result.suggestions.first(), QStringLiteral("poésie"));
    QVERIFY(result.suggestions.contains("posés"));
    QCOMPARE(result.suggestions.count("posés"), 1);
}

void TstNearSpellings::accentSlipsComeBeforeLetterSlips()
{
    const QStringList list {"fenêtres", "fenêtre", "fenêtré"};
    QCOMPARE(NearSpellings("fenetre", list), (QStringList {"fenêtre", "fenêtré", "fenêtres"}));
    QCOMPARE(NearSpellings("Ete", {"étés", "été", "êta"}), (QStringList {"été", "étés", "êta"}));
}

void TstNearSpellings::validWordStaysValid()
{
    const SpellCheckResult result = SpellCheckWithNearSpellings("Poésie", {"poésie", "poésies"}, true, DefaultMinRate);
    QCOMPARE(result.verdict, SpellVerdict::WordValid);
    QVERIFY(result.suggestions.isEmpty());
    QVERIFY(!NearSpellings("poésie", {"poésie", "Poésie"}).contains("Poésie"));
}

void TstNearSpellings::nearSpellingAloneIsASuggestion()
{
    QCOMPARE(SpellCheck("Ete", {"été"}, false, DefaultMinRate).verdict, SpellVerdict::NoSuggestion);
    const SpellCheckResult result = SpellCheckWithNearSpellings("Ete", {"été"}, false, DefaultMinRate);
    QCOMPARE(result.verdict, SpellVerdict::WordIncorrect);
    QCOMPARE(result.suggestions, QStringList {"été"});
    QCOMPARE(SpellCheckWithNearSpellings("xqzw", {"été"}, true, DefaultMinRate).verdict, SpellVerdict::NoSuggestion);
}

QTEST_GUILESS_MAIN(TstNearSpellings)
#include "tst_nearspellings.moc"
