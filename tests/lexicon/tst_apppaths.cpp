// Where the program finds its data and keeps its options: a build tree or a
// portable copy keeps everything beside the program, an installed copy reads
// its data from share/versalune and keeps its options in the user's folder.
#include "lexicon/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
void touch(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}
} // namespace

class TestAppPaths : public QObject {
    Q_OBJECT
private slots:
    void dataBesideTheProgramComesFirst()
    {
        QTemporaryDir root;
        const QString bin = root.path() + QStringLiteral("/bin/");
        const QString share = root.path() + QStringLiteral("/share/versalune/");
        touch(bin + QStringLiteral("listsyno.ret"));
        touch(share + QStringLiteral("listsyno.ret"));
        touch(share + QStringLiteral("help/index.html"));
        QCOMPARE(AppPaths::installedDataDir(bin), share);
        QCOMPARE(AppPaths::dataFile(bin, QStringLiteral("listsyno.ret")), bin + QStringLiteral("listsyno.ret"));
        QCOMPARE(AppPaths::dataFile(bin, QStringLiteral("help/index.html")), share + QStringLiteral("help/index.html"));
        // Found nowhere: the place beside the program, which the failure names.
        QCOMPARE(AppPaths::dataFile(bin, QStringLiteral("listhomo.ret")), bin + QStringLiteral("listhomo.ret"));
    }

    void portableCopyKeepsItsOptionsBesideIt()
    {
        QTemporaryDir root;
        const QString app = root.path() + QStringLiteral("/app/");
        const QString config = root.path() + QStringLiteral("/config/versalune/");
        touch(app + QStringLiteral("listsyno.ret"));
        // No options file beside it: an installed copy, whatever its folder's rights.
        QVERIFY(!AppPaths::isPortable(app));
        QCOMPARE(AppPaths::settingsDir(app, config), config);
        touch(app + QStringLiteral("Option.ret"));
        QVERIFY(AppPaths::isPortable(app));
        QCOMPARE(AppPaths::settingsDir(app, config), app);
        QCOMPARE(AppPaths::optionsFileToRead(app, app), app + QStringLiteral("Option.ret"));
        // A configuration folder given without its final slash.
        QVERIFY(!AppPaths::isPortable(root.path() + QStringLiteral("/absent/")));
        QCOMPARE(AppPaths::settingsDir(root.path() + QStringLiteral("/absent/"), root.path() + QStringLiteral("/c")),
                 root.path() + QStringLiteral("/c/"));
    }

    void readOnlyCopyKeepsOptionsInTheUsersFolder()
    {
        if (::geteuid() == 0)
            QSKIP("every folder is writable for root");
        QTemporaryDir root;
        const QString app = root.path() + QStringLiteral("/app/");
        const QString config = root.path() + QStringLiteral("/config/");
        touch(app + QStringLiteral("Option.ret"));
        QVERIFY(QFile::setPermissions(app, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(AppPaths::settingsDir(app, config), config);
        // Until the user's own file exists, the copy's file is the template.
        QCOMPARE(AppPaths::optionsFileToRead(app, config), app + QStringLiteral("Option.ret"));
        QVERIFY(QFile::setPermissions(app, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void installedCopyReadsTheShippedOptionsUntilItWritesItsOwn()
    {
        QTemporaryDir root;
        const QString bin = root.path() + QStringLiteral("/bin/");
        const QString config = root.path() + QStringLiteral("/config/versalune/");
        QVERIFY(QDir().mkpath(bin));
        // Nothing anywhere: the user's file, whose reading then fails with the message.
        QCOMPARE(AppPaths::optionsFileToRead(bin, config), config + QStringLiteral("Option.ret"));
        touch(root.path() + QStringLiteral("/share/versalune/Option.ret"));
        QCOMPARE(AppPaths::optionsFileToRead(bin, config), root.path() + QStringLiteral("/share/versalune/Option.ret"));
        QVERIFY(AppPaths::makeSettingsDir(config));
        touch(config + QStringLiteral("Option.ret"));
        QCOMPARE(AppPaths::optionsFileToRead(bin, config), config + QStringLiteral("Option.ret"));
    }

    void usersFolderFollowsXdgConfigHome()
    {
        QTemporaryDir root;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path()));
        const QString dir = AppPaths::userConfigDir();
        if (saved.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(dir, root.path() + QStringLiteral("/versalune/"));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
