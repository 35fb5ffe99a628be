// Versalune: a French rhyme dictionary.
#include "QuitWhenReady.h"
#include "lexicon/AppGlobals.h"
#include "lexicon/AppPaths.h"
#include "lexicon/InternalErrorReport.h"
#include "lexicon/LexiconData.h"
#include "lexicon/SingleInstance.h"
#include "ui/main/FrmDisplay.h"
#include "ui/main/OptionsFile.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/FrmCharge.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {
QString startDirectory()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

AppPreferences readPreferencesOrDefaults(const QString &appDir, const QString &settingsDir)
{
    if (const auto preferences = OptionsFile::readPreferences(AppPaths::optionsFileToRead(appDir, settingsDir)))
        return *preferences;
    QMessageBox::critical(nullptr, AppGlobals::messageTitle(), OptionsFile::unreadableMessage());
    return AppPreferences {};
}

// A dark desktop, for trying the desktop look on a machine whose desktop is
// light: VERSALUNE_TEST_DARK_PALETTE=1 gives the application a dark palette.
void applyTestDarkPalette()
{
    if (qEnvironmentVariableIntValue("VERSALUNE_TEST_DARK_PALETTE") != 1)
        return;
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(52, 52, 56));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(98, 80, 170));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    QApplication::setPalette(dark);
}

// A later start asked for this copy: its window comes back and takes the focus.
void bringToFront(QWidget *window)
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Runs an action once, when the watched window is first shown; owned by it.
class OnFirstShow : public QObject {
public:
    OnFirstShow(QWidget *window, std::function<void()> action) : QObject(window), m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_action) {
            // After the show has finished, so that the new windows come on top.
            QTimer::singleShot(0, this, std::exchange(m_action, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

// Each poem named in a workbench of its own.
void openPoemFiles(FrmDisplay *mainWindow, const QStringList &paths)
{
    for (const QString &path : paths) {
        if (path.startsWith(QLatin1Char('-')))
            continue;
        FrmAtelier *window = FrmAtelier::open();
        mainWindow->connectAtelier(window);
        if (!window->openFile(path))
            window->close();
    }
}

// The poems named on the command line; an earlier session's unsaved poem is
// offered back first.
void openPoems(FrmDisplay *mainWindow, const QStringList &paths)
{
    mainWindow->connectAtelier(FrmAtelier::offerRecoveredPoem());
    openPoemFiles(mainWindow, paths);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyTestDarkPalette();
    QApplication::setApplicationName(QStringLiteral("Versalune"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop entry's name, so that the desktop shows the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.versalune.Versalune"));
    QuitWhenReady quitWhenReady;
    // The toolkit's own captions (standard buttons, list menus) in French.
    QTranslator toolkitFrench;
    if (toolkitFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitFrench);

    AppGlobals &globals = AppGlobals::instance();
    globals.appDir = startDirectory();
    // The options file and the first-start marker: beside a portable copy,
    // in the user's configuration folder for an installed one.
    globals.settingsDir = AppPaths::settingsDir(globals.appDir);
    AppPaths::makeSettingsDir(globals.settingsDir);

    SingleInstance instance;
    if (!instance.acquire()) {
        // The running copy comes to the front with the files; the warning only
        // when it does not answer.
        if (!instance.forwardToRunning(SingleInstance::absoluteFileArguments(QCoreApplication::arguments().mid(1))))
            QMessageBox::warning(nullptr, AppGlobals::messageTitle(), QStringLiteral("Le programme est déja lancé."));
        return 0;
    }

    globals.preferences = readPreferencesOrDefaults(globals.appDir, globals.settingsDir);
    Look::applyApplicationPalette();

    LexiconData &data = LexiconData::instance();
    auto *loading = new FrmCharge(data, InternalErrorReport::instance(), globals.appDir);
    std::unique_ptr<FrmDisplay> mainWindow;
    QObject::connect(loading, &FrmCharge::endRequested, &app, [] { QCoreApplication::exit(0); });
    QObject::connect(loading, &FrmCharge::loadingFinished, &app, [&] {
        // The main window closes the loading window and shows itself.
        mainWindow = std::make_unique<FrmDisplay>(data, loading);
        QObject::connect(mainWindow.get(), &FrmDisplay::endRequested, &app, [] { QCoreApplication::exit(0); });
        // The workbenches come over the main window once it shows itself.
        new OnFirstShow(mainWindow.get(), [window = mainWindow.get()] {
            openPoems(window, QCoreApplication::arguments().mid(1));
        });
    });
    QObject::connect(&instance, &SingleInstance::filesRequested, &app, [&](const QStringList &paths) {
        bringToFront(mainWindow ? static_cast<QWidget *>(mainWindow.get()) : loading);
        if (mainWindow)
            openPoemFiles(mainWindow.get(), paths);
    });
    loading->show();
    const int status = app.exec();
    return quitWhenReady.sawProblem() ? 1 : status;
}
