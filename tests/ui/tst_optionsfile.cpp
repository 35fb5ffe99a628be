#include "FileSizeLimit.h"
#include "lexicon/TextCodec.h"
#include "support/TestSupport.h"
#include "ui/main/OptionsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList kDefaultLines {
    QStringLiteral("Theme:0"),          QStringLiteral("Enreg opt:1"),        QStringLiteral("Doublons:0"),
    QStringLiteral("AffichMess:1"),     QStringLiteral("OrthoON:0"),          QStringLiteral("LettrePM:1"),
    QStringLiteral("??????"),           QStringLiteral("??????"),             QStringLiteral("??????"),
    QStringLiteral("Options par défaut"), QStringLiteral("Rimes exactes:1"),   QStringLiteral("Rimes approch:1"),
    QStringLiteral("Terminai mots:1"),  QStringLiteral("Nombre sylabb:Toutes"), QStringLiteral("Types de  mot:Toutes"),
    QStringLiteral("Verb conjugué:0")};

void writeFile(const QString &path, const QStringList &lines)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(TextCodec::toWindows1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

QStringList withLine(int number, const QString &text)
{
    QStringList lines = kDefaultLines;
    lines[number - 1] = text;
    return lines;
}
} // namespace

class TestOptionsFile : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(path());
    }

    // The sixteen lines of old, then the later choices, each on a line of its own key.
    void writesWindows1252Lines()
    {
        AppPreferences preferences;
        preferences.theme = 0;
        const QByteArray bytes = OptionsFile::compose(preferences, SearchOptions {});
        const QStringList extra {QStringLiteral("Genre rime:Toutes"), QStringLiteral("Ordre alpha:0"), QStringLiteral("Sans attente:0"),
                                 QStringLiteral("Apparence bureau:0"), QStringLiteral("Alertes atelier:111111"),
                                 QStringLiteral("Poèmes récents:"), QStringLiteral("Fenêtre agrandie:0")};
        QCOMPARE(bytes, TextCodec::toWindows1252((kDefaultLines + extra).join(QStringLiteral("\r\n"))
                                                 + QStringLiteral("\r\n")));
        // "é" is one byte, the file ends with CR LF.
        QVERIFY(bytes.contains("Verb conjugu\xE9:0\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(bytes.contains("\r\nTaille fen") == false);
        SearchOptions feminine;
        feminine.genreFilter = QStringLiteral("Féminine");
        QVERIFY(OptionsFile::compose(preferences, feminine).contains("\r\nGenre rime:F\xE9minine\r\n"));
        const QByteArray sized = OptionsFile::compose(preferences, SearchOptions {}, MainWindowSize {900, 700, true});
        QVERIFY(sized.endsWith("Taille fen\xEAtre:900x700\r\nFen\xEAtre agrandie:1\r\n"));
    }

    // A file of the sixteen lines only (written before the later choices)
    // reads with their defaults, and is written back with them.
    void olderFileReadsWithDefaults()
    {
        QStringList lines = kDefaultLines;
        lines[2] = QStringLiteral("Doublons:1");
        writeFile(path(), lines);
        const auto preferences = OptionsFile::readPreferences(path());
        QVERIFY(preferences);
        QCOMPARE(preferences->showDuplicates, 1);
        QCOMPARE(preferences->alphabeticalOrder, 0);
        QCOMPARE(preferences->resultsAtOnce, 0);
        QCOMPARE(preferences->atelierWarnings, QStringLiteral("111111"));
        QVERIFY(preferences->recentPoems.isEmpty());
        QVERIFY(OptionsFile::readSearchOptions(path()).complete());
        QCOMPARE(OptionsFile::readWindowSize(path()), MainWindowSize {});

        QVERIFY(OptionsFile::write(path(), *preferences, SearchOptions {}));
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList written = TextCodec::fromWindows1252(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(written.mid(0, 16), lines);
        QVERIFY(written.contains(QStringLiteral("Ordre alpha:0")));
        QVERIFY(written.contains(QStringLiteral("Sans attente:0")));
    }

    // The later lines are found by their key, in any order, after other
    // lines the program does not know; a bad value gives the default.
    void laterLinesFoundByKey()
    {
        writeFile(path(), kDefaultLines
                              + QStringList {QStringLiteral("Genre rime:Toutes"), QStringLiteral("Sans attente:1"),
                                             QStringLiteral("Taille fenêtre:1000x720"),
                                             QStringLiteral("Ordre alpha:1"), QStringLiteral("Fenêtre agrandie:1")});
        auto preferences = OptionsFile::readPreferences(path());
        QCOMPARE(preferences->alphabeticalOrder, 1);
        QCOMPARE(preferences->resultsAtOnce, 1);
        QCOMPARE(OptionsFile::readWindowSize(path()), (MainWindowSize {1000, 720, true}));

        for (const char *bad : {"Taille fenêtre:1000", "Taille fenêtre:-5x700", "Taille fenêtre:axb",
                                "Taille fenêtre:99999x700"}) {
            writeFile(path(), kDefaultLines + QStringList {QString::fromUtf8(bad), QStringLiteral("Ordre alpha:7")});
            QVERIFY2(OptionsFile::readWindowSize(path()).isEmpty(), bad);
            QCOMPARE(OptionsFile::readPreferences(path())->alphabeticalOrder, 0);
        }
        // A key on one of the sixteen lines is not taken for a later choice.
        QStringList early = kDefaultLines;
        early[7] = QStringLiteral("Ordre alpha:1");
        writeFile(path(), early);
        QCOMPARE(OptionsFile::readPreferences(path())->alphabeticalOrder, 0);
    }

    // The workbench's six check flags come back as written; anything but six
    // "0"/"1" leaves every check on.
    void atelierWarningsRoundTrip()
    {
        AppPreferences preferences;
        preferences.atelierWarnings = QStringLiteral("101001");
        QVERIFY(OptionsFile::write(path(), preferences, SearchOptions {}));
        QCOMPARE(OptionsFile::readPreferences(path())->atelierWarnings, QStringLiteral("101001"));
        for (const char *bad : {"Alertes atelier:10100", "Alertes atelier:1010011", "Alertes atelier:10a001",
                                "Alertes atelier:"}) {
            writeFile(path(), kDefaultLines + QStringList {QString::fromUtf8(bad)});
            QVERIFY2(OptionsFile::readPreferences(path())->atelierWarnings == QStringLiteral("111111"), bad);
        }
    }

    // Paths the file cannot carry whole (a tab, a line end, a character
    // outside its encoding) are left out rather than written damaged; at
    // most five are kept, without repeats.
    void recentPoemsRoundTrip()
    {
        AppPreferences preferences;
        preferences.recentPoems = {QStringLiteral("/home/léa/Poèmes/automne.txt"), QStringLiteral("/tmp/a\tb.txt"),
                                   QStringLiteral("/tmp/\u0436.txt"), QStringLiteral("/tmp/1.txt"),
                                   QStringLiteral("/tmp/1.txt"), QStringLiteral("/tmp/2.txt"),
                                   QStringLiteral("/tmp/3.txt"), QStringLiteral("/tmp/4.txt"),
                                   QStringLiteral("/tmp/5.txt")};
        QVERIFY(OptionsFile::write(path(), preferences, SearchOptions {}));
        QCOMPARE(OptionsFile::readPreferences(path())->recentPoems,
                 (QStringList {QStringLiteral("/home/léa/Poèmes/automne.txt"), QStringLiteral("/tmp/1.txt"),
                               QStringLiteral("/tmp/2.txt"), QStringLiteral("/tmp/3.txt"),
                               QStringLiteral("/tmp/4.txt")}));
        writeFile(path(), kDefaultLines + QStringList {QStringLiteral("Poèmes récents:\t\t/tmp/x.txt\t")});
        QCOMPARE(OptionsFile::readPreferences(path())->recentPoems, QStringList {QStringLiteral("/tmp/x.txt")});
    }

    void roundTrip()
    {
        AppPreferences preferences {4, 0, 1, 0, 1, 0, 1, 1};
        SearchOptions search {false, true, false, QStringLiteral("7"), QStringLiteral("Verbe"), true,
                              QStringLiteral("Masculine")};
        QVERIFY(OptionsFile::write(path(), preferences, search));
        QCOMPARE(OptionsFile::readPreferences(path()), std::optional<AppPreferences>(preferences));
        const SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        QVERIFY(saved.complete());
        QCOMPARE(*saved.richRhymes, false);
        QCOMPARE(*saved.approxRhymes, true);
        QCOMPARE(*saved.wordEndings, false);
        QCOMPARE(*saved.syllableFilter, QStringLiteral("7"));
        QCOMPARE(*saved.categoryFilter, QStringLiteral("Verbe"));
        QCOMPARE(*saved.excludeConjugated, true);
        QCOMPARE(*saved.genreFilter, QStringLiteral("Masculine"));
    }

    // The genre line is read on its own: a bad line above it does not lose
    // it, and a file without it has none.
    void genreLineStandsAlone()
    {
        writeFile(path(), withLine(14, QStringLiteral("Nombre sylabb:12")) + QStringList {QStringLiteral("Genre rime:Masculine")});
        SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        QVERIFY(!saved.syllableFilter);
        QCOMPARE(saved.genreFilter, std::optional<QString>(QStringLiteral("Masculine")));
        writeFile(path(), kDefaultLines);
        saved = OptionsFile::readSearchOptions(path());
        QVERIFY(saved.complete());
        QVERIFY(!saved.genreFilter);
        // Only after the sixteen lines.
        QStringList early = kDefaultLines;
        early[7] = QStringLiteral("Genre rime:Masculine");
        writeFile(path(), early);
        QVERIFY(!OptionsFile::readSearchOptions(path()).genreFilter);
    }

    void searchLinesTakenAsWritten()
    {
        QStringList lines = kDefaultLines;
        lines[13] = QStringLiteral("Nombre sylabb:3");
        lines[14] = QStringLiteral("Types de  mot:Nom");
        writeFile(path(), lines);
        const SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        QCOMPARE(*saved.syllableFilter, QStringLiteral("3"));
        QCOMPARE(*saved.categoryFilter, QStringLiteral("Nom"));
        QCOMPARE(*saved.excludeConjugated, false);
    }

    void allSearchTypesOffGivesRichRhymes()
    {
        QStringList lines = kDefaultLines;
        lines[10] = QStringLiteral("Rimes exactes:0");
        lines[11] = QStringLiteral("Rimes approch:0");
        lines[12] = QStringLiteral("Terminai mots:0");
        writeFile(path(), lines);
        const SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        QCOMPARE(*saved.richRhymes, true);
        QCOMPARE(*saved.approxRhymes, false);
        QCOMPARE(*saved.wordEndings, false);
    }

    // Reading stops at the first bad line; what came before it stays.
    void badLineStopsReading_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("valuesRead");
        QTest::newRow("line 12 not a digit") << 12 << "Rimes approch:x" << 1;
        QTest::newRow("line 13 empty") << 13 << "" << 2;
        QTest::newRow("syllables not an item") << 14 << "Nombre sylabb:12" << 3;
        QTest::newRow("category not an item") << 15 << "Types de  mot:nom" << 4;
        QTest::newRow("category without colon") << 15 << "Toutes" << 4;
        QTest::newRow("conjugation not a digit") << 16 << "Verb conjugué:oui" << 5;
    }
    void badLineStopsReading()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, valuesRead);
        writeFile(path(), withLine(line, text));
        const SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        const bool present[6] = {saved.richRhymes.has_value(),     saved.approxRhymes.has_value(),
                                 saved.wordEndings.has_value(),    saved.syllableFilter.has_value(),
                                 saved.categoryFilter.has_value(), saved.excludeConjugated.has_value()};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(present[i], i < valuesRead);
    }

    // A named pipe in place of the file would hold the start for ever if it
    // were opened like a file; it is read as unreadable, and so is a
    // directory, and the defaults apply.
    void pipeOrDirectoryReadsAsUnreadable()
    {
        QVERIFY(TestSupport::makeFifo(path()));
        QVERIFY(!OptionsFile::readPreferences(path()));
        QVERIFY(!OptionsFile::readSearchOptions(path()).richRhymes);
        QVERIFY(QFile::remove(path()));
        QVERIFY(QDir().mkdir(path()));
        QVERIFY(!OptionsFile::readPreferences(path()));
        QVERIFY(QDir().rmdir(path()));
    }

    void missingOrShortFile()
    {
        QVERIFY(!OptionsFile::readPreferences(path()));
        QVERIFY(!OptionsFile::readSearchOptions(path()).richRhymes);
        writeFile(path(), kDefaultLines.mid(0, 12));
        QVERIFY(OptionsFile::readPreferences(path()));
        const SavedSearchOptions saved = OptionsFile::readSearchOptions(path());
        QVERIFY(saved.approxRhymes);
        QVERIFY(!saved.wordEndings);
    }

    // The key is never checked; lines 7 to 10 are never read; a value is the
    // last character only.
    void onlyTheLastCharacterCounts()
    {
        QStringList lines = kDefaultLines;
        lines[0] = QStringLiteral("Theme:12");
        lines[6] = QStringLiteral("anything");
        lines[10] = QStringLiteral("whatever7");
        writeFile(path(), lines);
        QCOMPARE(OptionsFile::readPreferences(path())->theme, 2);
        QCOMPARE(*OptionsFile::readSearchOptions(path()).richRhymes, true);
    }

    // A failed write keeps the user's file whole: a full disk...
    void fullDiskKeepsOldOne()
    {
        writeFile(path(), kDefaultLines);
        const QByteArray before = contents();
        {
            const FileSizeLimit limit(100);
            QVERIFY(!OptionsFile::write(path(), AppPreferences {}, SearchOptions {false, true, true}));
        }
        QCOMPARE(contents(), before);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("Option.ret")});
    }

    // ... or a directory the program may not write into.
    void readOnlyDirectoryKeepsOldOne()
    {
        writeFile(path(), kDefaultLines);
        const QByteArray before = contents();
        QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const bool written = OptionsFile::write(path(), AppPreferences {}, SearchOptions {false, true, true});
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (written)
            QSKIP("this account writes anywhere; the full-disk case covers the failure");
        QCOMPARE(contents(), before);
    }

    void writeIntoMissingDirectoryFails()
    {
        QVERIFY(!OptionsFile::write(m_dir.path() + QStringLiteral("/absent/Option.ret"), AppPreferences {},
                                    SearchOptions {}));
        QVERIFY(!QFile::exists(m_dir.path() + QStringLiteral("/absent")));
    }

private:
    QByteArray contents() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString path() const { return m_dir.path() + QStringLiteral("/Option.ret"); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestOptionsFile)
#include "tst_optionsfile.moc"
