#include "SearchFixture.h"
#include "search/SoundLookup.h"

#include <QTest>

class TestSoundLookup : public QObject {
    Q_OBJECT
private slots:
    void exactPassRunsBeforeEndingPass();
    void lowestIndexWins();
    void shorteningAttempts();
    void threeCharacterFloor();
    void blankCut();
    void capitalsPreventMatches();
    void approximateIsOnePass();
    void emptyKeysFindNothing();
    void endingKey();
};

void TestSoundLookup::exactPassRunsBeforeEndingPass()
{
    // Line 0 merely ends with the key; line 1 is the key itself.
    const auto words = makeWordList({
        {"fil de fer", "fér", "ér", "de fer", 0, 3, "NOM"},
        {"fer", "fér2", "ér2", "fer", 0, 1, "NOM"},
    });
    QString key = "fer";
    QCOMPARE(FindExactSound(*words, key), QString("fér2"));
    QCOMPARE(key, QString("fer"));
    // The approximate sound has no equality pass: the first ending wins.
    QCOMPARE(FindApproxSound(*words, "fer"), QString("ér"));
}

void TestSoundLookup::lowestIndexWins()
{
    const auto words = makeWordList({
        {"abricot", "ko", "o", "abricot"},
        {"mot", "mo", "o1", "mot"},
        {"rot", "ro", "o2", "rot"},
        {"mot", "mo2", "o3", "mot"},
    });
    QString key = "mot";
    QCOMPARE(FindExactSound(*words, key), QString("mo"));
    key = "ot";
    QCOMPARE(FindExactSound(*words, key), QString("ko"));
    QCOMPARE(FindApproxSound(*words, "ot"), QString("o"));
}

void TestSoundLookup::shorteningAttempts()
{
    // 'abaisserai' gives 'aisseré': nothing at 7 and 6 characters, found at 5.
    const auto found = makeWordList({
        {"caisse", "ès", "ès", "caisse"},
        {"presseré", "sré", "ré", "sseré"},
    });
    QString key = "aisseré";
    QCOMPARE(FindExactSound(*found, key), QString("sré"));
    QCOMPARE(key, QString("sseré"));

    // A fourth attempt is never made.
    const auto tooFar = makeWordList({{"ré", "ré", "ré", "seré"}});
    key = "aisseré";
    QCOMPARE(FindExactSound(*tooFar, key), QString());
    QCOMPARE(key, QString("sseré"));
}

void TestSoundLookup::threeCharacterFloor()
{
    const auto words = makeWordList({{"ta", "ta", "a", "ta"}, {"bon", "on", "on", "bon"}});
    // 4 characters: tried once more with 3, then given up.
    QString key = "xyon";
    QCOMPARE(FindExactSound(*words, key), QString());
    QCOMPARE(key, QString("yon"));
    // 3 characters: never shortened, even though 2 would have matched.
    key = "zta";
    QCOMPARE(FindExactSound(*words, key), QString());
    QCOMPARE(key, QString("zta"));
    // Found at the second attempt: the key keeps the shortened form.
    key = "xbon";
    QCOMPARE(FindExactSound(*words, key), QString("on"));
    QCOMPARE(key, QString("bon"));
}

void TestSoundLookup::blankCut()
{
    const auto words = makeWordList({
        {"e monné", "wrong", "wrong", "e monné"},
        {"monnaie", "oné", "é", "monné"},
    });
    QString key = "e monné";
    QCOMPARE(FindExactSound(*words, key), QString("oné"));
    QCOMPARE(key, QString("monné"));
    // Only the first blank counts.
    key = "a b c";
    FindExactSound(*words, key);
    QCOMPARE(key, QString("b c"));
    // The approximate lookup keeps the blank.
    QCOMPARE(FindApproxSound(*words, "e monné"), QString("wrong"));
}

void TestSoundLookup::capitalsPreventMatches()
{
    const auto words = makeWordList({{"maison", "zon", "on", "maison"}});
    QString key = "Maison";
    QCOMPARE(FindExactSound(*words, key), QString("zon"));
    QCOMPARE(key, QString("aison"));
    key = "maiSon";
    QCOMPARE(FindExactSound(*words, key), QString());
    QCOMPARE(FindApproxSound(*words, "Maison"), QString());
}

void TestSoundLookup::approximateIsOnePass()
{
    const auto words = makeWordList({{"bonbon", "bon", "on", "bonbon"}});
    QCOMPARE(FindApproxSound(*words, "xbon"), QString());
    QCOMPARE(FindApproxSound(*words, "bon"), QString("on"));
    // A tail shorter than the key never matches.
    QCOMPARE(FindApproxSound(*words, "abonbon"), QString());
}

void TestSoundLookup::emptyKeysFindNothing()
{
    // A typed word ending with a hyphen leaves nothing after the blank cut;
    // it must not take the sound of the first line.
    const auto words = makeWordList({{"a", "a", "a", "a"}});
    QString key = "porte ";
    QCOMPARE(FindExactSound(*words, key), QString());
    QCOMPARE(FindApproxSound(*words, QString()), QString());
    WordList empty;
    key = "porte";
    QCOMPARE(FindExactSound(empty, key), QString());
}

void TestSoundLookup::endingKey()
{
    QCOMPARE(EndingKey("chanson", 3), QString("son"));
    QCOMPARE(EndingKey("essé", 2), QString("sé"));
    QCOMPARE(EndingKey("bon", 5), QString("bon"));
    QCOMPARE(EndingKey("chanson", 5), QString("anson"));
}

QTEST_APPLESS_MAIN(TestSoundLookup)
#include "tst_SoundLookup.moc"
