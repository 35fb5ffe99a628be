// The poem pass: the metre and the readings that fit it, the rhymes and their
// letters, each classical warning and its switch, the incremental rescan.
#include "VerseFixture.h"
#include "verse/PoemScanner.h"

#include <QTest>

namespace {
bool hasWarning(const PoemLine &line, VerseWarningCode code)
{
    for (const VerseWarning &warning : line.warnings)
        if (warning.code == code)
            return true;
    return false;
}

QString scheme(const QList<PoemLine> &lines)
{
    QString out;
    for (const PoemLine &line : lines)
        out += line.scan.blank() ? QStringLiteral(" ") : line.rhymeLetter.isEmpty() ? QStringLiteral("-") : line.rhymeLetter;
    return out;
}

const QString Sonnet = QStringLiteral(
    "Heureux qui, comme Ulysse, a fait un beau voyage,\n"
    "Ou comme cestuy-l\u00E0 qui conquit la toison,\n"
    "Et puis est retourn\u00E9, plein d'usage et raison,\n"
    "Vivre entre ses parents le reste de son \u00E2ge !\n"
    "\n"
    "Quand reverrai-je, h\u00E9las, de mon petit village\n"
    "Fumer la chemin\u00E9e, et en quelle saison\n"
    "Reverrai-je le clos de ma pauvre maison,\n"
    "Qui m'est une province, et beaucoup davantage ?");

// The lines of two poems agree on everything the pass computes.
void compareLines(const QList<PoemLine> &got, const QList<PoemLine> &expected)
{
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i) {
        const PoemLine &a = got[i];
        const PoemLine &b = expected[i];
        QCOMPARE(a.scan.text, b.scan.text);
        QCOMPARE(a.scan.syllables, b.scan.syllables);
        QCOMPARE(a.scan.possibleCounts, b.scan.possibleCounts);
        QCOMPARE(a.scan.caesuraWordEnd, b.scan.caesuraWordEnd);
        QCOMPARE(a.scan.words.size(), b.scan.words.size());
        for (int w = 0; w < a.scan.words.size(); ++w)
            QCOMPARE(a.scan.words[w].chosen, b.scan.words[w].chosen);
        QCOMPARE(a.stanza, b.stanza);
        QCOMPARE(a.metre, b.metre);
        QCOMPARE(a.rhymeLetter, b.rhymeLetter);
        QCOMPARE(a.partner, b.partner);
        QCOMPARE(a.quality, b.quality);
        QCOMPARE(a.scan.genre, b.scan.genre);
        QCOMPARE(a.warnings.size(), b.warnings.size());
        for (int k = 0; k < a.warnings.size(); ++k) {
            QCOMPARE(a.warnings[k].code, b.warnings[k].code);
            QCOMPARE(a.warnings[k].text, b.warnings[k].text);
        }
    }
}
} // namespace

class TestPoemScanner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(LoadShippedWords()); }

    void stanzasMetreAndScheme()
    {
        PoemScanner scanner;
        scanner.setText(Sonnet);
        QCOMPARE(scanner.metres(), QList<int> {12});
        QCOMPARE(scheme(scanner.lines()), QStringLiteral("ABBA ABBA"));
        QCOMPARE(scanner.lines()[5].stanza, 1);
        QCOMPARE(scanner.lines()[4].stanza, -1);
        for (const PoemLine &line : scanner.lines())
            if (!line.scan.blank())
                QCOMPARE(line.scan.syllables, 12);
        QCOMPARE(scanner.lines()[0].scan.genre, RhymeGenre::Feminine);
        QCOMPARE(scanner.lines()[1].scan.genre, RhymeGenre::Masculine);
        // toison / raison share z + on; voyage / village only the vowel and j.
        QCOMPARE(scanner.lines()[2].quality, std::optional<RhymeQuality>(RhymeQuality::Sufficient));
        QCOMPARE(scanner.lines()[2].partner, 1);
    }

    void diaeresisChosenByTheMetre()
    {
        // "passion" counts three in an alexandrine that needs it.
        const QList<PoemLine> lines = ScanPoem(QStringLiteral(
            "Je suis le t\u00E9n\u00E9breux, le veuf, l'inconsol\u00E9,\n"
            "Le prince d'Aquitaine \u00E0 la tour abolie :\n"
            "Ma seule \u00E9toile est morte, et mon luth constell\u00E9\n"
            "Porte le soleil noir de la M\u00E9lancolie.\n"
            "Le lion vient ce soir et rugit dans la nuit ;"));
        QCOMPARE(lines[4].scan.syllables, 12);
        QCOMPARE(lines[4].scan.words[1].chosen, 2);
        QVERIFY(lines[4].scan.words[1].ambiguous());
    }

    void overrideWins()
    {
        PoemScanner scanner;
        scanner.setText(QStringLiteral("Le lion vient\nLe lion part"));
        scanner.setOverride(0, 1, 1);
        QCOMPARE(scanner.lines()[0].scan.words[1].chosen, 1);
        scanner.setOverride(0, 1, 2);
        QCOMPARE(scanner.lines()[0].scan.words[1].chosen, 2);
        QCOMPARE(scanner.lines()[0].scan.syllables, 4);
        // Inserting a line above moves the choice with its line.
        scanner.insertLines(0, {QStringLiteral("Un vers")});
        QCOMPARE(scanner.overrides().value({1, 1}), 2);
        scanner.removeLines(0, 2);
        QVERIFY(scanner.overrides().isEmpty());
        QCOMPARE(scanner.lineCount(), 1);
    }

    void unmatchedLineHasNoLetter()
    {
        const QList<PoemLine> lines = ScanPoem(QStringLiteral("la mer\nle soleil\nla terre amère"));
        QCOMPARE(scheme(lines), QStringLiteral("---"));
        QCOMPARE(lines[0].partner, -1);
        QVERIFY(!lines[0].quality);
    }

    void warnings()
    {
        // Two different masculine rhymes follow each other.
        QList<PoemLine> lines = ScanPoem(QStringLiteral("sous le ciel\nun peu de miel\nau bord du ch\u00E2teau\nun bateau"));
        QCOMPARE(scheme(lines), QStringLiteral("AABB"));
        QVERIFY(hasWarning(lines[2], VerseWarningCode::GenreAlternation));
        QVERIFY(!hasWarning(lines[1], VerseWarningCode::GenreAlternation));
        // Singular against plural, the same word with itself.
        lines = ScanPoem(QStringLiteral("il voit la rose\nil voit les roses\nla nuit est belle\nla nuit est belle"));
        QVERIFY(hasWarning(lines[1], VerseWarningCode::SingularPlural));
        QVERIFY(hasWarning(lines[3], VerseWarningCode::SelfRhyme));
        QVERIFY(!hasWarning(lines[3], VerseWarningCode::SingularPlural));
        // Hiatus.
        lines = ScanPoem(QStringLiteral("tu es ma lumi\u00E8re"));
        QVERIFY(hasWarning(lines[0], VerseWarningCode::Hiatus));
        // Off the metre, and no caesura at the sixth syllable.
        lines = ScanPoem(QStringLiteral(
            "Heureux qui, comme Ulysse, a fait un beau voyage,\n"
            "Ou comme cestuy-l\u00E0 qui conquit la toison,\n"
            "Et puis est retourn\u00E9, plein d'usage et raison,\n"
            "Vivre entre ses parents le reste de ton village,\n"
            "Et la maison."));
        QVERIFY(hasWarning(lines[4], VerseWarningCode::OffMetre));
        QCOMPARE(lines[4].metre, 12);
        QVERIFY(!hasWarning(lines[0], VerseWarningCode::OffMetre));
        QVERIFY(!hasWarning(lines[0], VerseWarningCode::Caesura));
        lines = ScanPoem(QStringLiteral("Un voyageur regarde doucement la mer"));
        QCOMPARE(lines[0].scan.syllables, 12);
        QVERIFY(hasWarning(lines[0], VerseWarningCode::Caesura));
    }

    void warningsCanBeSwitchedOff()
    {
        VerseOptions none;
        none.genreAlternation = none.singularPlural = none.selfRhyme = none.hiatus = none.offMetre = none.caesura = false;
        const QList<PoemLine> lines = ScanPoem(QStringLiteral("tu es la rose\ntu es les roses\nsous le ciel\nau bord du ciel\nEt le soleil."), none);
        for (const PoemLine &line : lines)
            QVERIFY(line.warnings.isEmpty());
        for (VerseWarningCode code : {VerseWarningCode::GenreAlternation, VerseWarningCode::SingularPlural, VerseWarningCode::SelfRhyme,
                                      VerseWarningCode::Hiatus, VerseWarningCode::OffMetre, VerseWarningCode::Caesura})
            QVERIFY(!VerseWarningKey(code).isEmpty());
    }

    void editsMatchAFreshScan()
    {
        // Lines kept from earlier passes must come out as a fresh scan of
        // the final text would: readings, metre, letters and warnings.
        PoemScanner scanner;
        scanner.setText(Sonnet);
        scanner.setLine(3, QStringLiteral("Vivre entre ses parents"));
        scanner.insertLines(5, {QStringLiteral("Le lion vient ce soir et rugit dans la nuit ;"), QString()});
        scanner.setOverride(5, 1, 1); // "lion" read in one syllable, off the metre
        scanner.setLine(1, QStringLiteral("Ou comme cestuy-l\u00E0 qui conquit la maison,"));
        scanner.removeLines(6, 1);
        scanner.setLine(3, QStringLiteral("Vivre entre ses parents le reste de son \u00E2ge !"));
        scanner.insertLines(scanner.lineCount(), {QString(), QStringLiteral("Fumer la chemin\u00E9e")});
        scanner.removeLines(0, 1);
        QStringList texts;
        for (const PoemLine &line : scanner.lines())
            texts.append(line.scan.text);
        QCOMPARE(scanner.overrides().value({4, 1}), 1);
        compareLines(scanner.lines(), ScanPoem(texts.join(QLatin1Char('\n')), {}, scanner.overrides()));
    }

    void editingOneLine()
    {
        PoemScanner scanner;
        scanner.setText(Sonnet);
        scanner.setLine(3, QStringLiteral("Vivre entre ses parents"));
        QCOMPARE(scanner.lines()[3].scan.syllables, 6);
        QVERIFY(hasWarning(scanner.lines()[3], VerseWarningCode::OffMetre));
        QCOMPARE(scheme(scanner.lines()), QStringLiteral("ABB- ABBA"));
        scanner.setLine(3, QStringLiteral("Vivre entre ses parents le reste de son \u00E2ge !"));
        QCOMPARE(scheme(scanner.lines()), QStringLiteral("ABBA ABBA"));
        // A line past the end is appended; one far beyond is ignored.
        scanner.setLine(scanner.lineCount(), QStringLiteral("Fin"));
        QCOMPARE(scanner.lineCount(), 10);
        scanner.setLine(99, QStringLiteral("rien"));
        QCOMPARE(scanner.lineCount(), 10);
    }
};

QTEST_GUILESS_MAIN(TestPoemScanner)
#include "tst_PoemScanner.moc"
