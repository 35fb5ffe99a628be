#include "cli/RimesReport.h"
#include "search/SearchFixture.h"
#include "search/SearchRun.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

std::unique_ptr<WordList> smallList()
{
    return makeWordList({
        {"porte", "ort", "or", "porte", 0, 1, "NOM;VER"},
        {"morte", "ort", "or", "morte", 0, 1, "ADJ;NOM"},
        {"fort", "or", "or", "fort", 0, 1, "ADJ"},
        {"hors", "or", "or", "hors", 0, 1, u"Ignoré"_qs},
        {"emporte", "ort", "or", "emporte", 1, 2, "VER"},
        {"virgule, point", "oint", "in", "e point", 0, 4, "LOC"},
    });
}

SearchRun searchFor(const WordList &words, const QString &typed, SearchParameters p = {})
{
    p.typedText = typed;
    SearchRun run(words, p);
    run.runAll();
    return run;
}

} // namespace

class TestRimesReport : public QObject {
    Q_OBJECT
private slots:
    void textShowsTheWindowsLists();
    void textLeavesOutSearchesNotRun();
    void jsonHoldsTheSameResult();
    void exportWritesEveryLine();
    void genreFilterKeepsOneGenre();
};

void TestRimesReport::textShowsTheWindowsLists()
{
    const auto words = smallList();
    const SearchRun run = searchFor(*words, "porte");
    const QStringList lines = RimesText(run).split('\n');
    const QString pad23(23, ' ');
    const QStringList expected {
        "Rimes riches",
        "3 rimes trouvées.",
        pad23 + "Syllabes",
        "porte" + QString(18, ' ') + "1" + QString(10, ' ') + "NOM;VER",
        "morte" + QString(18, ' ') + "1" + QString(10, ' ') + "ADJ;NOM",
        "emporte" + QString(16, ' ') + "2" + QString(10, ' ') + "VER",
        "",
        "Rimes pauvres ou suffisantes",
        "2 rimes trouvées.",
        pad23 + "Syllabes",
        "fort" + QString(19, ' ') + "1" + QString(10, ' ') + "ADJ",
        "hors" + QString(19, ' ') + "1" + QString(10, ' ') + u"Ignoré"_qs,
        "",
        "Terminaison des mots",
        "Une rime trouvée.",
        pad23 + "Syllabes",
        "emporte" + QString(16, ' ') + "2" + QString(10, ' ') + "VER",
        "",
        u"- Rimes  riches , recherche basée sur la rime: ort "_qs,
        u"- Rimes pauvres ou suffis.,recherche basée sur la rime: or "_qs,
        u"- Recherche des terminaisons basées sur l ' expression: porte "_qs,
        "",
    };
    QCOMPARE(lines, expected);
}

void TestRimesReport::textLeavesOutSearchesNotRun()
{
    const auto words = smallList();
    SearchParameters p;
    p.richRhymes = false;
    p.wordEndings = false;
    p.syllableFilter = "9";
    const QString text = RimesText(searchFor(*words, "porte", p));
    QVERIFY(!text.contains("Rimes riches"));
    QVERIFY(!text.contains("Terminaison des mots"));
    QVERIFY(text.startsWith(u"Rimes pauvres ou suffisantes\nAucune rime trouvée.\n\n"_qs));
    QVERIFY(!text.contains("Syllabes"));
    QVERIFY(text.contains(u"sur la rime: Pas de rime. \n"_qs));
}

void TestRimesReport::jsonHoldsTheSameResult()
{
    const auto words = smallList();
    const SearchRun run = searchFor(*words, "porte");
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(RimesJson(run), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root["mot"].toString(), QString("porte"));
    QCOMPARE(root["sons"].toObject()["exact"].toString(), QString("ort"));
    QCOMPARE(root["sons"].toObject()["approche"].toString(), QString("or"));
    QCOMPARE(root["cles"].toObject()["terminaison"].toString(), QString("porte"));

    const QJsonObject searches = root["recherches"].toObject();
    QCOMPARE(searches.keys(), (QStringList {"pauvres", "riches", "terminaisons"}));
    const QJsonObject rich = searches["riches"].toObject();
    QCOMPARE(rich["nombre"].toInt(), 3);
    QCOMPARE(rich["legende"].toString(), u"3 rimes trouvées."_qs);
    const QJsonObject first = rich["entrees"].toArray().first().toObject();
    QCOMPARE(first["mot"].toString(), QString("porte"));
    QCOMPARE(first["syllabes"].toInt(), 1);
    QCOMPARE(first["categories"].toArray(), (QJsonArray {"NOM", "VER"}));
    QCOMPARE(first["conjugue"].toBool(), false);
    QCOMPARE(first["genre"].toString(), QString("feminine"));
    QCOMPARE(searches["pauvres"].toObject()["entrees"].toArray().at(0).toObject()["genre"].toString(),
             QString("masculine"));
    QVERIFY(rich["entrees"].toArray().at(2).toObject()["conjugue"].toBool());
    // A line without category has no categories.
    const QJsonArray approx = searches["pauvres"].toObject()["entrees"].toArray();
    QCOMPARE(approx.at(1).toObject()["mot"].toString(), QString("hors"));
    QCOMPARE(approx.at(1).toObject()["categories"].toArray(), QJsonArray());

    SearchParameters endingsOnly;
    endingsOnly.richRhymes = false;
    endingsOnly.approxRhymes = false;
    const QJsonObject partial = QJsonDocument::fromJson(RimesJson(searchFor(*words, "porte", endingsOnly))).object();
    QCOMPARE(partial["recherches"].toObject().keys(), QStringList {"terminaisons"});
}

void TestRimesReport::exportWritesEveryLine()
{
    const auto words = smallList();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(WriteWordListExport(*words, buffer));
    const QStringList lines = QString::fromUtf8(buffer.data()).split('\n');
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines.first(), QString("porte\tort\tor\tporte\t0\t1\tNOM;VER\tfeminine"));
    QCOMPARE(lines.at(3), u"hors\tor\tor\thors\t0\t1\tIgnoré\tmasculine"_qs);
    // A comma of a headword comes back as a comma.
    QCOMPARE(lines.at(5), QString("virgule, point\toint\tin\te point\t0\t4\tLOC\tmasculine"));

    QBuffer closed;
    QVERIFY(!WriteWordListExport(*words, closed));
}

void TestRimesReport::genreFilterKeepsOneGenre()
{
    const auto words = smallList();
    SearchParameters p;
    p.genreFilter = "Masculine";
    const SearchRun masculine = searchFor(*words, "porte", p);
    QCOMPARE(masculine.exactCount(), 0);
    QCOMPARE(masculine.approxCount(), 2);
    p.genreFilter = u"Féminine"_qs;
    const SearchRun feminine = searchFor(*words, "porte", p);
    QCOMPARE(feminine.exactCount(), 3);
    QCOMPARE(feminine.approxCount(), 0);
}

QTEST_APPLESS_MAIN(TestRimesReport)
#include "tst_RimesReport.moc"
