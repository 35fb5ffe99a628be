// The rimes program as a user runs it: exit statuses, messages, and results
// on the shipped word list.
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome runRimes(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(RIMES_PROGRAM), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The headwords of one list of the text output, from its header to the blank line.
QStringList listed(const QString &output, const QString &header)
{
    QStringList words;
    const QStringList lines = output.split('\n');
    qsizetype i = lines.indexOf(header);
    if (i < 0)
        return words;
    for (i += 2; i < lines.size() && !lines[i].isEmpty(); ++i) {
        if (!lines[i].startsWith(' '))
            words.append(lines[i].left(23).trimmed());
    }
    return words;
}

int shippedWordCount()
{
    WordList words;
    words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId));
    return words.wordCount();
}

} // namespace

class TestRimesProcess : public QObject {
    Q_OBJECT
private slots:
    void exitStatuses();
    void richRhymesOfPorte();
    void poorRhymesOfCheval();
    void jsonAndTextAgree();
    void longRichListKeepsSuppressing();
    void exportHasEveryWord();
    void lostOutputIsAnError_data();
    void lostOutputIsAnError();

private:
    void needFullLexicon();
};

void TestRimesProcess::needFullLexicon()
{
    if (shippedWordCount() < 10000)
        QSKIP("the shipped word list is only a sample");
}

void TestRimesProcess::exitStatuses()
{
    Outcome o = runRimes({"--syllabes", "12", "porte"});
    QCOMPARE(o.status, 2);
    QVERIFY(o.out.isEmpty());
    QVERIFY2(o.err.startsWith("rimes : Valeur incorrecte pour --syllabes"), qPrintable(o.err));

    o = runRimes({"--inconnue", "porte"});
    QCOMPARE(o.status, 2);
    QVERIFY(o.err.contains("Option inconnue"));

    o = runRimes({"a'"});
    QCOMPARE(o.status, 2);
    QVERIFY(o.err.contains("trop court"));

    o = runRimes({"--aide"});
    QCOMPARE(o.status, 0);
    QVERIFY(o.out.startsWith("Usage : rimes"));

    // Nothing anywhere: no tail ends with these letters.
    o = runRimes({"zzzzzzzz"});
    QCOMPARE(o.status, 1);
    QVERIFY(o.out.contains(u"Aucune rime trouvée."_qs));
}

void TestRimesProcess::richRhymesOfPorte()
{
    needFullLexicon();
    const Outcome o = runRimes({"porte"});
    QCOMPARE(o.status, 0);
    const QStringList rich = listed(o.out, "Rimes riches");
    QVERIFY2(rich.contains("morte"), qPrintable(rich.join(' ')));
    QVERIFY(rich.contains("porte"));
    // The typed word is not one of its own endings.
    const QStringList endings = listed(o.out, "Terminaison des mots");
    QVERIFY(!endings.contains("porte"));
    for (const QString &word : endings)
        QVERIFY2(word.endsWith("porte"), qPrintable(word));
}

void TestRimesProcess::poorRhymesOfCheval()
{
    needFullLexicon();
    Outcome o = runRimes({"cheval"});
    QCOMPARE(o.status, 0);
    const QStringList rich = listed(o.out, "Rimes riches");
    const QStringList poor = listed(o.out, "Rimes pauvres ou suffisantes");
    QVERIFY2(poor.contains("fatal"), qPrintable(poor.mid(0, 50).join(' ')));
    QVERIFY(rich.contains("cheval"));
    // Without duplicates, no rich rhyme comes back among the poor ones.
    for (const QString &word : rich)
        QVERIFY2(!poor.contains(word), qPrintable(word));

    // With them, every rich rhyme is also a poor one when both sounds agree.
    o = runRimes({"--doublons", "cheval"});
    QVERIFY(listed(o.out, "Rimes pauvres ou suffisantes").contains("cheval"));

    // Filters narrow every list.
    o = runRimes({"--syllabes", "2", "--categorie", "Nom", "cheval"});
    const QStringList nouns = listed(o.out, "Rimes pauvres ou suffisantes");
    QVERIFY(!nouns.isEmpty());
    QVERIFY(!nouns.contains("fatal"));
}

void TestRimesProcess::jsonAndTextAgree()
{
    needFullLexicon();
    const Outcome text = runRimes({"-l", "3", "chanson"});
    const Outcome json = runRimes({"-l", "3", "--json", "chanson"});
    QCOMPARE(json.status, text.status);
    const QJsonObject root = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonObject searches = root["recherches"].toObject();
    const char *kinds[] = {"riches", "pauvres", "terminaisons"};
    const char *headers[] = {"Rimes riches", "Rimes pauvres ou suffisantes", "Terminaison des mots"};
    for (int k = 0; k < 3; ++k) {
        const QJsonArray entries = searches[kinds[k]].toObject()["entrees"].toArray();
        QStringList words;
        for (const QJsonValue &entry : entries)
            words.append(entry.toObject()["mot"].toString());
        QCOMPARE(words, listed(text.out, headers[k]));
    }
    QCOMPARE(root["cles"].toObject()["terminaison"].toString(), QString("son"));
}

void TestRimesProcess::longRichListKeepsSuppressing()
{
    needFullLexicon();
    // 'porte-monnaie' rhymes on a large sound group; past 500 rich rhymes
    // every one of them must still stay out of the poor ones.
    const Outcome o = runRimes({"-r", "-p", "porte-monnaie"});
    QCOMPARE(o.status, 0);
    const QStringList rich = listed(o.out, "Rimes riches");
    const QStringList poorList = listed(o.out, "Rimes pauvres ou suffisantes");
    const QSet<QString> poor(poorList.begin(), poorList.end());
    QVERIFY(!rich.isEmpty());
    for (const QString &word : rich)
        QVERIFY2(!poor.contains(word), qPrintable(word));
    QVERIFY(o.out.contains(QStringLiteral("%1 rimes trouv\u00E9es.").arg(rich.size())));
}

void TestRimesProcess::exportHasEveryWord()
{
    const Outcome o = runRimes({"--export"});
    QCOMPARE(o.status, 0);
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), shippedWordCount());
    for (const QString &line : lines)
        QVERIFY2(line.count('\t') == 7, qPrintable(line));
}

void TestRimesProcess::lostOutputIsAnError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("closed");
    QTest::newRow("text to a full disk") << QStringList {"maison"} << false;
    QTest::newRow("json to a full disk") << QStringList {"--json", "maison"} << false;
    QTest::newRow("export to a full disk") << QStringList {"--export"} << false;
    QTest::newRow("help to a full disk") << QStringList {"--aide"} << false;
    QTest::newRow("text to a closed output") << QStringList {"maison"} << true;
    QTest::newRow("json to a closed output") << QStringList {"--json", "maison"} << true;
}

void TestRimesProcess::lostOutputIsAnError()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, closed);
    QProcess process;
    if (closed) {
        // The shell starts rimes with its standard output closed.
        QStringList shellArguments {"-c", "exec \"$@\" >&-", "sh", QStringLiteral(RIMES_PROGRAM)};
        shellArguments += arguments;
        process.start(QStringLiteral("/bin/sh"), shellArguments);
    } else {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(RIMES_PROGRAM), arguments);
    }
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 4);
    const QString reason = closed ? u"(la sortie est fermée)."_qs : u"(plus de place sur le disque)."_qs;
    QCOMPARE(err, u"rimes : le résultat n'a pas pu être écrit "_qs + reason + '\n');
}

QTEST_GUILESS_MAIN(TestRimesProcess)
#include "tst_RimesProcess.moc"
