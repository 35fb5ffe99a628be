// The rimes command as GNU tools are used: grouped short options, attached
// values, the word from standard input; and its manual pages and completion
// naming every option its help names.
#include "cli/RimesCommand.h"
#include "search/QueryPreparation.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString readSource(const QString &relativePath)
{
    QFile file(QStringLiteral(VERSALUNE_SOURCE_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The option names of the help's option lines ("  -r, --riches   ...").
QSet<QString> helpOptions()
{
    QSet<QString> names;
    static const QRegularExpression optionLine(QStringLiteral("^  (-[^ ].*?)(?:  |$)"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression name(QStringLiteral("--?[a-z][a-z-]*"));
    for (const auto &line : optionLine.globalMatch(RimesHelpText())) {
        for (const auto &match : name.globalMatch(line.captured(1)))
            names.insert(match.captured());
    }
    return names;
}

// The option names a manual page or completion script spells, "\-" read as "-".
QSet<QString> optionsIn(const QString &text)
{
    QSet<QString> names;
    QString plain = text;
    plain.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    static const QRegularExpression name(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    for (const auto &match : name.globalMatch(plain))
        names.insert(match.captured());
    return names;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run runRimes(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(RIMES_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestRimesArguments : public QObject {
    Q_OBJECT
private slots:
    void groupedAndAttached_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("expanded");
        QTest::newRow("grouped flags") << QStringList {"-rp", "lune"} << QStringList {"-r", "-p", "lune"};
        QTest::newRow("attached value") << QStringList {"-s2", "lune"} << QStringList {"-s", "2", "lune"};
        QTest::newRow("flags then a value") << QStringList {"-xrl3"} << QStringList {"-x", "-r", "-l", "3"};
        QTest::newRow("the value is the rest") << QStringList {"-cNom"} << QStringList {"-c", "Nom"};
        QTest::newRow("long options unchanged") << QStringList {"--syllabes=2", "--riches"}
                                                << QStringList {"--syllabes=2", "--riches"};
        QTest::newRow("nothing after --") << QStringList {"-r", "--", "-rp"} << QStringList {"-r", "--", "-rp"};
        QTest::newRow("short option with =") << QStringList {"-g=feminine"} << QStringList {"-g=feminine"};
        QTest::newRow("lone dash is a word") << QStringList {"-"} << QStringList {"-"};
    }

    void groupedAndAttached()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, expanded);
        QCOMPARE(ExpandShortOptions(given), expanded);
    }

    void groupedOptionsChooseTheSearches()
    {
        const RimesParse parse = ParseRimesArguments({"-rp", "-s2", "--genre=feminine", "lune"});
        QVERIFY2(parse.ok(), qPrintable(parse.error));
        const SearchParameters &p = parse.request.parameters;
        QVERIFY(p.richRhymes && p.approxRhymes && !p.wordEndings);
        QCOMPARE(p.syllableFilter, QStringLiteral("2"));
        QVERIFY(!p.genreFilter.isEmpty());
        QCOMPARE(ParseRimesArguments({"-s", "2", "lune"}).request.parameters.syllableFilter, QStringLiteral("2"));
        // An unknown letter in a group is named alone.
        QVERIFY(ParseRimesArguments({"-rz", "lune"}).error.contains(QStringLiteral("-z")));
    }

    void wordFromStandardInput()
    {
        int asked = 0;
        const auto input = [&]() -> std::optional<QString> { ++asked; return QStringLiteral("étoile"); };
        RimesParse parse = ParseRimesArguments({"-t"}, input);
        QVERIFY(parse.ok());
        QCOMPARE(parse.request.parameters.typedText, QStringLiteral("étoile"));
        // A word given on the command line wins; input is then not read.
        parse = ParseRimesArguments({"lune"}, input);
        QCOMPARE(parse.request.parameters.typedText, QStringLiteral("lune"));
        QCOMPARE(asked, 1);
        // Nothing on the input (a terminal, or empty) is the usual error.
        QVERIFY(!ParseRimesArguments({"-t"}, [] { return std::optional<QString>(); }).ok());
        // The export takes no word, so it reads nothing.
        QVERIFY(ParseRimesArguments({"--export"}, input).ok());
        QCOMPARE(asked, 1);
    }

    void commandReadsThePipedWord()
    {
        const Run piped = runRimes({"-t", "--json"}, QByteArray("zzzzzzzz\nautre\n"));
        QCOMPARE(piped.status, 1);   // read, searched, nothing found
        QVERIFY2(piped.out.contains(QStringLiteral("zzzzzzzz")), qPrintable(piped.out + piped.err));
        const Run empty = runRimes({"-t"}, QByteArray());
        QCOMPARE(empty.status, 2);
        QVERIFY(empty.err.contains(QStringLiteral("Donnez un mot")));
    }

    void manualsAndCompletionNameEveryOption_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("French manual") << QStringLiteral("packaging/man/rimes.1");
        QTest::newRow("English manual") << QStringLiteral("packaging/man/en/rimes.1");
        QTest::newRow("completion") << QStringLiteral("packaging/completion/rimes");
    }

    void manualsAndCompletionNameEveryOption()
    {
        QFETCH(QString, file);
        const QSet<QString> documented = helpOptions();
        QVERIFY(documented.contains(QStringLiteral("--genre")));
        QVERIFY(documented.contains(QStringLiteral("--help")));
        const QString text = readSource(file);
        QVERIFY2(!text.isEmpty(), qPrintable(file));
        const QSet<QString> named = optionsIn(text);
        QStringList missing;
        for (const QString &option : documented) {
            if (!named.contains(option))
                missing.append(option);
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(file + QStringLiteral(" : ") + missing.join(QLatin1Char(' '))));
    }

    void manualsSayTheHelpsLengths()
    {
        QVERIFY(RimesHelpText().contains(QStringLiteral("%1 caract\u00E8res au plus,\n%2 au moins")
                                             .arg(InputMaxLength).arg(MinimumSearchLength)));
        QVERIFY(readSource(QStringLiteral("packaging/man/rimes.1"))
                    .contains(QStringLiteral("%1 caract\u00E8res\nau plus, %2 au moins").arg(InputMaxLength).arg(MinimumSearchLength)));
        QVERIFY(readSource(QStringLiteral("packaging/man/en/rimes.1"))
                    .contains(QStringLiteral("%1 characters at most, %2 at\nleast").arg(InputMaxLength).arg(MinimumSearchLength)));
        for (const QString &page : {QStringLiteral("packaging/man/rimes.1"), QStringLiteral("packaging/man/en/rimes.1")})
            QVERIFY2(readSource(page).contains(QStringLiteral(".B 4\n")), qPrintable(page));
    }
};

QTEST_GUILESS_MAIN(TestRimesArguments)
#include "tst_RimesArguments.moc"
