#pragma once

// The start-up loading of all data, as a chain of twelve stages. Each stage
// is the single shot of a timer of its own: it does its work, moves the
// progress bar on and starts the next stage's timer, so the loading window
// repaints between stages. A failing stage reports and the chain goes on; a
// missing synonyms or homonyms file skips to the last stage.
#include "lexicon/DataItems.h"
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

class LoadingSequence : public QObject {
    Q_OBJECT
public:
    static constexpr int LoadStageDelayMs = 30;
    static constexpr int BlockCount = 35;

    enum Stage {
        TimDeb, TimTri1, TimSyno, TimSyno1, TimSyno2, TimSyno3, TimSyno4, TimSyno5,
        TimHomo, TimSonoEx, TimSonoApp, TimFin, StageCount
    };

    LoadingSequence(LexiconData &data, InternalErrorReport &errors, QString appDir,
                    DataItemReader readItem = DataItems::read, QObject *parent = nullptr);

    // Starts the first stage after LoadStageDelayMs.
    void start();
    static QString stageName(Stage stage);

signals:
    void stageStarted(LoadingSequence::Stage stage);
    void captionChanged(const QString &caption);
    void blockPlaced(int index);
    void busyChanged(bool busy);
    // A missing or truncated data file: shown in a modal box, which holds the
    // chain until the user answers, before the error window.
    void fileErrorMessage(const QString &text);
    // A report has been recorded: show the error window.
    void errorReported();
    // The last stage: open the main window.
    void finished();

private:
    void runStage(Stage stage);
    void startStage(Stage stage);
    void placeBlocks(int first, int last);

    void readWordLines();
    void cutWordLines();
    bool checkSynonymFile();
    void readSynonyms(char first, char last);
    bool readHomonyms();
    void readSounds(SoundList &list, const QString &type, int id, const QString &code);

    void reportStageFailure(const RuntimeError &error, const QString &code);
    void reportFileFailure(const RuntimeError &error, ErrorTexts::DataFile file);

    LexiconData &m_data;
    InternalErrorReport &m_errors;
    QString m_appDir;
    DataItemReader m_readItem;
    std::array<QTimer, StageCount> m_timers;
};
