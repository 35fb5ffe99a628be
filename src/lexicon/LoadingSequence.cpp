#include "lexicon/LoadingSequence.h"

#include "lexicon/AppPaths.h"

namespace {
const QString kSynonymFile = QStringLiteral("listsyno.ret");
const QString kHomonymFile = QStringLiteral("listhomo.ret");
} // namespace

LoadingSequence::LoadingSequence(LexiconData &data, InternalErrorReport &errors, QString appDir,
                                 DataItemReader readItem, QObject *parent)
    : QObject(parent), m_data(data), m_errors(errors), m_appDir(std::move(appDir)),
      m_readItem(std::move(readItem))
{
    for (int s = 0; s < StageCount; ++s) {
        m_timers[s].setSingleShot(true);
        connect(&m_timers[s], &QTimer::timeout, this, [this, s] { runStage(Stage(s)); });
    }
}

QString LoadingSequence::stageName(Stage stage)
{
    static const char *const names[StageCount] = {
        "TimDeb", "TimTri1", "TimSyno", "TimSyno1", "TimSyno2", "TimSyno3",
        "TimSyno4", "TimSyno5", "TimHomo", "TimSonoEx", "TimSonoApp", "TimFin"};
    return QString::fromLatin1(names[stage]);
}

void LoadingSequence::start()
{
    startStage(TimDeb);
}

void LoadingSequence::startStage(Stage stage)
{
    m_timers[stage].start(LoadStageDelayMs);
}

void LoadingSequence::placeBlocks(int first, int last)
{
    for (int b = first; b <= last; ++b)
        emit blockPlaced(b);
}

void LoadingSequence::runStage(Stage stage)
{
    m_timers[stage].stop();
    emit stageStarted(stage);
    switch (stage) {
    case TimDeb:
        emit busyChanged(true);
        readWordLines();
        placeBlocks(0, 1);
        startStage(TimTri1);
        break;
    case TimTri1:
        cutWordLines();
        placeBlocks(2, 2);
        startStage(TimSyno);
        break;
    case TimSyno:
        placeBlocks(3, 3);
        startStage(checkSynonymFile() ? TimSyno1 : TimFin);
        break;
    case TimSyno1:
        emit captionChanged(QStringLiteral("Chargement liste des synonymes ..."));
        readSynonyms('A', 'C');
        placeBlocks(4, 7);
        startStage(TimSyno2);
        break;
    case TimSyno2:
        readSynonyms('D', 'E');
        placeBlocks(8, 13);
        startStage(TimSyno3);
        break;
    case TimSyno3:
        readSynonyms('F', 'L');
        placeBlocks(14, 20);
        startStage(TimSyno4);
        break;
    case TimSyno4:
        readSynonyms('M', 'Q');
        placeBlocks(21, 25);
        startStage(TimSyno5);
        break;
    case TimSyno5:
        readSynonyms('R', 'Z');
        placeBlocks(26, 34);
        startStage(TimHomo);
        m_data.synonyms.close();
        break;
    case TimHomo:
        emit captionChanged(QStringLiteral("Chargement liste des homonymes ..."));
        startStage(readHomonyms() ? TimSonoEx : TimFin);
        break;
    case TimSonoEx:
        readSounds(m_data.exactSounds, DataItems::ExactSoundsType, DataItems::ExactSoundsId,
                   QStringLiteral("Interne 108"));
        startStage(TimSonoApp);
        break;
    case TimSonoApp:
        emit captionChanged(QStringLiteral("Chargement des listes de mots ..."));
        readSounds(m_data.approxSounds, DataItems::ApproxSoundsType, DataItems::ApproxSoundsId,
                   QStringLiteral("Interne 109"));
        startStage(TimFin);
        break;
    case TimFin:
        emit finished();
        break;
    case StageCount:
        break;
    }
}

void LoadingSequence::readWordLines()
{
    if (const auto error = m_data.words.readLines(m_readItem(DataItems::WordListType, DataItems::WordListId),
                                                  m_readItem(DataItems::WordListTablesType, DataItems::WordListId))) {
        emit busyChanged(false);
        reportStageFailure(*error, QStringLiteral("Interne 101"));
    }
}

void LoadingSequence::cutWordLines()
{
    std::optional<RuntimeError> error = m_data.words.cutLines();
    // An empty or shapeless item reads without error but leaves every search
    // empty: it is reported like a damaged one.
    if (!error && m_data.words.recordCount() == 0)
        error = RuntimeError::noRecord(DataItems::WordListType);
    if (error) {
        emit busyChanged(false);
        reportStageFailure(*error, QStringLiteral("Interne 107"));
    }
    // Cut: the searches read the tables, and the bytes of listed lines only.
    // Ready tables were only sampled so far: the system maps them back, from
    // the program file, for the first search.
    DataItems::releaseReadPages(DataItems::WordListType, DataItems::WordListId);
    DataItems::releaseReadPages(DataItems::WordListTablesType, DataItems::WordListId);
}

bool LoadingSequence::checkSynonymFile()
{
    // Opened here and kept open for the five reading stages.
    if (const auto error = m_data.synonyms.open(AppPaths::dataFile(m_appDir, kSynonymFile))) {
        reportFileFailure(*error, ErrorTexts::DataFile::Synonyms);
        return false;
    }
    return true;
}

void LoadingSequence::readSynonyms(char first, char last)
{
    // A file shorter than its blocks, or a damaged enciphered line, is
    // reported once like a truncated file; the entries read stay and the
    // chain goes on, so the homonyms are still loaded.
    if (const auto error = m_data.synonyms.readBlocks(first, last))
        reportFileFailure(*error, ErrorTexts::DataFile::Synonyms);
}

bool LoadingSequence::readHomonyms()
{
    if (const auto error = m_data.homonyms.load(AppPaths::dataFile(m_appDir, kHomonymFile))) {
        reportFileFailure(*error, ErrorTexts::DataFile::Homonyms);
        return false;
    }
    return true;
}

void LoadingSequence::readSounds(SoundList &list, const QString &type, int id, const QString &code)
{
    if (const auto error = list.load(m_readItem(type, id), type, id))
        reportStageFailure(*error, code);
}

void LoadingSequence::reportStageFailure(const RuntimeError &error, const QString &code)
{
    m_errors.record(error, code);
    emit errorReported();
}

void LoadingSequence::reportFileFailure(const RuntimeError &error, ErrorTexts::DataFile file)
{
    emit busyChanged(false);
    const bool fileProblem = error.number == RuntimeError::FileNotFound || error.number == RuntimeError::ReadPastEnd;
    if (!fileProblem) {
        m_errors.record(error, QStringLiteral("Interne 106"));
    } else {
        m_errors.record(error, error.number == RuntimeError::FileNotFound ? QStringLiteral("Interne 104")
                                                                          : QStringLiteral("Interne 105"));
        emit fileErrorMessage(ErrorTexts::fileErrorMessage(m_errors, file));
        m_errors.dataLoadFailed = true;
        if (file == ErrorTexts::DataFile::Synonyms)
            m_errors.synonymsLoadFailed = true;
    }
    emit errorReported();
}
