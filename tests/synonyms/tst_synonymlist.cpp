// Loading the synonyms dictionary: blocks by position, enciphered blocks,
// the fixed line of block U, and files that are too long, too short or damaged.
#include "SynonymTestData.h"

#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "lexicon/LoadingSequence.h"
#include "support/TestSupport.h"
#include "synonyms/CandidateLines.h"
#include "synonyms/SynonymList.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
// Reads a file the way the loading stages do, one stage's blocks at a time;
// returns the problems each stage reported.
QList<std::optional<RuntimeError>> loadInStages(SynonymList &list, const QString &path)
{
    QList<std::optional<RuntimeError>> problems;
    if (auto error = list.open(path)) {
        problems.append(error);
        return problems;
    }
    for (const auto &[first, last] : {std::pair {'A', 'C'}, {'D', 'E'}, {'F', 'L'}, {'M', 'Q'}, {'R', 'Z'}})
        problems.append(list.readBlocks(first, last));
    list.close();
    return problems;
}

int problemCount(const QList<std::optional<RuntimeError>> &problems)
{
    return int(std::count_if(problems.begin(), problems.end(), [](const auto &p) { return p.has_value(); }));
}

DataItemReader sampleItems()
{
    return [](const QString &type, int) -> std::optional<QByteArray> {
        if (type == DataItems::WordListType)
            return TestSupport::wordListItem({TestSupport::wordListLine(QStringLiteral("abaissé"), QStringLiteral("ésé"),
                                                                        QStringLiteral("sé"), QStringLiteral("abaissé"), 0, 3,
                                                                        QStringLiteral("ADJ"))});
        return QByteArray("ab\r\nac\r\n");
    };
}
} // namespace

class TestSynonymList : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("listsyno.ret"));
        QFile::remove(m_path);
    }

    void blocksAreDecidedByPositionOnly()
    {
        SynonymFileBuilder file;
        file.set('B', 1, QStringLiteral("zèbre@cheval rayé"));
        QVERIFY(writeFile(m_path, file.bytes()));
        SynonymList list;
        QCOMPARE(problemCount(loadInStages(list, m_path)), 0);

        QCOMPARE(list.blockOf('B').first(), QStringLiteral("zèbre@cheval rayé"));
        QVERIFY(!list.blockOf('Z').contains(QStringLiteral("zèbre@cheval rayé")));
        // Typing the word looks in block Z, where it is not.
        CandidateLines candidates;
        QVERIFY(candidates.candidateSearch(list, QStringLiteral("zèbre")).isEmpty());
        // Every block holds exactly its size, in file order.
        for (int b = 0; b < SynonymList::BlockCount; ++b)
            QCOMPARE(list.block(b).size(), SynonymList::blockSize(b));
        QCOMPARE(list.blockOf('C').last(), QStringLiteral("cmot%1@synonyme").arg(SynonymList::blockSize(2)));
    }

    void enciphersHeadwordsOfBlocksHQU()
    {
        SynonymFileBuilder file;
        // A fourth letter that enciphers to a comma, stored as "£" in block H.
        const QString comma = QStringLiteral("han") + TextCodec::windows1252Char((',' - WordKey().at(3)) & 0xFF);
        file.set('H', 1, comma + QStringLiteral("@animal\\bête"));
        file.set('Q', 1, QStringLiteral("quête@recherche"));
        // A "£" stored in block H stands for a comma; in block Q it is a "£".
        file.setStored('H', SynonymList::blockSize('H' - 'A'), QByteArray("\xA3XY@tail"));
        file.setStored('Q', SynonymList::blockSize('Q' - 'A'), QByteArray("\xA3XY@tail"));
        QVERIFY(SynonymFileBuilder::storedLine('H' - 'A', comma + QStringLiteral("@x")).contains('\xA3'));
        QVERIFY(writeFile(m_path, file.bytes()));
        SynonymList list;
        QCOMPARE(problemCount(loadInStages(list, m_path)), 0);

        QCOMPARE(list.blockOf('H').last(), WordCipher(QStringLiteral(",XY")) + QStringLiteral("@tail"));
        QCOMPARE(list.blockOf('Q').last(), WordCipher(QStringLiteral("£XY")) + QStringLiteral("@tail"));
        if (SynonymList::blockSize('H' - 'A') > 1)
            QCOMPARE(list.blockOf('H').first(), comma + QStringLiteral("@animal\\bête"));
        if (SynonymList::blockSize('Q' - 'A') > 1)
            QCOMPARE(list.blockOf('Q').first(), QStringLiteral("quête@recherche"));
        // Other blocks are stored as they are.
        QCOMPARE(list.blockOf('A').first(), QStringLiteral("amot1@synonyme"));
    }

    void slot26OfBlockUIsFixed()
    {
        if (SynonymList::blockSize('U' - 'A') < SynonymList::UnanimitySlot)
            QSKIP("block U is smaller than its fixed slot");
        SynonymFileBuilder file;
        file.set('U', SynonymList::UnanimitySlot, QStringLiteral("usine@fabrique"));
        file.set('U', SynonymList::UnanimitySlot - 1, QStringLiteral("unique@seul"));
        QVERIFY(writeFile(m_path, file.bytes()));
        SynonymList list;
        loadInStages(list, m_path);
        QCOMPARE(list.blockOf('U')[SynonymList::UnanimitySlot - 1], SynonymList::UnanimityLine);
        QCOMPARE(list.blockOf('U')[SynonymList::UnanimitySlot - 2], QStringLiteral("unique@seul"));
    }

    // Once loaded, the blocks read their lines back from the file: they give
    // what the file gave while loading. A file replaced by a newer copy still
    // reads as loaded; once changed in place, the file's blocks read as empty.
    void blocksReadTheirLinesBackFromTheFile()
    {
        SynonymFileBuilder file;
        file.set('B', 2, QStringLiteral("bateau@navire\\barque"));
        const QByteArray bytes = file.bytes(2);
        QVERIFY(writeFile(m_path, bytes));
        SynonymList list;
        QCOMPARE(problemCount(loadInStages(list, m_path)), 1);
        SynonymList inMemory;
        inMemory.openBytes(bytes, QStringLiteral("listsyno.ret"));
        inMemory.readBlocks('A', 'Z');
        for (int b = 0; b < SynonymList::BlockCount; ++b) {
            for (qsizetype slot = 0; slot < list.block(b).size(); ++slot) {
                if (list.block(b).at(slot) != inMemory.block(b).at(slot))
                    QFAIL(qPrintable(QStringLiteral("block %1, slot %2").arg(b).arg(slot)));
            }
        }

        SynonymList replaced;
        QCOMPARE(problemCount(loadInStages(replaced, m_path)), 1);
        const QString newer = m_dir.filePath(QStringLiteral("newer"));
        QVERIFY(writeFile(newer, QByteArray("autre@fichier\r\n")));
        QVERIFY(QFile::remove(m_path));
        QVERIFY(QFile::rename(newer, m_path));
        QCOMPARE(replaced.blockOf('B').at(1), QStringLiteral("bateau@navire\\barque"));
        QCOMPARE(replaced.blockOf('Z').first(), QStringLiteral("zmot1@synonyme"));

        SynonymList changed;
        QVERIFY(writeFile(m_path, bytes));
        QCOMPARE(problemCount(loadInStages(changed, m_path)), 1);
        QFile inPlace(m_path);
        QVERIFY(inPlace.open(QIODevice::ReadWrite));
        QVERIFY(inPlace.seek(bytes.indexOf("bateau")));
        QCOMPARE(inPlace.write("baleau"), 6);
        inPlace.close();
        QVERIFY(changed.blockOf('A').first().isEmpty());
        QVERIFY(changed.blockOf('B').at(1).isEmpty());
        QVERIFY(!changed.blockOf('B').contains(QStringLiteral("baleau@navire\\barque")));
    }

    void extraLinesAreIgnored()
    {
        SynonymFileBuilder file;
        QVERIFY(writeFile(m_path, file.bytes(0, {"zzz@en trop", "encore@en trop"})));
        SynonymList list;
        QCOMPARE(problemCount(loadInStages(list, m_path)), 0);
        QCOMPARE(list.blockOf('Z').last(), QStringLiteral("zmot%1@synonyme").arg(SynonymList::blockSize(25)));
    }

    void shortFileKeepsWhatWasReadAndReportsOnce()
    {
        SynonymFileBuilder file;
        QVERIFY(writeFile(m_path, file.bytes(3)));
        SynonymList list;
        const auto problems = loadInStages(list, m_path);
        QCOMPARE(problemCount(problems), 1);
        QCOMPARE(problems.last()->number, RuntimeError::ReadPastEnd);
        QCOMPARE(list.blockOf('A').first(), QStringLiteral("amot1@synonyme"));
        QVERIFY(list.blockOf('Z').last().isEmpty());
    }

    void damagedEncipheredLineLeavesItsSlotEmpty()
    {
        SynonymFileBuilder file;
        file.setStored('H', 1, "sans arobase");
        QVERIFY(writeFile(m_path, file.bytes()));
        SynonymList list;
        const auto problems = loadInStages(list, m_path);
        QCOMPARE(problemCount(problems), 1);
        QVERIFY(problems[2].has_value()); // the stage of block H
        QVERIFY(list.blockOf('H').first().isEmpty());
        // Reading went on with the following lines.
        QCOMPARE(list.blockOf('I').first(), QStringLiteral("imot1@synonyme"));
        QCOMPARE(list.blockOf('Z').last(), QStringLiteral("zmot%1@synonyme").arg(SynonymList::blockSize(25)));
    }

    void loadingReportsFileProblemsAndGoesOn_data()
    {
        QTest::addColumn<int>("droppedLines");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("homonymsLoaded");
        QTest::newRow("short") << 2 << true << 62 << QStringLiteral("Interne 105") << true;
        QTest::newRow("missing") << 0 << false << 53 << QStringLiteral("Interne 104") << false;
    }

    void loadingReportsFileProblemsAndGoesOn()
    {
        QFETCH(int, droppedLines);
        QFETCH(bool, present);
        QFETCH(int, number);
        QFETCH(QString, code);
        QFETCH(bool, homonymsLoaded);
        if (present)
            QVERIFY(writeFile(m_path, SynonymFileBuilder().bytes(droppedLines)));
        QVERIFY(writeFile(m_dir.filePath(QStringLiteral("listhomo.ret")), TestSupport::homonymFile(HomonymList::HomonymCount)));

        auto data = std::make_unique<LexiconData>();
        InternalErrorReport errors;
        LoadingSequence sequence(*data, errors, m_dir.path() + QLatin1Char('/'), sampleItems());
        QSignalSpy messages(&sequence, &LoadingSequence::fileErrorMessage);
        QSignalSpy finished(&sequence, &LoadingSequence::finished);
        sequence.start();
        QVERIFY(finished.wait(5000));

        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().first().toString().startsWith(QStringLiteral("Erreur n° %1 - %2\r\n").arg(number).arg(code)));
        QCOMPARE(errors.errorCode, code);
        QVERIFY(errors.dataLoadFailed);
        QCOMPARE(data->homonyms.entries().first() == QStringLiteral("mot1@homonyme1"), homonymsLoaded);
        if (present)
            QCOMPARE(data->synonyms.blockOf('A').first(), QStringLiteral("amot1@synonyme"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestSynonymList)
#include "tst_synonymlist.moc"
