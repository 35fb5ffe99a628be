#include "SearchFixture.h"
#include "search/ResultAssembly.h"
#include "search/SearchDuration.h"

#include <QTest>

class TestResultAssembly : public QObject {
    Q_OBJECT
private slots:
    void filters_data();
    void filters();
    void paddingAndLines();
    void summaryCaptions();
    void duration();
};

void TestResultAssembly::filters_data()
{
    QTest::addColumn<QString>("syllables");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("excludeConjugated");
    QTest::addColumn<QString>("kept");  // indexes of the fixture lines kept

    QTest::newRow("no filter") << "Toutes" << "Toutes" << "" << false << "012345";
    QTest::newRow("3 syllables") << "3" << "Toutes" << "" << false << "02";
    QTest::newRow("verbs") << "Toutes" << "Verbe" << "VER" << false << "014";
    QTest::newRow("adjectives") << "Toutes" << "Adjectif" << "ADJ" << false << "245";
    QTest::newRow("old code ignored") << "Toutes" << "Toutes" << "NOM" << false << "012345";
    QTest::newRow("code missing") << "Toutes" << "Nom" << "" << false << "15";
    QTest::newRow("exclude conjugated") << "Toutes" << "Toutes" << "" << true << "02345";
    QTest::newRow("all three") << "1" << "Verbe" << "VER" << true << "4";
}

void TestResultAssembly::filters()
{
    QFETCH(QString, syllables);
    QFETCH(QString, category);
    QFETCH(QString, code);
    QFETCH(bool, excludeConjugated);
    QFETCH(QString, kept);
    const auto words = makeWordList({
        {"abaissé", "ésé", "sé", "abaissé", 0, 3, "VER"},       // participle: not conjugated
        {"abaisse", "ès", "ès", "abaisse", 1, 2, "NOM;VER"},
        {"abaissable", "abl", "bl", "ssable", 0, 3, "ADJ"},
        {"hop", "op", "op", "hop", 0, 1, "Ignoré"},
        {"va", "va", "a", "va", 0, 1, "ADJ;VER"},
        {"âne", "an", "an", "ane", 0, 1, "NOM;ADJ"},
    });
    SearchParameters p;
    p.syllableFilter = syllables;
    p.categoryFilter = category;
    p.categoryCode = code;
    p.excludeConjugated = excludeConjugated;
    QString result;
    for (int i = 0; i < words->wordCount(); ++i) {
        if (PassesFilters(*words, i, p))
            result += QString::number(i);
    }
    // Line 3 ("Ignoré") passes no category; the participle (line 0) survives the exclusion.
    QCOMPARE(result, kept);
}

void TestResultAssembly::paddingAndLines()
{
    QCOMPARE(PaddedHeadword("abc"), QString("abc") + QString(20, ' '));
    const QString twentyTwo(22, 'x');
    QCOMPARE(PaddedHeadword(twentyTwo), twentyTwo + ' ');
    const QString twentyThree(23, 'y');
    QCOMPARE(PaddedHeadword(twentyThree), twentyThree);
    const QString thirty(30, 'z');
    QCOMPARE(PaddedHeadword(thirty), thirty);

    const auto words = makeWordList({
        {"abaissé", "ésé", "sé", "abaissé", 0, 3, "ADJ"},
        {thirty, "zé", "é", "zzzzzzz", 0, 7, "LOC"},
        {"a coté", "koté", "oté", "a coté", 0, 3, "NOM"},
    });
    QCOMPARE(PaddedHeadword(*words, 0), QString("abaissé") + QString(16, ' '));
    QCOMPARE(FormatResultLine(*words, 0, PaddedHeadword(*words, 0)),
             QString("abaissé") + QString(16, ' ') + "3" + QString(10, ' ') + "ADJ");
    // A long headword runs straight into its syllable count.
    QCOMPARE(FormatResultLine(*words, 1, PaddedHeadword(*words, 1)), thirty + "7" + QString(10, ' ') + "LOC");
    const QString line = FormatResultLine(*words, 2, PaddedHeadword(*words, 2));
    QCOMPARE(line.mid(23, 1), QString("3"));
    QCOMPARE(line.mid(34), QString("NOM"));
}

void TestResultAssembly::summaryCaptions()
{
    SearchParameters p;
    SearchSummary s = Summary(p, "ort", "or", "porte", 0, 1, 12);
    QCOMPARE(s.countLabel[0], QString("Aucune rime trouvée."));
    QCOMPARE(s.syllableLabel[0], QString());
    QCOMPARE(s.countLabel[1], QString("Une rime trouvée."));
    QCOMPARE(s.syllableLabel[1], QString("Syllabes"));
    QCOMPARE(s.countLabel[2], QString("12 rimes trouvées."));
    QCOMPARE(s.syllableLabel[2], QString("Syllabes"));
    QCOMPARE(s.soundLabel[0], QString(" ort "));
    QCOMPARE(s.soundLabel[1], QString(" or "));
    QCOMPARE(s.soundLabel[2], QString(" porte "));

    // Kinds not searched keep empty labels; the sound lines are always set.
    p.richRhymes = false;
    p.approxRhymes = false;
    s = Summary(p, "", "", "on", 0, 0, 70000);
    QCOMPARE(s.countLabel[0], QString());
    QCOMPARE(s.countLabel[1], QString());
    QCOMPARE(s.syllableLabel[1], QString());
    QCOMPARE(s.countLabel[2], QString("70000 rimes trouvées."));
    QCOMPARE(s.soundLabel[0], QString(" Pas de rime. "));
    QCOMPARE(s.soundLabel[1], QString(" Pas de rime. "));
    QCOMPARE(s.soundLabel[2], QString(" on "));
    // An ending that listed nothing shows no ending.
    QCOMPARE(Summary(p, "", "", "on", 0, 0, 0).soundLabel[2], QString(" Pas de rime. "));
}

void TestResultAssembly::duration()
{
    SearchDuration d = DurationBetween(QTime(10, 0, 0), QTime(11, 2, 3));
    QCOMPARE(d.text, QString("01:02:03"));
    QCOMPARE(d.minutes, QString("02"));
    QCOMPARE(d.seconds, QString("03"));
    // Across midnight the duration stays positive.
    d = DurationBetween(QTime(23, 59, 58), QTime(0, 0, 1));
    QCOMPARE(d.text, QString("00:00:03"));
}

QTEST_APPLESS_MAIN(TestResultAssembly)
#include "tst_ResultAssembly.moc"
