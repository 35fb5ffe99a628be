#pragma once

// The loading window: shows the loading stages' caption and progress bar
// while the data is read, and the emergency stop after a loading error.
#include "lexicon/LoadingSequence.h"

#include "ui/windows/FrmZErr.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class FrmZErr;
class SkinnedButton;

class FrmCharge : public QWidget {
    Q_OBJECT
public:
    FrmCharge(LexiconData &data, InternalErrorReport &errors, const QString &appDir,
              DataItemReader readItem = DataItems::read, QWidget *parent = nullptr);

    LoadingSequence &sequence() { return m_sequence; }
    QString caption() const;
    int placedBlockCount() const;
    bool emergencyStopVisible() const;
    FrmZErr *errorWindow() const { return m_errorWindow; }

    // Message boxes are shown through this, so that tests can answer them.
    std::function<void(const QString &)> showCriticalMessage;

signals:
    // The last stage has run: the main window takes over.
    void loadingFinished();
    // The user asked to stop the program at once.
    void endRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void placeBlock(int index);
    void showErrorWindow();

    LoadingSequence m_sequence;
    const InternalErrorReport &m_errors;
    bool m_started = false;

    QLabel *Pic1 = nullptr;
    QLabel *LblLogo = nullptr;
    QLabel *LblVersion = nullptr;
    QLabel *Lbl1 = nullptr;
    QLabel *ImgA = nullptr;
    std::array<QLabel *, LoadingSequence::BlockCount> ImgB {};
    std::array<bool, LoadingSequence::BlockCount> m_placed {};
    SkinnedButton *CmdEnd = nullptr;
    QPointer<FrmZErr> m_errorWindow;
};
