// Every line of the shipped word list can be found by typing its headword:
// its written tail is the program's own search key of the headword.
#include "lexicon/DataItems.h"
#include "lexicon/WordList.h"
#include "search/QueryPreparation.h"

#include <QTest>

class TestShippedTails : public QObject {
    Q_OBJECT
private slots:
    void writtenTailIsTheSearchKeyOfTheHeadword()
    {
        WordList words;
        QVERIFY(!words.readLines(DataItems::read(DataItems::WordListType, DataItems::WordListId)));
        QVERIFY(!words.cutLines());
        QVERIFY(words.wordCount() > 0);
        QStringList mismatches;
        for (int i = 0; i < words.wordCount(); ++i) {
            QString typed = words.headword(i).toLower();
            typed.replace(QStringLiteral("œ"), QStringLiteral("oe")).replace(QStringLiteral("æ"), QStringLiteral("ae"));
            const QString key = PrepareSearchKey(typed);
            if (key != words.writtenTail(i))
                mismatches << QStringLiteral("%1: %2 / %3").arg(words.headword(i), key, words.writtenTail(i).toString());
        }
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

QTEST_APPLESS_MAIN(TestShippedTails)
#include "tst_ShippedTails.moc"
