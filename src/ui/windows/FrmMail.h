#pragma once

// The contact window: a small form turned into an e-mail link for the user's
// mail program. It takes over from the About window; the main window stays
// hidden until this window closes.
#include "ui/windows/MailForm.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class SkinnedButton;

class FrmMail : public QWidget {
    Q_OBJECT
public:
    // Written into the shared message answer while this window is open, so
    // that the About window, closing, leaves the main window hidden.
    static constexpr int TakeOverMarker = 1000;
    static constexpr int ShowDelayMs = 500;
    static constexpr int CloseDelayMs = 3000;

    // Loads hidden and shows itself 500 ms later.
    explicit FrmMail(QWidget *mainWindow, QWidget *parent = nullptr);
    ~FrmMail() override;

    // Opens a window that deletes itself when closed.
    static QPointer<FrmMail> open(QWidget *mainWindow);

    // The incomplete-form message goes through this, so that tests can answer it.
    std::function<void(const QString &)> showMessage;

    QLabel *LblLogo = nullptr;
    QLabel *LblInfosDec = nullptr;
    std::array<QLabel *, 6> Lbl {};
    SkinnedButton *CmdFAQ = nullptr;
    QLineEdit *TxtNom = nullptr;
    QLineEdit *TxtPre = nullptr;
    QLineEdit *TxtObj = nullptr;
    QPlainTextEdit *TxtRem = nullptr;
    QLineEdit *Text1 = nullptr;
    // Indexed by MailForm::Field.
    std::array<QLabel *, MailForm::FieldCount> ImgF {};
    SkinnedButton *CmdMail = nullptr;
    SkinnedButton *CmdAnnule = nullptr;
    QLineEdit *Foc = nullptr;

    bool closing() const { return TimEnd.isActive(); }

signals:
    void closed();

public slots:
    void send();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    QWidget *fieldWidget(MailForm::Field field) const;
    MailForm::Fields fields() const;
    void unload();

    QPointer<QWidget> m_mainWindow;
    QTimer TimDeb;
    QTimer TimEnd;
    bool m_faqResult = false;
    bool m_unloaded = false;
};
