// rimes --scander as a poet runs it: the JSON of a poem with its blank
// lines, standard input, and the poems it must refuse with status 2.
#include "cli/RimesCommand.h"
#include "cli/RimesScansion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run runRimes(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(RIMES_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray Quatrain = "Heureux qui, comme Ulysse, a fait un beau voyage,\n"
                            "Ou comme cestuy-l\xC3\xA0 qui conquit la toison,\n"
                            "\n"
                            "Et puis est retourn\xC3\xA9, plein d'usage et raison,\n"
                            "Vivre entre ses parents le reste de son \xC3\xA2ge !\n";
} // namespace

class TestRimesScansion : public QObject {
    Q_OBJECT

private slots:
    void jsonHasOneEntryPerLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("poeme.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Quatrain);
        file.close();
        const Run run = runRimes({QStringLiteral("--scander"), path, QStringLiteral("--json")});
        QCOMPARE(run.status, 0);
        const QJsonArray verses = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("vers")).toArray();
        QCOMPARE(verses.size(), 5);
        QCOMPARE(verses[2].toObject().value(QStringLiteral("texte")).toString(), QString());
        QVERIFY(verses[2].toObject().value(QStringLiteral("rime")).isNull());
        const QJsonObject first = verses[0].toObject();
        QCOMPARE(first.value(QStringLiteral("syllabes")).toInt(), 12);
        QCOMPARE(first.value(QStringLiteral("rime")).toString(), QStringLiteral("A"));
        QCOMPARE(first.value(QStringLiteral("genre")).toString(), QStringLiteral("feminine"));
        QVERIFY(first.value(QStringLiteral("possibles")).toArray().contains(12));
        QVERIFY(first.value(QStringLiteral("alertes")).isArray());
        QCOMPARE(verses[1].toObject().value(QStringLiteral("rime")).toString(), QStringLiteral("B"));
        QCOMPARE(verses[3].toObject().value(QStringLiteral("rime")).toString(), QStringLiteral("B"));
        QCOMPARE(verses[4].toObject().value(QStringLiteral("rime")).toString(), QStringLiteral("A"));
        QCOMPARE(verses[3].toObject().value(QStringLiteral("genre")).toString(), QStringLiteral("masculine"));
        QVERIFY(!verses[4].toObject().value(QStringLiteral("qualite")).isNull());
    }

    void readsStandardInput()
    {
        const Run run = runRimes({QStringLiteral("--scander"), QStringLiteral("-")}, Quatrain);
        QCOMPARE(run.status, 0);
        const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
        QVERIFY(lines[0].startsWith(QStringLiteral("12  A")));
        QVERIFY(lines[0].endsWith(QStringLiteral("beau voyage,")));
        QCOMPARE(lines[2], QString());
    }

    void refusesWhatIsNotAPoem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("invalid UTF-8") << QByteArray("la mer \xE9tait\n") << QStringLiteral("UTF-8");
        QTest::newRow("binary") << QByteArray("ab\0cd", 5) << QStringLiteral("pas un fichier texte");
    }
    void refusesWhatIsNotAPoem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("poeme.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const Run run = runRimes({QStringLiteral("--scander"), path});
        QCOMPARE(run.status, RimesExit::BadArguments);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        // Standard input is checked the same way.
        QCOMPARE(runRimes({QStringLiteral("--scander"), QStringLiteral("-")}, bytes).status, RimesExit::BadArguments);
    }

    void refusesMissingFilesAndFolders()
    {
        QTemporaryDir dir;
        Run run = runRimes({QStringLiteral("--scander"), dir.filePath(QStringLiteral("absent.txt"))});
        QCOMPARE(run.status, RimesExit::BadArguments);
        QVERIFY(run.err.contains(QStringLiteral("introuvable")));
        run = runRimes({QStringLiteral("--scander"), dir.path()});
        QCOMPARE(run.status, RimesExit::BadArguments);
        QVERIFY(!run.err.isEmpty());
    }

    void arguments()
    {
        QVERIFY(!ParseRimesArguments({QStringLiteral("--scander")}).ok());
        QVERIFY(!ParseRimesArguments({QStringLiteral("--scander"), QStringLiteral("p.txt"), QStringLiteral("mot")}).ok());
        QVERIFY(!ParseRimesArguments({QStringLiteral("--scander"), QStringLiteral("p.txt"), QStringLiteral("--export")}).ok());
        const RimesParse parse = ParseRimesArguments({QStringLiteral("--scander=-"), QStringLiteral("--json")});
        QVERIFY(parse.ok());
        QCOMPARE(parse.request.action, RimesRequest::Action::Scan);
        QCOMPARE(parse.request.scanFile, QStringLiteral("-"));
        QVERIFY(RimesHelpText().contains(QStringLiteral("--scander")));
    }

    void emptyPoem()
    {
        const PoemFileRead read = PoemFromBytes({}, QStringLiteral("vide"));
        QVERIFY(read.ok());
        QCOMPARE(runRimes({QStringLiteral("--scander"), QStringLiteral("-"), QStringLiteral("--json")}).status, 0);
    }
};

QTEST_GUILESS_MAIN(TestRimesScansion)
#include "tst_RimesScansion.moc"
