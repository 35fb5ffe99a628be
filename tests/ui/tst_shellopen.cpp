// Handing links and the help pages to the desktop, and the open-with offer
// when the desktop refuses.
#include "ui/DesktopRecorder.h"
#include "ui/windows/HelpSite.h"
#include "ui/windows/OpenWithDialog.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class TestShellOpen : public QObject {
    Q_OBJECT
private slots:
    void targetsBecomeUrls();
    void openWithOfferedOnlyOnRefusal();
    void helpPageOpensInBrowser();
    void missingHelpPageIsNotHandedOver();
    void openWithDialogCopiesLink();
};

void TestShellOpen::targetsBecomeUrls()
{
    QCOMPARE(Shell::targetUrl(QStringLiteral("mailto:?to=a&Subject=x y")).scheme(), QStringLiteral("mailto"));
    QCOMPARE(Shell::targetUrl(QStringLiteral("/tmp/page.html")), QUrl::fromLocalFile(QStringLiteral("/tmp/page.html")));
    // A colon inside a file name does not make it a link.
    QCOMPARE(Shell::targetUrl(QStringLiteral("/tmp/a:b.html")), QUrl::fromLocalFile(QStringLiteral("/tmp/a:b.html")));
}

void TestShellOpen::openWithOfferedOnlyOnRefusal()
{
    {
        DesktopRecorder desktop(true);
        ShellOpen(QStringLiteral("mailto:?to=a"));
        QCOMPARE(desktop.opened.size(), 1);
        QVERIFY(desktop.offered.isEmpty());
    }
    {
        DesktopRecorder desktop(false);
        ShellOpen(QStringLiteral("mailto:?to=a"));
        QCOMPARE(desktop.opened.size(), 1);
        QCOMPARE(desktop.offered, QStringList {QStringLiteral("mailto:?to=a")});
    }
}

void TestShellOpen::helpPageOpensInBrowser()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString appDir = dir.path() + QLatin1Char('/');
    QVERIFY(QDir(appDir).mkpath(QStringLiteral("help")));
    QFile page(HelpSite::pagePath(appDir));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();

    DesktopRecorder desktop(true);
    QVERIFY(HelpSite::open(appDir));
    QVERIFY(HelpSite::open(appDir, HelpSite::Section::Faq));
    QCOMPARE(desktop.opened.size(), 2);
    QVERIFY(desktop.opened[0].isLocalFile());
    QCOMPARE(desktop.opened[0].toLocalFile(), QFileInfo(page).absoluteFilePath());
    QCOMPARE(desktop.opened[1].fragment(), QStringLiteral("faq"));

    // A browser that cannot be started is not reported, nor offered around.
    DesktopRecorder refusing(false);
    QVERIFY(!HelpSite::open(appDir));
    QVERIFY(refusing.offered.isEmpty());
}

void TestShellOpen::missingHelpPageIsNotHandedOver()
{
    QTemporaryDir dir;
    DesktopRecorder desktop(true);
    QVERIFY(!HelpSite::open(dir.path() + QLatin1Char('/')));
    QVERIFY(desktop.opened.isEmpty());
    QVERIFY(desktop.offered.isEmpty());
}

void TestShellOpen::openWithDialogCopiesLink()
{
    const QString link = QStringLiteral("mailto:?to=a@b.fr&Body=%E9");
    OpenWithDialog dialog(link);
    QCOMPARE(dialog.target(), link);
    dialog.copyTarget();
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
}

QTEST_MAIN(TestShellOpen)
#include "tst_shellopen.moc"
