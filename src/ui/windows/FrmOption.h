#pragma once

// The options window: the preferences, each box changing its preference at
// once (the file is written when the program ends). The main window takes
// no input while it is open; its spelling box follows this window's.
#include "lexicon/AppGlobals.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class InfoIcon;
class SkinnedButton;

class FrmOption : public QWidget {
    Q_OBJECT
public:
    // Disables the main window at once and shows itself 240 ms later.
    FrmOption(AppPreferences &preferences, QWidget *mainWindow, QWidget *parent = nullptr);
    ~FrmOption() override;

    // Opens a window that deletes itself when closed.
    static QPointer<FrmOption> open(AppPreferences &preferences, QWidget *mainWindow);

    static constexpr int ShowDelayMs = 240;

    // The help messages go through this, so that tests can read them.
    std::function<void(const QString &)> showInformation;

    QCheckBox *ChkOpt = nullptr;
    QCheckBox *ChkDoub = nullptr;
    QCheckBox *ChkMess = nullptr;
    QCheckBox *ChkOrtho = nullptr;
    QCheckBox *ChkPM = nullptr;
    QCheckBox *ChkAlpha = nullptr;
    QCheckBox *ChkSansAttente = nullptr;
    QCheckBox *ChkBureau = nullptr;
    std::array<InfoIcon *, 8> ImgAide {};
    std::array<QRadioButton *, 5> OptTheme {};
    SkinnedButton *CmdFermer = nullptr;
    QPushButton *Foc = nullptr;

signals:
    // The user turned the automatic spelling check on or off here.
    void spellCheckChanged(bool on);
    void closed();

public slots:
    // The main window's spelling box changed: follow it without echoing back.
    void setSpellCheck(bool on);
    void showHelp(int index);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    void deferredShow();
    void spellCheckClicked();
    void flagClicked(QCheckBox *box, int AppPreferences::*preference);
    void unload();

    AppPreferences &m_preferences;
    QPointer<QWidget> m_mainWindow;
    QTimer TimDeb;
    QGroupBox *FraTheme = nullptr;
    bool m_unloaded = false;
};
