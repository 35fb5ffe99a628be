#include "search/RhymeGenre.h"
#include "search/SearchFixture.h"

#include <QTest>

class TestRhymeGenre : public QObject {
    Q_OBJECT
private slots:
    void genre_data();
    void genre();
    void fromTheWordList();
    void captionsAndKeywords();
};

void TestRhymeGenre::genre_data()
{
    QTest::addColumn<QString>("headword");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("categories");
    QTest::addColumn<bool>("feminine");
    // A mute e at the end, with or without the plural s.
    QTest::newRow("e") << "rime" << "rim" << "NOM" << true;
    QTest::newRow("es") << "rimes" << "rim" << "NOM;VER" << true;
    QTest::newRow("ee") << u"aimée"_qs << u"mé"_qs << "ADJ;VER" << true;
    QTest::newRow("ees") << u"aimées"_qs << u"mé"_qs << "ADJ;VER" << true;
    QTest::newRow("after a vowel") << "vie" << "vi" << "NOM" << true;
    QTest::newRow("diaeresis") << u"aiguë"_qs << "gu" << "ADJ" << true;
    QTest::newRow("diaeresis plural") << u"ciguës"_qs << "gu" << "NOM" << true;
    QTest::newRow("capital") << "Lune" << "lun" << "NOM" << true;
    // No mute e.
    QTest::newRow("consonant") << "cheval" << "val" << "NOM" << false;
    QTest::newRow("e acute") << u"été"_qs << u"été"_qs << "NOM;VER" << false;
    QTest::newRow("ez") << "nez" << u"né"_qs << "NOM" << false;
    QTest::newRow("only vowel le") << "le" << "leu" << "PRO" << false;
    QTest::newRow("only vowel les") << "les" << u"lé"_qs << "PRO" << false;
    QTest::newRow("only vowel des") << "des" << u"dé"_qs << "PRE" << false;
    QTest::newRow("qu is no vowel") << "que" << "keu" << "CONJ" << false;
    QTest::newRow("gu before e") << "fugue" << "fug" << "NOM" << true;
    QTest::newRow("u before s") << "gusse" << "gus" << "NOM" << true;
    QTest::newRow("gue alone") << "gue" << "g" << "NOM" << false;
    QTest::newRow("es alone") << "es" << u"é"_qs << "VER" << false;
    // -ent: silent in verbs, heard elsewhere.
    QTest::newRow("aiment") << "aiment" << u"ém"_qs << "VER" << true;
    QTest::newRow("plient") << "plient" << "li" << "VER" << true;
    QTest::newRow("voient") << "voient" << "wa" << "VER" << true;
    QTest::newRow("vent") << "vent" << "van" << "NOM" << false;
    QTest::newRow("souvent") << "souvent" << "van" << "ADV" << false;
    QTest::newRow("il ment") << "ment" << "man" << "VER" << false;
    QTest::newRow("il vient") << "vient" << u"ïin"_qs << "VER" << false;
    QTest::newRow("content adjective") << "content" << "ontan" << "ADJ" << false;
    QTest::newRow("ils content") << "content" << "ont" << "VER" << true;
    QTest::newRow("ils donnent") << "donnent" << "donn" << "VER" << true;
    // A sound that writes the /n/ of 'donnent' like a nasal vowel: an -ent
    // after an n is silent in a verb, heard elsewhere.
    QTest::newRow("donnent, n as nasal") << "donnent" << "don" << "VER" << true;
    QTest::newRow("cheminent, n as nasal") << "cheminent" << "min" << "VER" << true;
    QTest::newRow("condamnent, n as nasal") << "condamnent" << "dan" << "VER" << true;
    QTest::newRow("éminent") << u"éminent"_qs << "nan" << "ADJ" << false;
    QTest::newRow("continent") << "continent" << "nan" << "NOM" << false;
    QTest::newRow("il consent") << "consent" << "onsan" << "VER" << false;
    QTest::newRow("il tient") << "tient" << u"tïin"_qs << "VER" << false;
    QTest::newRow("no sound, verb") << "aiment" << "" << "VER" << true;
    QTest::newRow("no sound, noun") << "vent" << "" << "NOM" << false;
    // The imperfect and conditional -aient, and 'soient', rhyme masculine.
    QTest::newRow("aimaient") << "aimaient" << u"mé"_qs << "VER" << false;
    QTest::newRow("aient") << "aient" << u"é"_qs << "VER" << false;
    QTest::newRow("soient") << "soient" << "swa" << "VER" << false;
    // Expressions take their last word.
    QTest::newRow("hyphenated feminine") << "porte-monnaie" << u"moné"_qs << "NOM" << true;
    QTest::newRow("hyphenated masculine") << "arc-en-ciel" << u"ïél"_qs << "NOM" << false;
    QTest::newRow("blanks") << "pomme de terre" << u"tér"_qs << "NOM" << true;
    QTest::newRow("blanks masculine") << u"à côté"_qs << u"koté"_qs << "ADV" << false;
    QTest::newRow("mixed") << u"à tue-tête"_qs << u"tét"_qs << "LOC" << true;
    QTest::newRow("apostrophe") << u"presqu'île"_qs << "kil" << "NOM" << true;
    QTest::newRow("inverted subject") << "dit-il" << "il" << "VER" << false;
    QTest::newRow("expression ending in a verb") << "ils s'aiment" << u"ém"_qs << "LOC" << true;
    QTest::newRow("empty") << "" << "" << "" << false;
}

void TestRhymeGenre::genre()
{
    QFETCH(QString, headword);
    QFETCH(QString, sound);
    QFETCH(QString, categories);
    QFETCH(bool, feminine);
    QCOMPARE(RhymeGenreOf(headword, sound, categories), feminine ? RhymeGenre::Feminine : RhymeGenre::Masculine);
}

void TestRhymeGenre::fromTheWordList()
{
    // The list's own line: its deciphered headword, its sound, its categories.
    const auto words = makeWordList({
        {"aiment", u"ém"_qs, u"ém"_qs, "aiment", 1, 1, "VER"},
        {"vent", "van", "an", "vent", 0, 1, "NOM"},
        {"virgule, point", "oint", "in", "e point", 0, 4, "LOC"},
    });
    QVERIFY(words);
    QCOMPARE(RhymeGenreOf(*words, 0), RhymeGenre::Feminine);
    QCOMPARE(RhymeGenreOf(*words, 1), RhymeGenre::Masculine);
    QCOMPARE(RhymeGenreOf(*words, 2), RhymeGenre::Masculine);
}

void TestRhymeGenre::captionsAndKeywords()
{
    QCOMPARE(GenreForCaption("Toutes"), std::nullopt);
    QCOMPARE(GenreForCaption("Masculine"), RhymeGenre::Masculine);
    QCOMPARE(GenreForCaption(u"Féminine"_qs), RhymeGenre::Feminine);
    QCOMPARE(GenreForCaption("feminine"), std::nullopt);
    QCOMPARE(GenreName(RhymeGenre::Feminine), u"féminine"_qs);
    QCOMPARE(GenreKeyword(RhymeGenre::Feminine), QString("feminine"));
    QCOMPARE(GenreKeyword(RhymeGenre::Masculine), QString("masculine"));
}

QTEST_APPLESS_MAIN(TestRhymeGenre)
#include "tst_RhymeGenre.moc"
