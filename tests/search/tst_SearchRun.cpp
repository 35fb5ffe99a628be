#include "SearchFixture.h"
#include "search/SearchRun.h"

#include <QTest>

namespace {

// A small list around the sounds of 'porte' and 'chanson'.
std::unique_ptr<WordList> rhymeList()
{
    return makeWordList({
        {"porte", "ort", "or", "porte", 0, 1, "NOM;VER"},        // 0
        {"morte", "ort", "or", "morte", 0, 1, "ADJ;NOM"},        // 1
        {"sorte", "ort", "or", "sorte", 1, 1, "VER"},            // 2
        {"fort", "or", "or", "fort", 0, 1, "ADJ"},               // 3
        {"trésor", "or", "or", "trésor", 0, 2, "NOM"},           // 4
        {"morte", "ort", "or", "morte", 0, 1, "VER"},            // 5: same headword again
        {"chanson", "son", "on", "chanson", 0, 2, "NOM"},        // 6
        {"maison", "zon", "on", "maison", 0, 2, "NOM"},          // 7
        {"son", "son", "on", "son", 0, 1, "Ignoré"},             // 8
        {"saison", "zon", "on", "saison", 0, 2, "NOM"},          // 9
        {"emporte", "ort", "or", "emporte", 1, 2, "VER"},        // 10
        {"emporté", "té", "é", "emporté", 0, 3, "ADJ;VER"},      // 11
    });
}

QStringList headwords(const SearchRun &run, ResultKind kind)
{
    QStringList words;
    for (const ResultEntry &entry : run.results(kind))
        words.append(entry.headword);
    return words;
}

SearchRun runFor(const WordList &words, const QString &typed, SearchParameters parameters = {})
{
    parameters.typedText = typed;
    SearchRun run(words, parameters);
    run.runAll();
    return run;
}

} // namespace

class TestSearchRun : public QObject {
    Q_OBJECT
private slots:
    void allThreeLists();
    void duplicateSuppression();
    void sameHeadwordTwice();
    void conjugatedReadingFiltered();
    void endingUsesShortenedKey();
    void typedWordLeftOutOfEndings();
    void capitalsGiveTheSameLists();
    void twoLettersAndLongWords();
    void genreFilter();
    void filtersApplyToEveryList();
    void stageChain();
    void stagesRunOnceAndInOrder();
    void noRichRhymeMessage();
    void moreThanFiveHundredRichRhymes();
    void paddedTwinOfARichRhymeLeftOut();
    void emptyRun();
    void alphabeticalOrder();
};

void TestSearchRun::allThreeLists()
{
    const auto words = rhymeList();
    const SearchRun run = runFor(*words, "porte");
    QCOMPARE(run.queryExactSound(), QString("ort"));
    QCOMPARE(run.queryApproxSound(), QString("or"));
    QCOMPARE(run.endingKey(), QString("porte"));
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"porte", "morte", "sorte", "emporte"}));
    QCOMPARE(headwords(run, ResultKind::Approx), (QStringList {"fort", "trésor"}));
    QCOMPARE(headwords(run, ResultKind::Ending), (QStringList {"emporte"}));
    QCOMPARE(run.exactCount(), 4);
    QCOMPARE(run.resultLines(ResultKind::Approx).first(),
             QString("fort") + QString(19, ' ') + "1" + QString(10, ' ') + "ADJ");
    QVERIFY(run.finished());
}

void TestSearchRun::duplicateSuppression()
{
    const auto words = rhymeList();
    SearchParameters withDuplicates;
    withDuplicates.showDuplicates = true;
    QCOMPARE(headwords(runFor(*words, "porte", withDuplicates), ResultKind::Approx),
             (QStringList {"porte", "morte", "sorte", "fort", "trésor", "emporte"}));

    // Without the rich-rhyme list nothing is suppressed, whatever showDuplicates says.
    SearchParameters approxOnly;
    approxOnly.richRhymes = false;
    const SearchRun run = runFor(*words, "porte", approxOnly);
    QCOMPARE(run.exactCount(), 0);
    QCOMPARE(run.queryExactSound(), QString());
    QCOMPARE(run.approxCount(), 6);
}

void TestSearchRun::sameHeadwordTwice()
{
    // Two 'morte' lines with other categories: the list shows the first that
    // passes the filters, once; the approximate list leaves the word out.
    const auto words = rhymeList();
    SearchParameters nouns;
    nouns.categoryFilter = "Nom";
    nouns.categoryCode = "NOM";
    nouns.showDuplicates = false;
    // Filtered to verbs, the rich list holds the verb 'morte' only, and the
    // approximate list loses every line of that headword.
    SearchParameters verbs = nouns;
    verbs.categoryFilter = "Verbe";
    verbs.categoryCode = "VER";
    const SearchRun run = runFor(*words, "porte", nouns);
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"porte", "morte"}));
    QCOMPARE(headwords(run, ResultKind::Approx), (QStringList {"trésor"}));
    const SearchRun all = runFor(*words, "porte");
    QCOMPARE(headwords(all, ResultKind::Rich), (QStringList {"porte", "morte", "sorte", "emporte"}));
    QCOMPARE(all.results(ResultKind::Rich).at(1).index, 1);
    QVERIFY(!headwords(all, ResultKind::Approx).contains("morte"));
    const SearchRun verbRun = runFor(*words, "porte", verbs);
    QCOMPARE(headwords(verbRun, ResultKind::Rich), (QStringList {"porte", "sorte", "morte", "emporte"}));
    QCOMPARE(verbRun.results(ResultKind::Rich).at(2).index, 5);
    QCOMPARE(headwords(verbRun, ResultKind::Approx), QStringList());
    SearchParameters endings;
    endings.endingLength = 3;
    QCOMPARE(headwords(runFor(*words, "xorte", endings), ResultKind::Ending).count("morte"), 1);
}

void TestSearchRun::conjugatedReadingFiltered()
{
    // 'cours' is a noun and a form of courir, on lines of their own, the noun first.
    const auto words = makeWordList({
        {"amour", "mour", "our", "amour", 0, 2, "NOM"},
        {"jours", "jour", "our", "jours", 0, 1, "NOM"},
        {"cours", "kour", "our", "cours", 0, 1, "NOM"},
        {"cours", "kour", "our", "cours", 1, 1, "VER"},
        {"secours", "kour", "our", "secours", 0, 2, "NOM"},
        {"secours", "kour", "our", "secours", 1, 2, "VER"},
        {"courir", "rir", "ir", "courir", 0, 2, "VER"},
    });
    SearchParameters verbs;
    verbs.categoryFilter = "Verbe";
    verbs.categoryCode = "VER";
    verbs.excludeConjugated = true;
    verbs.showDuplicates = true;
    const SearchRun verbRun = runFor(*words, "amour", verbs);
    QCOMPARE(headwords(verbRun, ResultKind::Approx), QStringList());
    SearchParameters nouns = verbs;
    nouns.categoryFilter = "Nom";
    nouns.categoryCode = "NOM";
    QCOMPARE(headwords(runFor(*words, "amour", nouns), ResultKind::Approx),
             (QStringList {"amour", "jours", "cours", "secours"}));
    SearchParameters verbsOnly = verbs;
    verbsOnly.excludeConjugated = false;
    const SearchRun conjugated = runFor(*words, "amour", verbsOnly);
    QCOMPARE(headwords(conjugated, ResultKind::Approx), (QStringList {"cours", "secours"}));
    QVERIFY(conjugated.results(ResultKind::Approx).at(0).conjugated);
    // Without filters each word comes once, at its noun line.
    const SearchRun all = runFor(*words, "amour");
    QCOMPARE(headwords(all, ResultKind::Approx), (QStringList {"jours", "cours", "secours"}));
    QCOMPARE(all.results(ResultKind::Approx).at(1).index, 2);
}

void TestSearchRun::endingUsesShortenedKey()
{
    const auto words = makeWordList({
        {"presseré", "sré", "ré", "sseré", 1, 3, "VER"},
        {"caisse", "ès", "ès", "caisse"},
        {"déré", "ré", "ré", "déré"},
    });
    SearchParameters two;
    two.endingLength = 2;
    const SearchRun run = runFor(*words, "abaisserai", two);
    QCOMPARE(run.preparedKey(), QString("aisseré"));
    QCOMPARE(run.searchKey(), QString("sseré"));
    QCOMPARE(run.queryApproxSound(), QString("ré"));
    QCOMPARE(run.endingKey(), QString("ré"));
    QCOMPARE(headwords(run, ResultKind::Ending), (QStringList {"presseré", "déré"}));

    // 'essai' searches the ending 'sé', not 'ai'.
    const auto essai = makeWordList({{"essai", "sé", "é", "essai"}, {"pensé", "sé", "é", "pensé"}});
    const SearchRun endings = runFor(*essai, "essai", two);
    QCOMPARE(endings.endingKey(), QString("sé"));
    QCOMPARE(headwords(endings, ResultKind::Ending), QStringList {"pensé"});

    // Without the exact stage the blank is kept for the later lookups.
    SearchParameters noExact;
    noExact.richRhymes = false;
    const auto expressions = makeWordList({{"e monné", "x", "é", "e monné"}, {"monnaie", "oné", "é", "monné"}});
    const SearchRun kept = runFor(*expressions, "porte-monnaie", noExact);
    QCOMPARE(kept.searchKey(), QString("e monné"));
    QCOMPARE(kept.endingKey(), QString("monné"));
}

void TestSearchRun::typedWordLeftOutOfEndings()
{
    const auto words = rhymeList();
    SearchParameters three;
    three.endingLength = 3;
    const SearchRun run = runFor(*words, "chanson", three);
    QCOMPARE(run.endingKey(), QString("son"));
    QCOMPARE(headwords(run, ResultKind::Ending), (QStringList {"maison", "son", "saison"}));
    // Written with a capital, the typed word is still itself.
    const SearchRun upper = runFor(*words, "Chanson", three);
    QCOMPARE(headwords(upper, ResultKind::Ending), (QStringList {"maison", "son", "saison"}));
}

void TestSearchRun::capitalsGiveTheSameLists()
{
    const auto words = makeWordList({
        {"lune", "lun", "un", "lune", 0, 1, "NOM"},
        {"tribune", "bun", "un", "tribune", 0, 3, "NOM"},
        {"une", "un", "un", "une", 0, 1, "PRO"},
        {"hune", "un", "un", "hune", 0, 1, "NOM"},
        {"callune", "lun", "un", "callune", 0, 2, "NOM"},
    });
    const SearchRun lower = runFor(*words, "lune");
    QCOMPARE(headwords(lower, ResultKind::Rich), (QStringList {"lune", "callune"}));
    for (const QString typed : {"Lune", "LUNE"}) {
        const SearchRun upper = runFor(*words, typed);
        QCOMPARE(upper.queryExactSound(), lower.queryExactSound());
        for (const ResultKind kind : {ResultKind::Rich, ResultKind::Approx, ResultKind::Ending})
            QCOMPARE(upper.resultLines(kind), lower.resultLines(kind));
    }
}

void TestSearchRun::twoLettersAndLongWords()
{
    const auto words = makeWordList({
        {"or", "or", "or", "or", 0, 1, "NOM;CONJ"},
        {"fort", "or", "or", "fort", 0, 1, "ADJ"},
        {"extraordinairement", "man", "an", "irement", 0, 7, "ADV"},
        {"entièrement", "man", "an", "érement", 0, 4, "ADV"},
        {"vraiment", "man", "an", "vraiment", 0, 2, "ADV"},
    });
    const SearchRun two = runFor(*words, "or");
    QCOMPARE(two.queryExactSound(), QString("or"));
    QCOMPARE(headwords(two, ResultKind::Rich), (QStringList {"or", "fort"}));
    // The key reads the end of a long word, where the rhyme is.
    const SearchRun longWord = runFor(*words, "extraordinairement");
    QCOMPARE(longWord.queryExactSound(), QString("man"));
    QCOMPARE(headwords(longWord, ResultKind::Rich), (QStringList {"extraordinairement", "entièrement", "vraiment"}));
}

void TestSearchRun::genreFilter()
{
    const auto words = makeWordList({
        {"porte", "ort", "or", "porte", 0, 1, "NOM;VER"},
        {"aiment", u"ém"_qs, u"ém"_qs, "aiment", 1, 1, "VER"},
        {"fort", "or", "or", "fort", 0, 1, "ADJ"},
        {"portent", "ort", "or", "portent", 1, 1, "VER"},
        {"transport", "or", "or", "transport", 0, 2, "NOM"},
        {"sortaient", u"té"_qs, u"é"_qs, u"sorté"_qs, 1, 2, "VER"},
    });
    SearchParameters p;
    p.approxRhymes = false;
    p.endingLength = 2;
    p.genreFilter = u"Féminine"_qs;
    SearchRun run = runFor(*words, "porte", p);
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"porte", "portent"}));
    QCOMPARE(headwords(run, ResultKind::Ending), QStringList());
    p.genreFilter = "Masculine";
    run = runFor(*words, "porte", p);
    QCOMPARE(headwords(run, ResultKind::Rich), QStringList());
    run = runFor(*words, "fort", p);
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"fort", "transport"}));
    run = runFor(*words, "sortaient", p);
    QCOMPARE(headwords(run, ResultKind::Rich), QStringList {"sortaient"});
    p.genreFilter = "Toutes";
    run = runFor(*words, "porte", p);
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"porte", "portent"}));
    // Every listed line carries its genre.
    run = runFor(*words, "porte", p);
    QCOMPARE(run.results(ResultKind::Rich).first().genre, RhymeGenre::Feminine);
}

void TestSearchRun::filtersApplyToEveryList()
{
    const auto words = rhymeList();
    SearchParameters p;
    p.excludeConjugated = true;
    SearchRun run = runFor(*words, "porte", p);
    QCOMPARE(headwords(run, ResultKind::Rich), (QStringList {"porte", "morte"}));
    QCOMPARE(headwords(run, ResultKind::Ending), QStringList());

    p = {};
    p.syllableFilter = "2";
    run = runFor(*words, "porte", p);
    QCOMPARE(headwords(run, ResultKind::Rich), QStringList {"emporte"});
    QCOMPARE(headwords(run, ResultKind::Approx), QStringList {"trésor"});

    // Sounds are shown even when every line is filtered out; the ending is not.
    p.syllableFilter = "9";
    run = runFor(*words, "porte", p);
    const SearchSummary summary = run.summary();
    QCOMPARE(summary.soundLabel[0], QString(" ort "));
    QCOMPARE(summary.soundLabel[1], QString(" or "));
    QCOMPARE(run.endingKey(), QString("porte"));
    QCOMPARE(summary.soundLabel[2], QString(" Pas de rime. "));
    QCOMPARE(summary.countLabel[0], QString("Aucune rime trouvée."));
}

void TestSearchRun::stageChain()
{
    const auto words = rhymeList();
    SearchParameters p;
    SearchRun all(*words, p);
    QCOMPARE(all.firstStage(), SearchStage::Exact);
    QCOMPARE(all.stageAfter(SearchStage::Exact), SearchStage::Approx);
    QCOMPARE(all.stageAfter(SearchStage::Approx), SearchStage::Ending);
    QCOMPARE(all.stageAfter(SearchStage::Ending), SearchStage::Finish);
    QCOMPARE(all.stageAfter(SearchStage::Finish), SearchStage::None);

    p.richRhymes = false;
    p.approxRhymes = false;
    SearchRun endingsOnly(*words, p);
    QCOMPARE(endingsOnly.firstStage(), SearchStage::Ending);

    p.wordEndings = false;
    p.richRhymes = true;
    SearchRun exactOnly(*words, p);
    QCOMPARE(exactOnly.stageAfter(SearchStage::Exact), SearchStage::Finish);

    p.richRhymes = false;
    SearchRun nothing(*words, p);
    QCOMPARE(nothing.firstStage(), SearchStage::Finish);
}

void TestSearchRun::stagesRunOnceAndInOrder()
{
    const auto words = rhymeList();
    SearchParameters p;
    p.typedText = "porte";
    SearchRun run(*words, p);
    QCOMPARE(run.exactCount(), 0);
    QVERIFY(!run.stageDone(SearchStage::Exact));
    run.runStage(run.firstStage());
    QVERIFY(run.stageDone(SearchStage::Exact));
    QCOMPARE(run.exactCount(), 4);
    run.runExact();
    QCOMPARE(run.exactCount(), 4);
    QVERIFY(!run.finished());
    run.runAll();
    QCOMPARE(run.approxCount(), 2);
    QVERIFY(run.finished());
}

void TestSearchRun::noRichRhymeMessage()
{
    const auto words = rhymeList();
    SearchParameters p;
    p.typedText = "xyzw";
    SearchRun run(*words, p);
    QVERIFY(!run.wantsNoRichRhymeMessage());
    run.runExact();
    QVERIFY(run.wantsNoRichRhymeMessage());
    p.showSecondaryMessages = false;
    SearchRun quiet(*words, p);
    quiet.runExact();
    QVERIFY(!quiet.wantsNoRichRhymeMessage());
}

void TestSearchRun::moreThanFiveHundredRichRhymes()
{
    QList<FixtureRow> rows;
    for (int i = 0; i < 700; ++i)
        rows.append({QString("mot%1a").arg(i), "ta", "a", QString("ot%1a").arg(i).right(7)});
    rows.append({"mot699a", "zz", "a", "zzzz"});  // an approximate twin of the last rich rhyme
    rows.append({"autre", "zz", "a", "yyyy"});
    const auto words = makeWordList(rows);
    const SearchRun run = runFor(*words, "ot0a");
    QCOMPARE(run.exactCount(), 700);
    QCOMPARE(run.summary().countLabel[0], QString("700 rimes trouvées."));
    QCOMPARE(headwords(run, ResultKind::Approx), QStringList {"autre"});
}

// A headword with trailing blanks shows as the rich rhyme it pads to, so the
// approximate list leaves it out like the rich rhyme itself.
void TestSearchRun::paddedTwinOfARichRhymeLeftOut()
{
    const auto words = makeWordList({
        {"porte", "ort", "or", "porte"},
        {"porte  ", "rt", "or", "orte"},
        {"fort", "or", "or", "fort"},
    });
    const SearchRun run = runFor(*words, "porte");
    QCOMPARE(headwords(run, ResultKind::Rich), QStringList {"porte"});
    QCOMPARE(headwords(run, ResultKind::Approx), QStringList {"fort"});
}

void TestSearchRun::emptyRun()
{
    SearchRun run;
    run.runAll();
    QCOMPARE(run.exactCount() + run.approxCount() + run.endingCount(), 0);
    QCOMPARE(run.summary().soundLabel[0], QString(" Pas de rime. "));

    // A typed word ending with a hyphen has no ending to look for.
    const auto words = rhymeList();
    const SearchRun hyphen = runFor(*words, "porte-");
    QCOMPARE(hyphen.queryExactSound(), QString());
    QCOMPARE(hyphen.endingCount(), 0);
}

// By default each list keeps the word list's order; asked for, French
// dictionary order, where an accented letter sorts with its base letter.
void TestSearchRun::alphabeticalOrder()
{
    const QList<FixtureRow> rows {
        {"zèle", "el", "el", "zele"},   {"ébène", "en", "en", "ebene"}, {"aile", "el", "el", "aile"},
        {"élève", "ev", "ev", "eleve"}, {"Ève", "ev", "ev", "eve"},     {"étincelle", "el", "el", "tincelle"},
        {"Bételle", "el", "el", "betelle"}, {"belle", "el", "el", "belle"},
    };
    const auto words = makeWordList(rows);
    QVERIFY(words);
    SearchParameters parameters;
    parameters.typedText = QStringLiteral("pelle");
    parameters.approxRhymes = false;
    parameters.wordEndings = false;
    const auto headwords = [&] {
        SearchRun run(*words, parameters);
        run.runAll();
        QStringList found;
        for (const ResultEntry &entry : run.results(ResultKind::Rich))
            found.append(entry.headword);
        return found;
    };
    QCOMPARE(headwords(), (QStringList {u"zèle"_qs, "aile", u"étincelle"_qs, u"Bételle"_qs, "belle"}));
    parameters.alphabetical = true;
    QCOMPARE(headwords(), (QStringList {"aile", "belle", u"Bételle"_qs, u"étincelle"_qs, u"zèle"_qs}));
}

QTEST_APPLESS_MAIN(TestSearchRun)
#include "tst_SearchRun.moc"
