// The similarity measure and the verdict with its suggestions, on lists
// made here.
#include "spelling/SpellCheck.h"
#include "spelling/SpellingInput.h"
#include "spelling/WordSimilarity.h"

#include <QRandomGenerator>
#include <QTest>

class TstSpellCheck : public QObject {
    Q_OBJECT
private slots:
    void workedRates_data();
    void workedRates();
    void longestRunMetFirstWins();
    void emptyAndOutOfRangeCountNothing();
    void upperCaseKeepsAccentsAndLength();
    void rateRoundsHalfToEven();
    void acceptanceIsFiveMatchesAgainstTwiceTheLengths();
    void scanAcceptsExactlyWhatTheRateAccepts();

    void identicalWordEndsTheScan();
    void emptyListHasNoSuggestion();
    void lengthRules();
    void suggestionsFollowTheList();
    void capitalsDoNotCount();
    void collectionStopsAtOneHundred();
    void minRateComesFromTheStartOfItsText();

    void dictionaryInputFilter_data();
    void dictionaryInputFilter();
};

void TstSpellCheck::workedRates_data()
{
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("hundredths");
    QTest::newRow("accent against none") << "école" << "ecole" << 8000;
    QTest::newRow("one letter more") << "maisons" << "maison" << 9231;
    QTest::newRow("refused") << "chevaux" << "cheval" << 7692;
    QTest::newRow("two runs") << "maison" << "maizon" << 8333;
    QTest::newRow("case only") << "maison" << "Maison" << 10000;
    QTest::newRow("nothing common") << "abc" << "xyz" << 0;
    QTest::newRow("tie-break") << "ABA" << "BCA" << 3333;
}

void TstSpellCheck::workedRates()
{
    QFETCH(QString, candidate);
    QFETCH(QString, word);
    QFETCH(int, hundredths);
    QCOMPARE(SimilarityRateHundredths(candidate, word), hundredths);
    QVERIFY(qAbs(WordSimilarity(candidate, word) * 10000 - hundredths) <= 0.5);
}

void TstSpellCheck::longestRunMetFirstWins()
{
    // 'A' at candidate 1 and word 3 is met before 'B' at candidate 2 and
    // word 1, and leaves nothing to match on either side.
    QCOMPARE(CommonCharCount(u"ABA", 1, 3, u"BCA", 1, 3), 1);
    // The other way round the 'B' comes first and the 'A's still meet.
    QCOMPARE(CommonCharCount(u"BCA", 1, 3, u"ABA", 1, 3), 2);
    // 'COLE' first, then nothing between 'É' and 'E'.
    QCOMPARE(CommonCharCount(u"ÉCOLE", 1, 5, u"ECOLE", 1, 5), 4);
    // Runs found left and right of the longest one add up.
    QCOMPARE(CommonCharCount(u"XABCYDEZ", 1, 8, u"QABCWDEV", 1, 8), 5);
}

void TstSpellCheck::emptyAndOutOfRangeCountNothing()
{
    QCOMPARE(CommonCharCount(u"ABC", 0, 3, u"ABC", 1, 3), 0);
    QCOMPARE(CommonCharCount(u"ABC", 1, 3, u"ABC", 0, 3), 0);
    QCOMPARE(CommonCharCount(u"ABC", 3, 2, u"ABC", 1, 3), 0);
    QCOMPARE(CommonCharCount(u"ABC", 1, 3, u"ABC", 2, 1), 0);
    QCOMPARE(CommonCharCount(u"ABC", 2, 3, u"ABC", 1, 2), 1);
    QCOMPARE(CommonCharCount(u"AB", 1, 9, u"AB", 1, 9), 2);
}

void TstSpellCheck::upperCaseKeepsAccentsAndLength()
{
    QCOMPARE(UpperCaseLetters(u"école"), QStringLiteral("ÉCOLE"));
    QCOMPARE(UpperCaseLetters(u"straße").size(), 6);
    QCOMPARE(WordSimilarity(u"ÉCOLE", u"école"), 1.0);
    QCOMPARE(SimilarityRateHundredths(u"Cœur", u"cŒur"), 10000);
}

void TstSpellCheck::rateRoundsHalfToEven()
{
    // Two 32-letter words sharing M letters: the rate is 312.5 × M
    // hundredths, exactly half way when M is odd.
    const auto pair = [](int m) {
        return std::pair {QString(m, 'a') + QString(32 - m, 'b'), QString(m, 'a') + QString(32 - m, 'c')};
    };
    const auto [a1, b1] = pair(1);
    QCOMPARE(SimilarityRateHundredths(a1, b1), 312);
    const auto [a3, b3] = pair(3);
    QCOMPARE(SimilarityRateHundredths(a3, b3), 938);
    const auto [a2, b2] = pair(2);
    QCOMPARE(SimilarityRateHundredths(a2, b2), 625);
}

void TstSpellCheck::acceptanceIsFiveMatchesAgainstTwiceTheLengths()
{
    // The accepted pairs at 80 are exactly those with 5 M >= 2 (la + lb),
    // whatever the rounding does near the limit.
    for (int la = 1; la <= 30; ++la) {
        for (int lb = std::max(1, la - 1); lb <= la + 1; ++lb) {
            for (int m = 0; m <= std::min(la, lb); ++m) {
                const QString a = QString(m, 'x') + QString(la - m, 'a');
                const QString b = QString(m, 'x') + QString(lb - m, 'b');
                const QStringList list {a};
                const bool accepted = SpellCheck(b, list, true, DefaultMinRate).verdict == SpellVerdict::WordIncorrect;
                QVERIFY2(accepted == (5 * m >= 2 * (la + lb)) || a == b,
                         qPrintable(QStringLiteral("%1 / %2").arg(a, b)));
            }
        }
    }
}

void TstSpellCheck::scanAcceptsExactlyWhatTheRateAccepts()
{
    // The scan rules candidates out early on their letters; it must keep
    // every one the full measure accepts, whatever the case or accents.
    QRandomGenerator random(80);
    const QString letters = QStringLiteral("abcéÉAB");
    const auto randomWord = [&](int length) {
        QString word;
        for (int i = 0; i < length; ++i)
            word += letters.at(int(random.bounded(int(letters.size()))));
        return word;
    };
    for (int n = 0; n < 3000; ++n) {
        const QString word = randomWord(3 + int(random.bounded(6)));
        const QString candidate = randomWord(int(word.size()) - 1 + int(random.bounded(3)));
        // A candidate that differs only by its capitals is the word itself.
        if (candidate.compare(word, Qt::CaseInsensitive) == 0)
            continue;
        for (const double minRate : {80.0, 66.67, 50.0}) {
            const bool accepted = SpellCheck(word, {candidate}, true, minRate).verdict == SpellVerdict::WordIncorrect;
            QVERIFY2(accepted == (SimilarityRateHundredths(candidate, word) >= minRate * 100),
                     qPrintable(QStringLiteral("%1 / %2 at %3").arg(candidate, word).arg(minRate)));
        }
    }
}

void TstSpellCheck::identicalWordEndsTheScan()
{
    const QStringList list {"chenal", "chevale", "cheval", "chevaux"};
    const SpellCheckResult result = SpellCheck("cheval", list, true, DefaultMinRate);
    QCOMPARE(result.verdict, SpellVerdict::WordValid);
    QVERIFY(result.suggestions.isEmpty());
}

void TstSpellCheck::emptyListHasNoSuggestion()
{
    const SpellCheckResult result = SpellCheck("été", {}, true, DefaultMinRate);
    QCOMPARE(result.verdict, SpellVerdict::NoSuggestion);
    QVERIFY(result.suggestions.isEmpty());
    QCOMPARE(SpellCheck("", {"a", "ab"}, true, DefaultMinRate).verdict, SpellVerdict::NoSuggestion);
}

void TstSpellCheck::lengthRules()
{
    const QStringList list {"orthographe", "orthographes", "orthographie"};
    QCOMPARE(SpellCheck("orthografe", list, true, DefaultMinRate).suggestions, QStringList {"orthographe"});
    QCOMPARE(SpellCheck("orthografe", list, false, DefaultMinRate).verdict, SpellVerdict::NoSuggestion);

    // A word two letters longer is never measured, however close.
    QCOMPARE(SpellCheck("abcdefghij", {"abcdefghijkl"}, true, 0).verdict, SpellVerdict::NoSuggestion);
    QCOMPARE(SpellCheck("abcdefghij", {"abcdefghi"}, false, 0).verdict, SpellVerdict::NoSuggestion);
    QCOMPARE(SpellCheck("abcdefghij", {"abcdefghi"}, true, 0).verdict, SpellVerdict::WordIncorrect);
}

void TstSpellCheck::suggestionsFollowTheList()
{
    const QStringList list {"rimaye", "rime", "rimée", "rimer", "rimes", "rimeur", "rimez", "rimmel", "ripée"};
    const SpellCheckResult wide = SpellCheck("rimme", list, true, DefaultMinRate);
    QCOMPARE(wide.verdict, SpellVerdict::WordIncorrect);
    QCOMPARE(wide.suggestions, (QStringList {"rime", "rimée", "rimer", "rimes", "rimez", "rimmel"}));
    const SpellCheckResult narrow = SpellCheck("rimme", list, false, DefaultMinRate);
    QCOMPARE(narrow.suggestions, (QStringList {"rimée", "rimer", "rimes", "rimez"}));
}

void TstSpellCheck::capitalsDoNotCount()
{
    // A word that opens a line of verse has its capital.
    const QStringList list {"cheval", "maison", "maisons", "mation", "misons", "miston", "été"};
    for (const QString word : {"Maison", "MAISON", "Cheval", "Été", "ÉTÉ"}) {
        const SpellCheckResult result = SpellCheck(word, list, true, DefaultMinRate);
        QCOMPARE(result.verdict, SpellVerdict::WordValid);
        QVERIFY(result.suggestions.isEmpty());
    }
    // Accents still count.
    QCOMPARE(SpellCheck("Ete", list, false, DefaultMinRate).verdict, SpellVerdict::NoSuggestion);
    QCOMPARE(SpellCheck("Maizon", list, false, DefaultMinRate).suggestions, (QStringList {"maison", "mation"}));
}

void TstSpellCheck::collectionStopsAtOneHundred()
{
    QStringList list;
    for (int i = 0; i < 150; ++i)
        list.append(QStringLiteral("mot%1x").arg(i, 3, 10, QLatin1Char('0')));
    const SpellCheckResult full = SpellCheck("mot000y", list, false, 50);
    QCOMPARE(full.verdict, SpellVerdict::WordIncorrect);
    QCOMPARE(full.suggestions.size(), MaxSuggestions);
    QCOMPARE(full.suggestions.front(), list.front());
    QCOMPARE(full.suggestions.back(), list.at(MaxSuggestions - 1));

    // The scan still looks for the word itself after the table is full.
    list.append("mot000y");
    QCOMPARE(SpellCheck("mot000y", list, false, 50).verdict, SpellVerdict::WordValid);
}

void TstSpellCheck::minRateComesFromTheStartOfItsText()
{
    QCOMPARE(LeadingNumber(u"80"), 80.0);
    QCOMPARE(LeadingNumber(u" 80.5 %"), 80.5);
    QCOMPARE(LeadingNumber(u"75abc"), 75.0);
    QCOMPARE(LeadingNumber(u"abc"), 0.0);
    QCOMPARE(LeadingNumber(u""), 0.0);

    // The rate a field may ask for: 0 to 100, however it is written.
    QCOMPARE(MinRateFromText(u"80"), std::optional<double>(80.0));
    QCOMPARE(MinRateFromText(u"100 %"), std::optional<double>(100.0));
    QCOMPARE(MinRateFromText(u"abc"), std::nullopt);
    QCOMPARE(MinRateFromText(u"-3"), std::nullopt);
    QCOMPARE(MinRateFromText(u""), std::nullopt);
    QCOMPARE(MinRateFromText(u"0"), std::optional<double>(0.0));
    QCOMPARE(MinRateFromText(u"100.5"), std::nullopt);
    QCOMPARE(MinRateFromText(QString(400, '9')), std::nullopt);
    QCOMPARE(MinRateFromText(QString(400, '0')), std::optional<double>(0.0));
}

void TstSpellCheck::dictionaryInputFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("hyphens") << "arc-en-ciel" << "arcenciel";
    QTest::newRow("digit and blank") << "ri me3" << "rime";
    QTest::newRow("apostrophe") << "l'eau" << "leau";
    QTest::newRow("accents of French") << "Été à Noël" << "ÉtéàNoël";
    QTest::newRow("other accents") << "áìú" << "";
    QTest::newRow("ligatures") << "cœur Æsope Œil" << "coeurAEsopeOEil";
    QTest::newRow("blanks only") << "   " << "";
}

void TstSpellCheck::dictionaryInputFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(SpellingInput::filter(typed), kept);
}

QTEST_GUILESS_MAIN(TstSpellCheck)
#include "tst_spellcheck.moc"
