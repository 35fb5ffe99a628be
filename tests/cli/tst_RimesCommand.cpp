#include "cli/RimesCommand.h"

#include <QTest>

class TestRimesCommand : public QObject {
    Q_OBJECT
private slots:
    void defaults();
    void searchChoices();
    void optionValues();
    void badArguments_data();
    void badArguments();
    void wordFilteredLikeTheInputBox();
    void helpAndExport();
    void genreChoice_data();
    void genreChoice();
    void userTextIsNotAFormat();
};

void TestRimesCommand::defaults()
{
    const RimesParse parse = ParseRimesArguments({"porte"});
    QVERIFY(parse.ok());
    const SearchParameters &p = parse.request.parameters;
    QCOMPARE(p.typedText, QString("porte"));
    QVERIFY(p.richRhymes && p.approxRhymes && p.wordEndings);
    QCOMPARE(p.endingLength, 5);
    QCOMPARE(p.syllableFilter, QString("Toutes"));
    QCOMPARE(p.categoryFilter, QString("Toutes"));
    QVERIFY(!p.excludeConjugated);
    QVERIFY(!p.showDuplicates);
    QVERIFY(!parse.request.json);
    QVERIFY(parse.request.notes.isEmpty());
    QCOMPARE(parse.request.action, RimesRequest::Action::Search);
}

void TestRimesCommand::searchChoices()
{
    // Naming some searches runs only those.
    RimesParse parse = ParseRimesArguments({"-t", "porte", "--riches"});
    QVERIFY(parse.ok());
    QVERIFY(parse.request.parameters.richRhymes);
    QVERIFY(!parse.request.parameters.approxRhymes);
    QVERIFY(parse.request.parameters.wordEndings);
    parse = ParseRimesArguments({"--pauvres", "porte"});
    QVERIFY(!parse.request.parameters.richRhymes && parse.request.parameters.approxRhymes
            && !parse.request.parameters.wordEndings);
}

void TestRimesCommand::optionValues()
{
    const RimesParse parse = ParseRimesArguments(
        {"--lettres=3", "-s", "2", "--categorie", "verbe", "--sans-conjugues", "-d", "--json", "chanson"});
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    const SearchParameters &p = parse.request.parameters;
    QCOMPARE(p.endingLength, 3);
    QCOMPARE(p.syllableFilter, QString("2"));
    QCOMPARE(p.categoryFilter, QString("Verbe"));
    QCOMPARE(p.categoryCode, QString("VER"));
    QVERIFY(p.excludeConjugated);
    QVERIFY(p.showDuplicates);
    QVERIFY(parse.request.json);

    const RimesParse accented = ParseRimesArguments({u"--catégorie=Adjectif"_qs, "-l", "2", "--syllabes=toutes", "mer-"});
    QVERIFY2(accented.ok(), qPrintable(accented.error));
    QCOMPARE(accented.request.parameters.categoryCode, QString("ADJ"));
    QCOMPARE(accented.request.parameters.endingLength, 2);
    QCOMPARE(accented.request.parameters.syllableFilter, QString("Toutes"));
    QVERIFY(!p.alphabetical);
    QVERIFY(ParseRimesArguments({"--alphabetique", "lune"}).request.parameters.alphabetical);
    QVERIFY(ParseRimesArguments({u"--alphabétique"_qs, "lune"}).request.parameters.alphabetical);
    QVERIFY(ParseRimesArguments({"-a", "lune"}).request.parameters.alphabetical);
    // A word after "--" may start with a hyphen.
    const RimesParse dashed = ParseRimesArguments({"--", "-porte"});
    QVERIFY(dashed.ok());
    QCOMPARE(dashed.request.parameters.typedText, QString("-porte"));
}

void TestRimesCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("inMessage");
    QTest::newRow("unknown option") << QStringList {"--rime", "porte"} << "Option inconnue : --rime";
    QTest::newRow("letters too many") << QStringList {"--lettres", "6", "porte"} << "--lettres : 6";
    QTest::newRow("letters not a number") << QStringList {"--lettres=deux", "porte"} << "--lettres : deux";
    QTest::newRow("letters missing") << QStringList {"porte", "--lettres"} << "--lettres : rien";
    QTest::newRow("syllables zero") << QStringList {"-s", "0", "porte"} << "--syllabes : 0";
    QTest::newRow("syllables ten") << QStringList {"-s", "10", "porte"} << "--syllabes : 10";
    QTest::newRow("category") << QStringList {"-c", "Adverbe", "porte"} << "--categorie : Adverbe";
    QTest::newRow("flag with value") << QStringList {"--doublons=oui", "porte"} << "ne prend pas de valeur";
    QTest::newRow("no word") << QStringList {"-r"} << "Donnez un mot";
    QTest::newRow("two words") << QStringList {"porte", "morte"} << "Un seul mot";
    QTest::newRow("too short") << QStringList {"o"} << "trop court";
    QTest::newRow("short once filtered") << QStringList {"l'"} << "trop court";
    QTest::newRow("genre") << QStringList {"--genre", "neutre", "porte"} << "--genre : neutre";
    QTest::newRow("genre missing") << QStringList {"porte", "-g"} << "--genre : rien";
    QTest::newRow("digits only") << QStringList {"1234"} << "trop court";
    QTest::newRow("export with word") << QStringList {"--export", "porte"} << "ne donnez pas de mot";
    QTest::newRow("export as json") << QStringList {"--export", "--json"} << "ne vont pas ensemble";
}

void TestRimesCommand::badArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, inMessage);
    const RimesParse parse = ParseRimesArguments(arguments);
    QVERIFY(!parse.ok());
    QVERIFY2(parse.error.contains(inMessage), qPrintable(parse.error));
}

void TestRimesCommand::wordFilteredLikeTheInputBox()
{
    RimesParse parse = ParseRimesArguments({"l'eau"});
    QVERIFY(parse.ok());
    QCOMPARE(parse.request.parameters.typedText, QString("eau"));
    QCOMPARE(parse.request.givenWord, QString("l'eau"));
    QCOMPARE(parse.request.notes.size(), 1);
    QVERIFY(parse.request.notes.first().contains(u"« eau »"_qs));
    QVERIFY(parse.request.notes.first().contains(u"apostrophe"_qs));
    parse = ParseRimesArguments({u"aujourd’hui"_qs});
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.request.parameters.typedText, QString("hui"));
    // A ligature is spelled out as the word list writes it, which removes nothing.
    parse = ParseRimesArguments({u"cœur"_qs});
    QCOMPARE(parse.request.parameters.typedText, QString("coeur"));
    QVERIFY(parse.request.notes.isEmpty());
    parse = ParseRimesArguments({"ab#c"});
    QVERIFY(parse.request.notes.first().contains(u"non admis"_qs));

    parse = ParseRimesArguments({u"cœur"_qs});
    QCOMPARE(parse.request.parameters.typedText, QString("coeur"));

    // The box holds 40 characters: long words keep their ending, where the
    // rhyme is.
    parse = ParseRimesArguments({"anticonstitutionnellement"});
    QVERIFY(parse.ok());
    QCOMPARE(parse.request.parameters.typedText, QString("anticonstitutionnellement"));
    QVERIFY(parse.request.notes.isEmpty());
    parse = ParseRimesArguments({QString(45, QLatin1Char('a'))});
    QCOMPARE(parse.request.parameters.typedText, QString(40, QLatin1Char('a')));
    QVERIFY(parse.request.notes.first().contains("40"));

    // Two letters are enough; a capital is kept as typed (the key drops it).
    parse = ParseRimesArguments({"or"});
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    parse = ParseRimesArguments({u"Âme"_qs});
    QVERIFY(parse.ok());
    QCOMPARE(parse.request.parameters.typedText, u"Âme"_qs);
}

void TestRimesCommand::genreChoice_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("caption");
    QTest::newRow("masculine") << "masculine" << "Masculine";
    QTest::newRow("feminine") << "feminine" << u"Féminine"_qs;
    QTest::newRow("accented") << u"FÉMININE"_qs << u"Féminine"_qs;
    QTest::newRow("all") << "toutes" << "Toutes";
}

void TestRimesCommand::genreChoice()
{
    QFETCH(QString, value);
    QFETCH(QString, caption);
    QCOMPARE(ParseRimesArguments({"porte"}).request.parameters.genreFilter, QString("Toutes"));
    RimesParse parse = ParseRimesArguments({"--genre", value, "porte"});
    QVERIFY2(parse.ok(), qPrintable(parse.error));
    QCOMPARE(parse.request.parameters.genreFilter, caption);
    parse = ParseRimesArguments({"porte", "-g=" + value});
    QCOMPARE(parse.request.parameters.genreFilter, caption);
}

void TestRimesCommand::helpAndExport()
{
    QCOMPARE(ParseRimesArguments({"porte", "--aide"}).request.action, RimesRequest::Action::Help);
    QCOMPARE(ParseRimesArguments({"-h"}).request.action, RimesRequest::Action::Help);
    QCOMPARE(ParseRimesArguments({"--export"}).request.action, RimesRequest::Action::Export);
    QVERIFY(ParseRimesArguments({"--export"}).ok());
    const QString help = RimesHelpText();
    for (const char *option : {"--riches", "--pauvres", "--terminaisons", "--lettres", "--syllabes", "--categorie",
                               "--sans-conjugues", "--doublons", "--json", "--export", "--genre"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

// Placeholders in what the user typed come out as typed.
void TestRimesCommand::userTextIsNotAFormat()
{
    RimesParse parse = ParseRimesArguments({"%1"});
    QCOMPARE(parse.error, u"Le mot « %1 » est trop court : il faut au moins 2 caractères admis "
                          u"(lettres, lettres accentuées, trait d'union)."_qs);
    parse = ParseRimesArguments({"%2%1"});
    QVERIFY(parse.error.startsWith(u"Le mot « %2%1 » est trop court"_qs));
    parse = ParseRimesArguments({"--lettres", "%1%2"});
    QVERIFY(parse.error.contains(u"--lettres : %1%2 (attendu"_qs));
    parse = ParseRimesArguments({"a%1", "b%2"});
    QVERIFY(parse.error.contains(u"a%1 b%2"_qs));
}

QTEST_APPLESS_MAIN(TestRimesCommand)
#include "tst_RimesCommand.moc"
