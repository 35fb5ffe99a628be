#pragma once

// The search tips window: fixed advice on typing the word, accents, search
// tricks, the spelling checker and the rhyme categories. The main window
// takes no input while it is open.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;
class QTextEdit;
class HoverPicture;

class FrmConseils : public QWidget {
    Q_OBJECT
public:
    // Disables the main window at once and shows itself 240 ms later.
    explicit FrmConseils(QWidget *mainWindow, QWidget *parent = nullptr);
    ~FrmConseils() override;

    // Opens a window that deletes itself when closed.
    static QPointer<FrmConseils> open(QWidget *mainWindow);
    // Shows the tips as a modal window and returns when they are closed.
    static void showModal(QWidget *mainWindow);

    static constexpr int ShowDelayMs = 240;

    std::array<QLineEdit *, 5> TxtA {};
    std::array<QTextEdit *, 5> TxtB {};
    HoverPicture *ImgClose = nullptr;
    QPushButton *Foc = nullptr;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    void unload();

    QPointer<QWidget> m_mainWindow;
    QTimer TimDeb;
    bool m_unloaded = false;
};
