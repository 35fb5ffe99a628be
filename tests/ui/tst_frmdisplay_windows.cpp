// The main window's buttons that open the options, tips, About and contact
// windows and the help pages, and the tips at the very first start.
#include "ui/DesktopRecorder.h"
#include "ui/FrmDisplayFixture.h"
#include "ui/windows/FirstStart.h"
#include "ui/windows/FrmConseils.h"
#include "ui/windows/FrmMail.h"
#include "ui/windows/FrmOption.h"
#include "ui/windows/FrmPropos.h"
#include "ui/windows/HelpSite.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTimer>

namespace {
template <typename Window>
Window *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            return window;
    }
    return nullptr;
}
} // namespace

class TestFrmDisplayWindows : public QObject {
    Q_OBJECT
private slots:
    void optionsKeepSpellingBoxesInStep();
    void tipsDisableMainWindow();
    void aboutAndContactHideMainWindow();
    void siteOpensHelpPage();
    void tipsAtVeryFirstStartOnly();
};

void TestFrmDisplayWindows::optionsKeepSpellingBoxesInStep()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QVERIFY(!w.ChkOrtho->isChecked());
    w.CmdOptions->click();
    QVERIFY(!w.isEnabled());
    QPointer<FrmOption> options = topLevel<FrmOption>();
    QVERIFY(options);
    QTRY_VERIFY(options->isVisible());
    options->ChkOrtho->click();
    QVERIFY(w.ChkOrtho->isChecked());
    QCOMPARE(AppGlobals::instance().preferences.spellCheckOn, 1);
    options->CmdFermer->click();
    QTRY_VERIFY(!options);
    QVERIFY(w.isEnabled());

    // Unchecked in the main window: the options window opens with it off.
    w.ChkOrtho->click();
    QCOMPARE(AppGlobals::instance().preferences.spellCheckOn, 0);
    w.CmdOptions->click();
    options = topLevel<FrmOption>();
    QTRY_VERIFY(options->isVisible());
    QVERIFY(!options->ChkOrtho->isChecked());
    QVERIFY(!options->ChkPM->isEnabled());
    options->close();
}

void TestFrmDisplayWindows::tipsDisableMainWindow()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    w.CmdConseils->click();
    QVERIFY(!w.isEnabled());
    QPointer<FrmConseils> tips = topLevel<FrmConseils>();
    QVERIFY(tips);
    QTRY_VERIFY(tips->isVisible());
    tips->Foc->click();
    QTRY_VERIFY(!tips);
    QVERIFY(w.isEnabled());
}

void TestFrmDisplayWindows::aboutAndContactHideMainWindow()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QVERIFY(w.isVisible());
    w.CmdAp->click();
    QVERIFY(!w.isVisible());
    QPointer<FrmPropos> about = topLevel<FrmPropos>();
    QTRY_VERIFY(about && about->isVisible());
    about->CmdFerme->click();
    QTRY_VERIFY(!about);
    QVERIFY(w.isVisible());

    // Again, on to the contact window: the main window comes back only with it.
    w.CmdAp->click();
    about = topLevel<FrmPropos>();
    QTRY_VERIFY(about && about->isVisible());
    about->CmdMail->click();
    QTRY_VERIFY(!about);
    QVERIFY(!w.isVisible());
    QPointer<FrmMail> mail = topLevel<FrmMail>();
    QTRY_VERIFY(mail && mail->isVisible());
    mail->CmdAnnule->click();
    QTRY_VERIFY(!mail);
    QVERIFY(w.isVisible());
}

void TestFrmDisplayWindows::siteOpensHelpPage()
{
    FrmDisplayFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("help")));
    QFile page(HelpSite::pagePath(AppGlobals::instance().appDir));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    FrmDisplay &w = f.open();
    DesktopRecorder desktop;
    w.CmdMAJ->click();
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(desktop.opened.first().isLocalFile());
    QCOMPARE(desktop.opened.first().fileName(), QStringLiteral("index.html"));
}

void TestFrmDisplayWindows::tipsAtVeryFirstStartOnly()
{
    FrmDisplayFixture f;
    // The shipped options file is there, but the program never started here.
    f.writeOptions({QStringLiteral("Theme:1")});
    QVERIFY(QFile::remove(FirstStart::markerPath(AppGlobals::instance().appDir)));

    int modalTips = 0;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&modalTips] {
        if (auto *tips = qobject_cast<FrmConseils *>(QApplication::activeModalWidget())) {
            if (tips->isVisible()) {
                ++modalTips;
                tips->close();
            }
        }
    });
    closer.start();
    FrmDisplay &w = f.open();
    QCOMPARE(modalTips, 1);
    QVERIFY(w.isVisible());
    QVERIFY(w.isEnabled());

    f.window.reset();
    f.open();
    QTest::qWait(FrmConseils::ShowDelayMs + 100);
    QCOMPARE(modalTips, 1);
}

QTEST_MAIN(TestFrmDisplayWindows)
#include "tst_frmdisplay_windows.moc"
