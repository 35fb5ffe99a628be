// The loading window runs its twelve stages in order, reports failures and
// goes on, and hands over to the main window.
#include "lexicon/DataSizes.h"
#include "lexicon/WordCipher.h"
#include "support/TestSupport.h"
#include "ui/windows/FrmCharge.h"
#include "ui/windows/FrmZErr.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Stage = LoadingSequence::Stage;

struct Run {
    QStringList stages;
    // The caption each stage leaves behind.
    QStringList captions;
    QStringList messages;
    int blocks = 0;
    QString errorText;
    bool emergencyStop = false;
};

QByteArray sampleWordList()
{
    return TestSupport::wordListItem({
        TestSupport::wordListLine("cheval", "val", "al", "cheval", 0, 2, "NOM"),
        TestSupport::wordListLine("fatal", "tal", "al", "fatal", 0, 2, "ADJ"),
    });
}

DataItemReader readerWith(std::optional<QByteArray> wordList)
{
    return [wordList](const QString &type, int) -> std::optional<QByteArray> {
        if (type == QLatin1String("3_LISTE_DES_MOTS"))
            return wordList;
        if (type == QLatin1String("1_SONORES_EXACTES"))
            return QByteArray("tal\r\nval\r\n");
        if (type == QLatin1String("2_SONORES_APP"))
            return QByteArray("al\0\0\0", 5);
        return std::nullopt;
    };
}

Run load(LexiconData &data, InternalErrorReport &errors, const QString &appDir, const DataItemReader &reader)
{
    Run run;
    FrmCharge window(data, errors, appDir, reader);
    window.showCriticalMessage = [&run](const QString &text) { run.messages << text; };
    QObject::connect(&window.sequence(), &LoadingSequence::stageStarted, &window, [&](Stage stage) {
        if (!run.stages.isEmpty())
            run.captions << window.caption();
        run.stages << LoadingSequence::stageName(stage);
    });
    QSignalSpy finished(&window, &FrmCharge::loadingFinished);
    window.show();
    if (!finished.wait(10000))
        qWarning("loading did not finish");
    run.captions << window.caption();
    run.blocks = window.placedBlockCount();
    run.emergencyStop = window.emergencyStopVisible();
    if (FrmZErr *errorWindow = window.errorWindow()) {
        run.errorText = errorWindow->reportText();
        errorWindow->close();
    }
    return run;
}

class DataDir {
public:
    DataDir()
    {
        TestSupport::writeFile(path("listsyno.ret"), TestSupport::synonymFile());
        TestSupport::writeFile(path("listhomo.ret"), TestSupport::homonymFile(DataSizes::kHomonymCount));
    }
    QString appDir() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

private:
    QTemporaryDir m_dir;
};
} // namespace

class TestLoading : public QObject {
    Q_OBJECT
private slots:
    void everyStageRunsInOrderWithItsCaption()
    {
        DataDir dir;
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(sampleWordList()));
        QCOMPARE(run.stages, QStringList({"TimDeb", "TimTri1", "TimSyno", "TimSyno1", "TimSyno2", "TimSyno3",
                                          "TimSyno4", "TimSyno5", "TimHomo", "TimSonoEx", "TimSonoApp", "TimFin"}));
        const QString dictionaries = QStringLiteral("Chargement des dictionnaires ...");
        const QString synonyms = QStringLiteral("Chargement liste des synonymes ...");
        const QString homonyms = QStringLiteral("Chargement liste des homonymes ...");
        const QString lists = QStringLiteral("Chargement des listes de mots ...");
        QCOMPARE(run.captions, QStringList({dictionaries, dictionaries, dictionaries, synonyms, synonyms, synonyms,
                                            synonyms, synonyms, homonyms, homonyms, lists, lists}));
        QCOMPARE(run.blocks, LoadingSequence::BlockCount);
        QVERIFY(run.messages.isEmpty());
        QVERIFY(run.errorText.isEmpty());
        QVERIFY(!errors.dataLoadFailed);

        QCOMPARE(data.words.wordCount(), 2);
        QCOMPARE(data.words.headword(1), QStringLiteral("fatal"));
        QCOMPARE(data.exactSounds.count(), 2);
        QCOMPARE(data.approxSounds.count(), 0);
        // Deciphered blocks and the fixed line of block U.
        QCOMPARE(data.synonyms.block('H' - 'A').first(), QStringLiteral("hmot1@synonyme1"));
        QCOMPARE(data.synonyms.block('Q' - 'A').first(), QStringLiteral("qmot1@synonyme1"));
        QCOMPARE(data.synonyms.block('B' - 'A').first(), QStringLiteral("bmot1@synonyme1"));
        if (DataSizes::kSynonymBlockSizes['U' - 'A'] >= 26)
            QCOMPARE(data.synonyms.block('U' - 'A').at(25), SynonymList::UnanimityLine);
        QCOMPARE(data.homonyms.entries().last(),
                 QStringLiteral("mot%1@homonyme%1").arg(DataSizes::kHomonymCount));
    }

    void missingSynonymsFileSkipsToTheEnd()
    {
        DataDir dir;
        QFile::remove(dir.path("listsyno.ret"));
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(sampleWordList()));
        QCOMPARE(run.stages, QStringList({"TimDeb", "TimTri1", "TimSyno", "TimFin"}));
        QCOMPARE(run.messages.size(), 1);
        QCOMPARE(run.messages.first(),
                 QStringLiteral("Erreur n° 53 - Interne 104\r\nImpossible de charger le dictionnaire.\r\n"
                                "Le fichier ''listsyno.ret'' est introuvable ou corrompu.      "));
        QVERIFY(run.errorText.startsWith(QStringLiteral("Erreur n° 53 - Interne 104.\n\n")));
        QVERIFY(run.errorText.contains(QStringLiteral("Un des fichiers est absent ou corrompu.")));
        QVERIFY(run.errorText.contains(QStringLiteral("faites une nouvelle installation.")));
        QCOMPARE(run.blocks, 4);
        QVERIFY(run.emergencyStop);
        QVERIFY(errors.dataLoadFailed);
        QCOMPARE(data.words.wordCount(), 2);
        QCOMPARE(data.exactSounds.count(), 0);
    }

    void shortHomonymsFileIsReportedAsTruncated()
    {
        DataDir dir;
        TestSupport::writeFile(dir.path("listhomo.ret"), TestSupport::homonymFile(DataSizes::kHomonymCount - 1));
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(sampleWordList()));
        QCOMPARE(run.stages.last(), QStringLiteral("TimFin"));
        QVERIFY(!run.stages.contains(QStringLiteral("TimSonoEx")));
        QCOMPARE(run.messages.size(), 1);
        QVERIFY(run.messages.first().startsWith(QStringLiteral("Erreur n° 62 - Interne 105\r\n"
                                                               "Impossible de charger le dictionnaire des homonymes.")));
        QVERIFY(errors.dataLoadFailed);
        // What was read stays.
        QCOMPARE(data.homonyms.entries().first(), QStringLiteral("mot1@homonyme1"));
    }

    void shortSynonymsFileKeepsWhatWasRead()
    {
        DataDir dir;
        QByteArray file = TestSupport::synonymFile();
        file.truncate(file.size() / 2);
        file.truncate(file.lastIndexOf("\r\n") + 2);
        TestSupport::writeFile(dir.path("listsyno.ret"), file);
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(sampleWordList()));
        QCOMPARE(run.stages.last(), QStringLiteral("TimFin"));
        // Reported once, then the homonyms are still loaded.
        QVERIFY(run.stages.contains(QStringLiteral("TimHomo")));
        QCOMPARE(run.messages.size(), 1);
        QVERIFY(run.messages.first().startsWith(QStringLiteral("Erreur n° 62 - Interne 105\r\n")));
        QCOMPARE(errors.errorCode, QStringLiteral("Interne 105"));
        QVERIFY(errors.dataLoadFailed);
        QCOMPARE(data.synonyms.block(0).first(), QStringLiteral("amot1@synonyme1"));
        QCOMPARE(data.homonyms.entries().first(), QStringLiteral("mot1@homonyme1"));
    }

    void missingWordListIsReportedAndLoadingGoesOn()
    {
        DataDir dir;
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(std::nullopt));
        QCOMPARE(run.stages.size(), 12);
        QVERIFY(run.errorText.startsWith(QStringLiteral("Erreur n° 326 - Interne 101.")));
        // Not a file error: no extra lines.
        QVERIFY(!run.errorText.contains(QStringLiteral("absent ou corrompu")));
        QVERIFY(run.emergencyStop);
        QCOMPARE(data.words.wordCount(), 0);
    }

    // Something that is there but is not a readable file, in place of
    // either data file: a directory, or a named pipe with no writer, which
    // must not hold the start. The user is told as for a missing file.
    void unreadableDataFileIsReportedLikeAMissingOne_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("pipe");
        QTest::newRow("listsyno.ret directory") << "listsyno.ret" << false;
        QTest::newRow("listsyno.ret pipe") << "listsyno.ret" << true;
        QTest::newRow("listhomo.ret directory") << "listhomo.ret" << false;
        QTest::newRow("listhomo.ret pipe") << "listhomo.ret" << true;
    }
    void unreadableDataFileIsReportedLikeAMissingOne()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, pipe);
        DataDir dir;
        const QString path = dir.path(fileName.toLatin1().constData());
        QFile::remove(path);
        if (pipe)
            QVERIFY(TestSupport::makeFifo(path));
        else
            QVERIFY(QDir().mkdir(path));
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(sampleWordList()));
        const bool synonyms = fileName == QLatin1String("listsyno.ret");
        QCOMPARE(run.stages.last(), QStringLiteral("TimFin"));
        QCOMPARE(run.messages.size(), 1);
        QCOMPARE(run.messages.first(),
                 QStringLiteral("Erreur n° 53 - Interne 104\r\n")
                     + (synonyms ? QStringLiteral("Impossible de charger le dictionnaire.")
                                 : QStringLiteral("Impossible de charger le dictionnaire des homonymes."))
                     + QStringLiteral("\r\nLe fichier ''%1'' est introuvable ou corrompu.      ").arg(fileName));
        QVERIFY(run.errorText.contains(QStringLiteral("Fichier illisible : %1").arg(fileName)));
        QVERIFY(errors.dataLoadFailed);
        // Only a failed synonyms file turns the synonym search off.
        QCOMPARE(errors.synonymsLoadFailed, synonyms);
        if (!synonyms)
            QCOMPARE(data.synonyms.block(0).first(), QStringLiteral("amot1@synonyme1"));
    }

    // A word list that reads without error but gives no record: the
    // loading report says so, and the chain still ends in the main window.
    void wordListWithoutRecordIsReported_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("line feeds only") << QByteArray("\n\n\n\n");
        QTest::newRow("no line end") << QByteArray("cheval@val@al@cheval@0@2@NOM");
    }
    void wordListWithoutRecordIsReported()
    {
        QFETCH(QByteArray, item);
        DataDir dir;
        LexiconData data;
        InternalErrorReport errors;
        const Run run = load(data, errors, dir.appDir(), readerWith(item));
        QCOMPARE(run.stages.size(), 12);
        QVERIFY(run.errorText.startsWith(QStringLiteral("Erreur n° 62 - Interne 107.")));
        QVERIFY(run.errorText.contains(QStringLiteral("Aucune ligne utilisable dans 3_LISTE_DES_MOTS.")));
        QVERIFY(run.emergencyStop);
        QCOMPARE(data.words.recordCount(), 0);
    }

    void errorWindowTextIsBuiltOnce()
    {
        InternalErrorReport report;
        report.record({53, QStringLiteral("Fichier introuvable")}, QStringLiteral("Interne 104"));
        FrmZErr window(report);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QString text = window.reportText();
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 2),
                 QStringLiteral("Erreur n° 53 - Interne 104.\n\nFichier introuvable"));
        report.record({9, QStringLiteral("autre")}, QStringLiteral("Interne 107"));
        QCOMPARE(window.reportText(), text);
        QVERIFY(ErrorTexts::stopsLoading(QStringLiteral("Interne 109")));
        QVERIFY(!ErrorTexts::stopsLoading(QStringLiteral("017")));
        QCOMPARE(ErrorTexts::synonymErrorMessage(report),
                 QStringLiteral("autre") + QString(17, QLatin1Char(' ')) + QStringLiteral("\r\nErreur interne Interne 107 - 9"));
    }
};

QTEST_MAIN(TestLoading)
#include "tst_loading.moc"
