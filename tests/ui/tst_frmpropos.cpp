// The About window: the main window hidden while it is open and shown again
// when it closes, unless the contact window took over; the help pages.
#include "lexicon/AppGlobals.h"
#include "ui/DesktopRecorder.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/FrmPropos.h"
#include "ui/windows/HelpSite.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
FrmMail *openContactWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *mail = qobject_cast<FrmMail *>(widget))
            return mail;
    }
    return nullptr;
}
} // namespace

class TestFrmPropos : public QObject {
    Q_OBJECT
private slots:
    void init();
    void closeBringsMainWindowBack();
    void enterAtOnceCloses();
    void siteKeepsWindowOpen();
    void contactWindowTakesOver();
    void licenceNoteFitsItsLine();

private:
    QWidget *m_main = nullptr;
};

void TestFrmPropos::init()
{
    delete m_main;
    m_main = new QWidget;
    m_main->show();
    // Left over by an earlier contact window.
    AppGlobals::instance().messageAnswer = FrmMail::TakeOverMarker;
}

void TestFrmPropos::closeBringsMainWindowBack()
{
    QPointer<FrmPropos> window = FrmPropos::open(m_main);
    QCOMPARE(AppGlobals::instance().messageAnswer, 0);
    QVERIFY(!m_main->isVisible());
    QCOMPARE(window->LblVersion->text(), QStringLiteral("Version du programme 2.52"));
    QCOMPARE(window->LblLogo->text(), QStringLiteral("Versalune"));
    QTRY_VERIFY(window->isVisible());
    QVERIFY(!m_main->isVisible());
    window->CmdFerme->click();
    QTRY_VERIFY(!window);
    QVERIFY(m_main->isVisible());
}

void TestFrmPropos::enterAtOnceCloses()
{
    QPointer<FrmPropos> window = FrmPropos::open(m_main);
    QTRY_VERIFY(window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->Foc);
    QTest::keyClick(window->Foc, Qt::Key_Return);
    QTRY_VERIFY(!window);
    QVERIFY(m_main->isVisible());
}

void TestFrmPropos::siteKeepsWindowOpen()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    QVERIFY(QDir(appDir).mkpath(QStringLiteral("help")));
    QFile page(HelpSite::pagePath(appDir));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    const QString savedAppDir = AppGlobals::instance().appDir;
    AppGlobals::instance().appDir = appDir;

    DesktopRecorder desktop;
    FrmPropos window(m_main);
    QTRY_VERIFY(window.isVisible());
    window.CmdSite->click();
    QCOMPARE(desktop.opened.size(), 1);
    QCOMPARE(desktop.opened.first().fileName(), QStringLiteral("index.html"));
    QVERIFY(window.siteResult());
    QVERIFY(window.isVisible());
    QCOMPARE(window.focusWidget(), window.Foc);
    AppGlobals::instance().appDir = savedAppDir;
}

void TestFrmPropos::contactWindowTakesOver()
{
    QPointer<FrmPropos> window = FrmPropos::open(m_main);
    QTRY_VERIFY(window->isVisible());
    window->CmdMail->click();
    QTRY_VERIFY(!window);
    QCOMPARE(AppGlobals::instance().messageAnswer, FrmMail::TakeOverMarker);
    // Neither the About window nor the main window while the contact window loads.
    QVERIFY(!m_main->isVisible());
    QPointer<FrmMail> mail = openContactWindow();
    QVERIFY(mail);
    QVERIFY(!mail->isVisible());
    QTRY_VERIFY(mail->isVisible());
    QVERIFY(!m_main->isVisible());
    mail->CmdAnnule->click();
    QTRY_VERIFY(!mail);
    QVERIFY(m_main->isVisible());
}

void TestFrmPropos::licenceNoteFitsItsLine()
{
    QPointer<FrmPropos> window = FrmPropos::open(m_main);
    QTRY_VERIFY(window->isVisible());
    const auto *note = window->findChild<QLabel *>(QStringLiteral("LblLicence"));
    QVERIFY(note);
    QVERIFY(note->text().contains(QStringLiteral("GPL 3 ou ultérieure")));
    // One whole line, clear of the title frame and of the button panel.
    QVERIFY(note->fontMetrics().horizontalAdvance(note->text()) <= note->width());
    QVERIFY(note->fontMetrics().height() <= note->height());
    QVERIFY(note->geometry().bottom() < window->CmdFerme->parentWidget()->geometry().top());
    window->close();
}

QTEST_MAIN(TestFrmPropos)
#include "tst_frmpropos.moc"
