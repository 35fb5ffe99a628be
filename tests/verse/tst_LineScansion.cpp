// The counting rules of one line: elision, the mute endings inside the line,
// the aspirated h, apostrophes and hyphens, unknown words, diérèse.
#include "VerseFixture.h"
#include "verse/LineScansion.h"
#include "verse/PoemScanner.h"

#include <QTest>

class TestLineScansion : public QObject {
    Q_OBJECT

    static int count(const QString &line) { return ScanLine(VerseLexicon::shipped(), line).syllables; }

private slots:
    void initTestCase() { QVERIFY(LoadShippedWords()); }

    // The lexicon's index gives each form every line of the list written so,
    // in list order; the forms of one line in 97 are checked.
    void lexiconFindsEveryLineOfAForm()
    {
        const WordList &words = LexiconData::instance().words;
        QHash<QString, QList<int>> linesOfForm;
        for (int i = 0; i < words.recordCount(); ++i)
            linesOfForm[words.headword(i).toLower()].append(i);
        const VerseLexicon &lexicon = VerseLexicon::shipped();
        int checked = 0;
        for (int i = 0; i < words.recordCount(); i += 97) {
            const QString form = words.headword(i).toLower();
            const QList<int> lines = linesOfForm.value(form);
            const QList<VerseEntry> entries = lexicon.entries(form);
            QCOMPARE(entries.size(), lines.size());
            for (qsizetype k = 0; k < entries.size(); ++k) {
                QCOMPARE(entries[k].exactSound, words.exactSoundText(lines[k]));
                QCOMPARE(entries[k].categories, words.categoriesText(lines[k]));
            }
            ++checked;
        }
        QVERIFY(checked > 1000);
        QVERIFY(lexicon.contains(QStringLiteral("porte")));
        QVERIFY(!lexicon.contains(QStringLiteral("porteq")));
    }

    void counts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("syllables");
        // Mute e elided before a vowel, counted before a consonant.
        QTest::newRow("vastes oiseaux") << "vastes oiseaux" << 4;
        QTest::newRow("comme il") << "comme il" << 2;
        QTest::newRow("une porte de bois") << "une porte de bois" << 6;
        QTest::newRow("line end e") << "la porte" << 2;
        // -es and the -ent of verbs count inside the line, before a vowel too.
        QTest::newRow("suivent, indolents") << "suivent, indolents" << 5;
        QTest::newRow("-es inside") << "les roses et les lys" << 6;
        // the e of "es" is its only vowel, said [è], never mute
        QTest::newRow("es before a consonant") << "tu es venu" << 4;
        QTest::newRow("-ent at the end") << "ils aiment" << 2;
        // Punctuation does not stop elision.
        QTest::newRow("rage ! ô") << "\u00D4 rage ! \u00F4 d\u00E9sespoir ! \u00F4 vieillesse ennemie !" << 12;
        // Aspirated h: no elision.
        QTest::newRow("la haine") << "une haine" << 3;
        QTest::newRow("qui hante") << "elle hante" << 3;
        QTest::newRow("mute h elides") << "une heure" << 2;
        QTest::newRow("aspirated from the notes") << "le hasard" << 3;
        QTest::newRow("aspirated verb form") << "elle hantait" << 4;
        QTest::newRow("no elision before aspirated h") << "quelle hache" << 3;
        // Apostrophes and hyphens.
        QTest::newRow("l'amour") << "l'amour qu'il a" << 4;
        QTest::newRow("aujourd'hui") << "aujourd'hui" << 3;
        QTest::newRow("typographic apostrophe") << "l\u2019amour" << 2;
        QTest::newRow("ont-ils") << "ont-ils" << 2;
        QTest::newRow("suis-je at the end") << "que suis-je" << 2;
        QTest::newRow("vois-tu") << "vois-tu" << 2;
        QTest::newRow("a-t-il") << "a-t-il" << 2;
        // Unknown words counted by their spelling.
        QTest::newRow("Ulysse") << "Ulysse" << 2;
        QTest::newRow("Th\u00E9ram\u00E8ne") << "Th\u00E9ram\u00E8ne" << 3;
        QTest::newRow("Harfleur") << "Harfleur" << 2;
        QTest::newRow("empty") << "  --  " << 0;
    }
    void counts()
    {
        QFETCH(QString, line);
        QFETCH(int, syllables);
        QCOMPARE(count(line), syllables);
    }

    void unknownWordsAreMarked()
    {
        const LineScan scan = ScanLine(VerseLexicon::shipped(), QStringLiteral("Ulysse part"));
        QCOMPARE(scan.words.size(), 2);
        QVERIFY(!scan.words[0].known);
        QVERIFY(scan.words[1].known);
        QVERIFY(!scan.words[0].elided);
    }

    void diaeresisKeepsBothReadings()
    {
        const LineScan scan = ScanLine(VerseLexicon::shipped(), QStringLiteral("le lion"));
        QVERIFY(scan.words[1].ambiguous());
        QVERIFY(scan.possibleCounts.contains(2));
        QVERIFY(scan.possibleCounts.contains(3));
        // "hier" in two, as verse has it since the classical age; in one still allowed
        const LineScan hier = ScanLine(VerseLexicon::shipped(), QStringLiteral("hier"));
        QCOMPARE(hier.words[0].counts, (QList<int> {2, 1}));
    }

    void rhymeOfTheLine()
    {
        const LineScan scan = ScanLine(VerseLexicon::shipped(), QStringLiteral("Je vois la lumi\u00E8re,"));
        QCOMPARE(scan.rhymeWord, QStringLiteral("lumi\u00E8re"));
        QCOMPARE(scan.genre, RhymeGenre::Feminine);
        QCOMPARE(scan.lastVowel, QStringLiteral("\u00E9"));
        const LineScan clitic = ScanLine(VerseLexicon::shipped(), QStringLiteral("Que vois-tu"));
        QCOMPARE(clitic.rhymeWord, QStringLiteral("vois-tu"));
        QCOMPARE(clitic.genre, RhymeGenre::Masculine);
        const LineScan mute = ScanLine(VerseLexicon::shipped(), QStringLiteral("Oui, dis-je"));
        QCOMPARE(mute.rhymeWord, QStringLiteral("dis-je"));
        QCOMPARE(mute.genre, RhymeGenre::Feminine);
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("les roses")).plural);
    }

    void hiatus()
    {
        QCOMPARE(ScanLine(VerseLexicon::shipped(), QStringLiteral("tu es")).hiatusAt, QList<int> {0});
        QCOMPARE(ScanLine(VerseLexicon::shipped(), QStringLiteral("et il")).hiatusAt, QList<int> {0});
        // Elided e, a silent consonant, an aspirated h, a nasal: no hiatus.
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("comme il")).hiatusAt.isEmpty());
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("les amis")).hiatusAt.isEmpty());
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("le h\u00E9ros")).hiatusAt.isEmpty());
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("un ami")).hiatusAt.isEmpty());
        QVERIFY(ScanLine(VerseLexicon::shipped(), QStringLiteral("la vie est")).hiatusAt.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLineScansion)
#include "tst_LineScansion.moc"
