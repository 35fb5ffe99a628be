// The scans that read the stored bytes list exactly what the scans of the
// decoded text listed: for 200 typed words spread over the shipped list,
// with their variants and every filter in turn, the three lists, their
// sounds and their order are the same.
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"
#include "search/SearchRun.h"
#include "support/PreviousSearch.h"

#include <QTest>

namespace {

// A typed word from a headword, altered the way a poet types: as it is,
// capitalised, after an article, with a letter too many, cut short.
QString typedVariant(const QString &headword, int n)
{
    switch (n % 6) {
    case 1:
        return headword.left(1).toUpper() + headword.mid(1);
    case 2:
        return QStringLiteral("le ") + headword;
    case 3:
        return headword + QStringLiteral("x");
    case 4:
        return headword.size() > 3 ? headword.mid(2) : headword;
    default:
        return headword.toLower();
    }
}

// The filters in turn, so that each of them is compared on some words.
SearchParameters parametersFor(const QString &typed, int n)
{
    SearchParameters parameters;
    parameters.typedText = typed;
    parameters.endingLength = 2 + n % 4;
    parameters.alphabetical = n % 5 == 0;
    parameters.showDuplicates = n % 7 == 0;
    parameters.excludeConjugated = n % 3 == 0;
    static const QString categories[] = {QStringLiteral("Toutes"), QStringLiteral("Nom"),
                                         QStringLiteral("Verbe"), QStringLiteral("Adjectif")};
    parameters.categoryFilter = categories[n % 4];
    static const QString genres[] = {QStringLiteral("Toutes"), QStringLiteral("Masculine"),
                                     QStringLiteral("F\u00E9minine")};
    parameters.genreFilter = genres[(n / 2) % 3];
    if (n % 8 == 0)
        parameters.syllableFilter = QString::number(1 + n % 4);
    return parameters;
}

} // namespace

class TestSearchComparison : public QObject {
    Q_OBJECT
private slots:
    void byteScansListWhatTextScansListed()
    {
        // Two lists of the same item: one searched as stored, with the
        // tables built with the program, one cut at load and whose text the
        // previous search decodes at once.
        WordList words;
        QVERIFY(!words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId),
                                 DataItems::read(DataItems::WordListTablesType, DataItems::WordListId)));
        QVERIFY(words.tablesTaken());
        QVERIFY(!words.cutLines());
        WordList decodedWords;
        QVERIFY(!decodedWords.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId)));
        QVERIFY(!decodedWords.cutLines());
        QVERIFY(words.wordCount() >= 200);

        int listedLines = 0;
        for (int n = 0; n < 200; ++n) {
            const int index = int(qint64(n) * words.wordCount() / 200);
            const QString typed = typedVariant(words.headword(index), n);
            const SearchParameters parameters = parametersFor(typed, n);
            SearchRun run(words, parameters);
            run.runAll();
            const PreviousSearchResult previous = RunPreviousSearch(decodedWords, parameters);
            const QByteArray where = typed.toUtf8();
            QVERIFY2(run.queryExactSound() == previous.exactSound, where.constData());
            QVERIFY2(run.queryApproxSound() == previous.approxSound, where.constData());
            for (int kind = 0; kind < ResultKindCount; ++kind) {
                QVERIFY2(run.resultLines(ResultKind(kind)) == previous.lines[kind], where.constData());
                listedLines += int(previous.lines[kind].size());
            }
        }
        // The comparison is worth something only if the searches list words.
        QVERIFY(listedLines > 2000);
    }
};

QTEST_APPLESS_MAIN(TestSearchComparison)
#include "tst_SearchComparison.moc"
