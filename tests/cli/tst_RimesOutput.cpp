// What rimes does when its output is lost or its word list gives nothing:
// the writer that notices a failed write, and the loading of the list.
#include "cli/RimesOutput.h"
#include "cli/RimesReport.h"
#include "cli/RimesWordList.h"
#include "support/TestSupport.h"

#include <QTest>

#include <cstdio>

class TestRimesOutput : public QObject {
    Q_OBJECT
private slots:
    void fullDeviceIsAFailure();
    void writesReachAWorkingStream();
    void wordListWithoutRecordIsUnusable_data();
    void wordListWithoutRecordIsUnusable();
    void damagedWordListIsUsedAsFarAsItGoes();
};

void TestRimesOutput::fullDeviceIsAFailure()
{
    FILE *full = std::fopen("/dev/full", "w");
    if (!full)
        QSKIP("no /dev/full here");
    RimesOutput out(full);
    // Small writes are only buffered: the loss shows at the latest at the flush.
    out.write("maison\n");
    QVERIFY(!out.finish());
    QVERIFY(out.failed());
    QCOMPARE(out.failureText(), QStringLiteral("le résultat n'a pas pu être écrit (plus de place sur le disque)."));
    // Large writes fail at once, and later ones are not tried.
    RimesOutput big(full);
    QVERIFY(!big.write(QByteArray(1 << 20, 'x')));
    QVERIFY(!big.write("y"));
    std::fclose(full);
}

void TestRimesOutput::writesReachAWorkingStream()
{
    FILE *stream = std::tmpfile();
    QVERIFY(stream);
    RimesOutput out(stream);
    QVERIFY(out.write("rime\n"));
    QVERIFY(out.write(QByteArray()));
    QVERIFY(out.finish());
    QCOMPARE(std::ftell(stream), 5L);
    std::fclose(stream);
}

void TestRimesOutput::wordListWithoutRecordIsUnusable_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("line feeds only") << QByteArray("\n\n\n");
    QTest::newRow("no field") << QByteArray("rien\r\nni ici\r\n");
}

void TestRimesOutput::wordListWithoutRecordIsUnusable()
{
    QFETCH(QByteArray, item);
    WordList words;
    const RimesWordListLoad load = LoadRimesWordList(words, item);
    QVERIFY(!load.usable);
    QVERIFY2(load.message.startsWith(QStringLiteral("la liste des mots intégrée est endommagée (erreur ")),
             qPrintable(load.message));

    const RimesWordListLoad missing = LoadRimesWordList(words, std::nullopt);
    QVERIFY(!missing.usable);
    QVERIFY(missing.message.contains(QStringLiteral("erreur 326")));
}

void TestRimesOutput::damagedWordListIsUsedAsFarAsItGoes()
{
    const QByteArray item = TestSupport::wordListItem({
        TestSupport::wordListLine("cheval", "val", "al", "cheval", 0, 2, "NOM"),
    }) + "abîmé\r\n";
    WordList words;
    const RimesWordListLoad load = LoadRimesWordList(words, item);
    QVERIFY(load.usable);
    QCOMPARE(words.recordCount(), 1);
    QVERIFY(load.message.contains(QStringLiteral("erreur 5")));
}

QTEST_APPLESS_MAIN(TestRimesOutput)
#include "tst_RimesOutput.moc"
