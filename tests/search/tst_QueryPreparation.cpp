#include "search/QueryPreparation.h"

#include <QTest>

class TestQueryPreparation : public QObject {
    Q_OBJECT
private slots:
    void searchKey_data();
    void searchKey();
    void inputFilter_data();
    void inputFilter();
    void filteredTextIsAlwaysAllowed();
};

void TestQueryPreparation::searchKey_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    // Endings sounding like "é", seen on the whole text.
    QTest::newRow("ai") << "essai" << u"essé"_qs;
    QTest::newRow("aient") << "aimaient" << u"aimé"_qs;
    QTest::newRow("balai") << "balai" << u"balé"_qs;
    QTest::newRow("ais") << "jamais" << u"jamé"_qs;
    QTest::newRow("ait") << "parfait" << u"parfé"_qs;
    QTest::newRow("aie before the cut") << "porte-monnaie" << u"e monné"_qs;
    QTest::newRow("rewrite then cut") << "abaisserai" << u"aisseré"_qs;
    // Endings sounding like "o", only after the cut to seven characters.
    QTest::newRow("eaux") << "bateaux" << "bato";
    QTest::newRow("eau") << "chapeau" << "chapo";
    QTest::newRow("au") << "landau" << "lando";
    QTest::newRow("seven last") << "anticonstitutionnel" << "tionnel";
    // Accents folded as the written tails fold them.
    QTest::newRow("circumflex") << u"pêché"_qs << u"péché"_qs;
    QTest::newRow("diaeresis e") << u"noël"_qs << u"noél"_qs;
    QTest::newRow("diaeresis i stays") << u"naïf"_qs << u"naïf"_qs;
    QTest::newRow("all folds") << u"àâäçîôöùû"_qs << u"acioouu"_qs;
    // Capitals do not count: 'Lune' opening a line rhymes as 'lune'.
    QTest::newRow("capital") << "Lune" << "lune";
    QTest::newRow("capitals") << "MAISON" << "maison";
    QTest::newRow("capital accent") << u"Âme"_qs << "ame";
    QTest::newRow("capital ending") << u"ESSAI"_qs << u"essé"_qs;
    QTest::newRow("capital eau") << u"CHAPEAU"_qs << "chapo";
    QTest::newRow("long word reads its end") << "extraordinairement" << "irement";
    QTest::newRow("hyphen to blank") << "va-et-vient" << "t vient";
    QTest::newRow("short") << "eau" << "o";
}

void TestQueryPreparation::searchKey()
{
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QCOMPARE(PrepareSearchKey(typed), key);
}

void TestQueryPreparation::inputFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("blank") << "la mer" << "lamer";
    QTest::newRow("digits pasted") << "ab12cd" << "abcd";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("accents and hyphen") << u"éèçàùâêîôûäëïöü-"_qs << u"éèçàùâêîôûäëïöü-"_qs;
    QTest::newRow("capital accents") << u"ÉÈÇÀÙÂÊÎÔÛÄËÏÖÜ"_qs << u"ÉÈÇÀÙÂÊÎÔÛÄËÏÖÜ"_qs;
    QTest::newRow("capital accent") << u"École"_qs << u"École"_qs;
    QTest::newRow("ligature oe") << u"cœur"_qs << "coeur";
    QTest::newRow("ligature ae") << u"tænia"_qs << "taenia";
    QTest::newRow("capital ligatures") << u"ŒuvreÆ"_qs << "OeuvreAe";
    QTest::newRow("decomposed accent") << u"cafe\u0301"_qs << u"café"_qs;
    QTest::newRow("emoji") << u"so\U0001F600l"_qs << "sol";
    QTest::newRow("not shortened") << "abcdefghijklmnopqrst" << "abcdefghijklmnopqrst";
    QTest::newRow("elided article") << "l'eau" << "eau";
    QTest::newRow("curly apostrophe") << u"aujourd’hui"_qs << "hui";
    QTest::newRow("last apostrophe") << "qu'aujourd'hui" << "hui";
    QTest::newRow("apostrophe typed last") << "l'" << "";
    QTest::newRow("apostrophe then ligature") << u"d'œuvre"_qs << "oeuvre";
}

void TestQueryPreparation::inputFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(FilterInputText(typed), kept);
    // The box keeps the apostrophes it is given, the typographic one made
    // plain, and the search reads the same word from it.
    const QString boxText = FilterInputBoxText(typed);
    QCOMPARE(FilterInputText(boxText), kept);
    QVERIFY(!boxText.contains(QChar(0x2019)));
    QCOMPARE(boxText.count(QLatin1Char('\'')), typed.count(QLatin1Char('\'')) + typed.count(QChar(0x2019)));
}

void TestQueryPreparation::filteredTextIsAlwaysAllowed()
{
    QCOMPARE(AllowedInputCharacters().size(), 83);
    QString everything;
    for (int code = 1; code < 0x180; ++code)
        everything.append(QChar(code));
    const QString kept = FilterInputText(everything);
    for (const QChar c : kept)
        QVERIFY2(IsAllowedInputCharacter(c), qPrintable(QString(c)));
    // Every allowed character survives, and "oe"/"ae" pieces came from ligatures.
    for (const QChar c : AllowedInputCharacters())
        QVERIFY(kept.contains(c));
}

QTEST_APPLESS_MAIN(TestQueryPreparation)
#include "tst_QueryPreparation.moc"
