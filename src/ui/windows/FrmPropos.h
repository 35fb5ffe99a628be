#pragma once

// The About window: the program's title and version, and the ways on to the
// contact window and the help pages. The main window is hidden while it is
// open and comes back when it closes, unless the contact window took over.
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class SkinnedButton;

class FrmPropos : public QWidget {
    Q_OBJECT
public:
    // Hides the main window at once and shows itself 10 ms later.
    explicit FrmPropos(QWidget *mainWindow, QWidget *parent = nullptr);
    ~FrmPropos() override;

    // As the main window's "A propos" button does: clears the contact
    // window's marker, then opens a window that deletes itself when closed.
    static QPointer<FrmPropos> open(QWidget *mainWindow);

    static constexpr int ShowDelayMs = 10;

    QLabel *LblLogo = nullptr;
    QLabel *LblVersion = nullptr;
    SkinnedButton *CmdMail = nullptr;
    SkinnedButton *CmdSite = nullptr;
    SkinnedButton *CmdFerme = nullptr;
    QPushButton *Foc = nullptr;

    bool siteResult() const { return m_siteResult; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void mailClicked();
    void siteClicked();
    void unload();

    QPointer<QWidget> m_mainWindow;
    QTimer TimDeb;
    bool m_siteResult = false;
    bool m_unloaded = false;
};
