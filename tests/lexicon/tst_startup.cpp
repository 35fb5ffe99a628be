// Start-up pieces: one running copy per user, the preferences of Option.ret.
#include "lexicon/SingleInstance.h"
#include "support/TestSupport.h"
#include "ui/main/OptionsFile.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void secondInstanceIsRefused()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("versalune.lock");
        SingleInstance first(lockPath);
        QVERIFY(first.acquire());
        SingleInstance second(lockPath);
        QVERIFY(!second.acquire());
    }

    void lockOfAnEndedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("versalune.lock");
        {
            SingleInstance first(lockPath);
            QVERIFY(first.acquire());
        }
        SingleInstance next(lockPath);
        QVERIFY(next.acquire());
    }

    void secondStartHandsItsFilesToTheFirst()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("versalune.lock");
        SingleInstance first(lockPath);
        QVERIFY(first.acquire());
        QSignalSpy requests(&first, &SingleInstance::filesRequested);

        SingleInstance second(lockPath);
        QVERIFY(!second.acquire());
        const QStringList files {QStringLiteral("/home/poète/sonnet à Hélène.txt"), QStringLiteral("/tmp/b")};
        QVERIFY(second.forwardToRunning(files));
        QVERIFY(requests.wait());
        QCOMPARE(requests.first().first().toStringList(), files);

        // A start without files still asks for the window.
        QVERIFY(second.forwardToRunning({}));
        QVERIFY(requests.wait());
        QCOMPARE(requests.at(1).first().toStringList(), QStringList());
    }

    void socketLeftByAnEndedCopyIsReplaced()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("versalune.lock");
        TestSupport::writeFile(lockPath + QStringLiteral(".socket"), QByteArray("left over"));
        SingleInstance first(lockPath);
        QVERIFY(first.acquire());
        QSignalSpy requests(&first, &SingleInstance::filesRequested);
        QVERIFY(SingleInstance(lockPath).forwardToRunning({QStringLiteral("/a")}));
        QVERIFY(requests.wait());
    }

    void unreachableFirstCopyIsReported()
    {
        QTemporaryDir dir;
        const QString lockPath = dir.filePath("versalune.lock");
        // The lock held but nobody listening, as with a copy that hangs at start.
        QLockFile held(lockPath);
        QVERIFY(held.tryLock(0));
        SingleInstance second(lockPath);
        QVERIFY(!second.acquire());
        QVERIFY(!second.forwardToRunning({QStringLiteral("/a")}));
    }

    void fileArgumentsBecomeAbsolute()
    {
        const QStringList files = SingleInstance::absoluteFileArguments(
            {QStringLiteral("poeme.txt"), QStringLiteral("-style"), QStringLiteral("/abs/x"), QString()});
        QCOMPARE(files, QStringList({QDir::current().absoluteFilePath(QStringLiteral("poeme.txt")),
                                     QStringLiteral("/abs/x")}));
    }

    void preferencesFromTheFirstSixLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QList<int>>("values");
        const QByteArray rest("??????\r\n??????\r\n??????\r\nOptions par d\xe9" "faut\r\n");
        QTest::newRow("defaults written") << QByteArray("Theme:0\r\nEnreg opt:1\r\nDoublons:0\r\nAffichMess:1\r\nOrthoON:0\r\nLettrePM:1\r\n") + rest
                                          << true << QList<int>({0, 1, 0, 1, 0, 1});
        QTest::newRow("only the last character counts") << QByteArray("Theme:12\r\nEnreg opt:0\r\nDoublons:1\r\nAffichMess:0\r\nOrthoON:1\r\nLettrePM:0\r\n")
                                                        << true << QList<int>({2, 0, 1, 0, 1, 0});
        QTest::newRow("six lines, no final line end") << QByteArray("a1\r\nb1\r\nc1\r\nd1\r\ne1\r\nf1")
                                                      << true << QList<int>({1, 1, 1, 1, 1, 1});
        QTest::newRow("five lines") << QByteArray("Theme:0\r\nEnreg opt:1\r\nDoublons:0\r\nAffichMess:1\r\nOrthoON:0\r\n")
                                    << false << QList<int>();
        QTest::newRow("not a digit") << QByteArray("Theme:0\r\nEnreg opt:x\r\nDoublons:0\r\nAffichMess:1\r\nOrthoON:0\r\nLettrePM:1\r\n")
                                     << false << QList<int>();
        QTest::newRow("empty") << QByteArray() << false << QList<int>();
    }

    void preferencesFromTheFirstSixLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        QFETCH(QList<int>, values);
        QTemporaryDir dir;
        const QString path = OptionsFile::path(dir.path() + QLatin1Char('/'));
        TestSupport::writeFile(path, file);
        const auto preferences = OptionsFile::readPreferences(path);
        QCOMPARE(preferences.has_value(), readable);
        if (readable) {
            QCOMPARE((QList<int> {preferences->theme, preferences->saveSearchOptions, preferences->showDuplicates,
                                  preferences->showSecondaryMessages, preferences->spellCheckOn,
                                  preferences->spellPlusMinusOne}),
                     values);
        }
    }

    void missingOptionsFile()
    {
        QVERIFY(!OptionsFile::readPreferences(QStringLiteral("/nonexistent/Option.ret")));
        QCOMPARE(OptionsFile::unreadableMessage(),
                 QStringLiteral("Erreur : impossible d'ouvrir le fichier des options      \r\ndu programme."));
        const AppPreferences defaults;
        QCOMPARE((QList<int> {defaults.theme, defaults.saveSearchOptions, defaults.showDuplicates,
                              defaults.showSecondaryMessages, defaults.spellCheckOn, defaults.spellPlusMinusOne}),
                 QList<int>({1, 1, 0, 1, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
