// Poem files: only UTF-8 text comes in, saving replaces the file whole, and
// the safety copy is written, offered back and removed.
#include "verse/PoemFile.h"
#include "verse/PoemRecovery.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPoemFile : public QObject {
    Q_OBJECT
private slots:
    void textComesInWhole();
    void notTextIsRefused_data();
    void notTextIsRefused();
    void missingFileIsAMessage();
    void saveReplacesWholeAndKeepsOldOnFailure();
    void recoveryCopyRoundTrip();
    void recoveryFolderUnwritableIsReported();
};

void TestPoemFile::textComesInWhole()
{
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + QStringLiteral("Ô rage ! ô désespoir !\r\nœuvre\n").toUtf8();
    const PoemFile::ReadResult poem = PoemFile::decode(bytes, QStringLiteral("p.txt"));
    QVERIFY(poem.ok);
    QCOMPARE(poem.text, QStringLiteral("Ô rage ! ô désespoir !\nœuvre\n"));
}

void TestPoemFile::notTextIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("NUL") << QByteArray("vers\0suite", 10) << QStringLiteral("données binaires");
    QTest::newRow("Latin-1") << QByteArray("d\xE9sespoir") << QStringLiteral("UTF-8");
    QTest::newRow("cut sequence") << QByteArray("fin\xC3") << QStringLiteral("UTF-8");
}

void TestPoemFile::notTextIsRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const PoemFile::ReadResult poem = PoemFile::decode(bytes, QStringLiteral("p.txt"));
    QVERIFY(!poem.ok);
    QVERIFY(poem.text.isEmpty());
    QVERIFY2(poem.error.contains(expected), qPrintable(poem.error));
    QVERIFY(poem.error.contains(QStringLiteral("« p.txt »")));
}

void TestPoemFile::missingFileIsAMessage()
{
    const PoemFile::ReadResult poem = PoemFile::read(QStringLiteral("/nonexistent/poeme.txt"));
    QVERIFY(!poem.ok);
    QVERIFY(poem.error.startsWith(QStringLiteral("Impossible de lire")));
}

void TestPoemFile::saveReplacesWholeAndKeepsOldOnFailure()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sonnet.txt"));
    QString error;
    QVERIFY(PoemFile::save(path, QStringLiteral("Mignonne, allons voir"), &error));
    QVERIFY(PoemFile::save(path, QStringLiteral("Si la rose"), &error));
    QCOMPARE(PoemFile::read(path).text, QStringLiteral("Si la rose"));
    // No leftover temporary file beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(!PoemFile::save(dir.filePath(QStringLiteral("absent/x.txt")), QStringLiteral("x"), &error));
    QVERIFY(error.startsWith(QStringLiteral("Impossible d'enregistrer")));
}

void TestPoemFile::recoveryCopyRoundTrip()
{
    QTemporaryDir dir;
    PoemRecovery recovery(dir.filePath(QStringLiteral("data/versalune")));
    QVERIFY(!recovery.pending());
    QVERIFY(recovery.write(QStringLiteral("Heureux qui, comme Ulysse"), QStringLiteral("/home/p/ulysse.txt")));
    const auto copy = PoemRecovery(dir.filePath(QStringLiteral("data/versalune"))).pending();
    QVERIFY(copy);
    QCOMPARE(copy->text, QStringLiteral("Heureux qui, comme Ulysse"));
    QCOMPARE(copy->originalPath, QStringLiteral("/home/p/ulysse.txt"));
    recovery.discard();
    QVERIFY(!recovery.pending());
}

void TestPoemFile::recoveryFolderUnwritableIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plain")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A file where the folder should be.
    PoemRecovery recovery(dir.filePath(QStringLiteral("plain/versalune")));
    QString error;
    QVERIFY(!recovery.write(QStringLiteral("vers"), QString(), &error));
    QVERIFY(error.startsWith(QStringLiteral("Copie de secours impossible")));
}

QTEST_GUILESS_MAIN(TestPoemFile)
#include "tst_poemfile.moc"
