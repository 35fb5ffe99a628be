// The contact window: what it shows at load, the completeness check with its
// markers and focus, the link handed to the desktop and the close after it.
#include "lexicon/AppGlobals.h"
#include "ui/DesktopRecorder.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/MailForm.h"
#include "ui/windows/MailLink.h"
#include "ui/windows/WindowChrome.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

namespace {
QList<bool> markersShown(const FrmMail &window)
{
    QList<bool> shown;
    for (const QLabel *marker : window.ImgF)
        shown.append(!marker->isHidden());
    return shown;
}
} // namespace

class TestFrmMail : public QObject {
    Q_OBJECT
private slots:
    void loadsHiddenWithSubject();
    void typingArmsSendButton();
    void completeness_data();
    void completeness();
    void typingClearsMarker();
    void sendsAndClosesThreeSecondsLater();
    void refusedLinkKeepsTheFormAndSaysSo();
    void faqOpensHelpPage();
};

void TestFrmMail::loadsHiddenWithSubject()
{
    QWidget main;
    AppGlobals::instance().messageAnswer = 0;
    FrmMail window(&main);
    QCOMPARE(AppGlobals::instance().messageAnswer, FrmMail::TakeOverMarker);
    QCOMPARE(window.TxtObj->text(), QStringLiteral("Versalune version 2.52"));
    QCOMPARE(window.Text1->text(), QString::fromLatin1(PublisherAddress));
    QVERIFY(window.Text1->isReadOnly());
    QCOMPARE(markersShown(window), QList<bool>(4, false));
    // The subject filled in at load does not make the form worth sending.
    QVERIFY(!window.CmdMail->isEnabled());
    QCOMPARE(window.CmdMail->toolTip(), QStringLiteral("Envoyer un email"));

    // Placed from the screen's corner; sized from the message box and the buttons.
    const QPoint corner = QGuiApplication::primaryScreen()->geometry().topLeft();
    QCOMPARE(window.pos() - corner, QPoint(330 / 15, 495 / 15));
    QCOMPARE(window.width(), window.TxtRem->x() + window.TxtRem->width() + 240 / 15);
    QCOMPARE(window.height(), window.CmdAnnule->y() + window.CmdAnnule->height() + 180 / 15);

    QTest::qWait(FrmMail::ShowDelayMs / 2);
    QVERIFY(!window.isVisible());
    QTRY_VERIFY(window.isVisible());
}

void TestFrmMail::typingArmsSendButton()
{
    QWidget main;
    {
        FrmMail window(&main);
        window.TxtObj->setText(QStringLiteral("Autre objet"));
        QVERIFY(!window.CmdMail->isEnabled());
        window.TxtNom->setText(QStringLiteral("D"));
        QVERIFY(window.CmdMail->isEnabled());
    }
    {
        FrmMail window(&main);
        window.TxtPre->setText(QStringLiteral("J"));
        QVERIFY(window.CmdMail->isEnabled());
    }
    {
        FrmMail window(&main);
        window.TxtRem->setPlainText(QStringLiteral("Bonjour"));
        QVERIFY(window.CmdMail->isEnabled());
    }
}

void TestFrmMail::completeness_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<bool>>("markers");
    QTest::addColumn<QString>("focus");

    QTest::newRow("all empty: the last one keeps the focus")
        << QString() << QString() << QString() << QString() << QList<bool> {true, true, true, true}
        << QStringLiteral("TxtRem");
    QTest::newRow("only the subject empty")
        << QStringLiteral("Dupont") << QStringLiteral("Jean") << QString() << QStringLiteral("Bonjour")
        << QList<bool> {false, false, true, false} << QStringLiteral("TxtObj");
    QTest::newRow("name and first name empty")
        << QString() << QString() << QStringLiteral("s") << QStringLiteral("m")
        << QList<bool> {true, true, false, false} << QStringLiteral("TxtPre");
}

void TestFrmMail::completeness()
{
    QFETCH(QString, name);
    QFETCH(QString, firstName);
    QFETCH(QString, subject);
    QFETCH(QString, message);
    QFETCH(QList<bool>, markers);
    QFETCH(QString, focus);

    DesktopRecorder desktop;
    QWidget main;
    FrmMail window(&main);
    const QMap<QString, QWidget *> fields {{QStringLiteral("TxtNom"), window.TxtNom},
                                           {QStringLiteral("TxtPre"), window.TxtPre},
                                           {QStringLiteral("TxtObj"), window.TxtObj},
                                           {QStringLiteral("TxtRem"), window.TxtRem}};
    QStringList messages;
    window.showMessage = [&messages](const QString &text) { messages.append(text); };
    window.TxtNom->setText(name);
    window.TxtPre->setText(firstName);
    window.TxtObj->setText(subject);
    window.TxtRem->setPlainText(message);

    window.send();
    QCOMPARE(markersShown(window), markers);
    QCOMPARE(window.focusWidget(), fields.value(focus));
    QCOMPARE(messages, QStringList {QStringLiteral("Le formulaire est incomplet.      ")});
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(!window.closing());
    // The form keeps everything typed.
    QCOMPARE(window.TxtNom->text(), name);
    QCOMPARE(window.TxtRem->toPlainText(), message);

    // A second attempt starts from hidden markers.
    window.TxtNom->setText(QStringLiteral("N"));
    window.TxtPre->setText(QStringLiteral("P"));
    window.TxtObj->setText(QStringLiteral("O"));
    window.TxtRem->setPlainText(QString());
    window.send();
    QCOMPARE(markersShown(window), (QList<bool> {false, false, false, true}));
}

void TestFrmMail::typingClearsMarker()
{
    QWidget main;
    FrmMail window(&main);
    window.showMessage = [](const QString &) {};
    window.TxtObj->clear();
    window.send();
    QCOMPARE(markersShown(window), QList<bool>(4, true));
    window.TxtObj->setText(QStringLiteral("x"));
    window.TxtRem->setPlainText(QStringLiteral("x"));
    QCOMPARE(markersShown(window), (QList<bool> {true, true, false, false}));
}

void TestFrmMail::sendsAndClosesThreeSecondsLater()
{
    DesktopRecorder desktop;
    QWidget main;
    QPointer<FrmMail> window = FrmMail::open(&main);
    QTRY_VERIFY(window->isVisible());
    bool asked = false;
    window->showMessage = [&asked](const QString &) { asked = true; };
    // Blanks count as filled in.
    window->TxtNom->setText(QStringLiteral(" "));
    window->TxtPre->setText(QStringLiteral("Zoé"));
    window->TxtRem->setPlainText(QStringLiteral("Bonjour, à bientôt !"));
    window->CmdMail->click();
    QVERIFY(!asked);
    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.first().toString(QUrl::FullyEncoded),
             QStringLiteral("mailto:?to=") + QString::fromLatin1(PublisherAddress)
                 + QStringLiteral("&Subject=Versalune%20version%202.52"
                                  "&Body=Nom%3A%20%20%0D%0APr%C3%A9nom%3A%20Zo%C3%A9%0D%0A%0D%0ABonjour%2C%20%C3%A0%20bient%C3%B4t%20%21"));
    QVERIFY(window->closing());
    QTest::qWait(FrmMail::CloseDelayMs - 500);
    QVERIFY(window);
    QVERIFY(!main.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window, FrmMail::CloseDelayMs);
    QVERIFY(main.isVisible());
}

void TestFrmMail::refusedLinkKeepsTheFormAndSaysSo()
{
    DesktopRecorder desktop(false);
    QWidget main;
    FrmMail window(&main);
    QStringList messages;
    window.showMessage = [&messages](const QString &text) { messages.append(text); };
    window.TxtNom->setText(QStringLiteral("N"));
    window.TxtPre->setText(QStringLiteral("P"));
    window.TxtRem->setPlainText(QStringLiteral("Mon cœur"));
    window.send();
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(desktop.offered.isEmpty());
    QCOMPARE(messages, QStringList {MailForm::noMailProgramMessage()});
    QVERIFY(!window.closing());
    QCOMPARE(window.TxtRem->toPlainText(), QStringLiteral("Mon cœur"));
    QCOMPARE(window.TxtNom->text(), QStringLiteral("N"));
}

void TestFrmMail::faqOpensHelpPage()
{
    DesktopRecorder desktop;
    QWidget main;
    FrmMail window(&main);
    // No help page beside the test program: nothing is handed over, nothing shown.
    window.CmdFAQ->click();
    QCOMPARE(window.focusWidget(), window.Foc);
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(desktop.offered.isEmpty());
    QVERIFY(!window.closing());
}

QTEST_MAIN(TestFrmMail)
#include "tst_frmmail.moc"
