// The homonyms page and the fixed word-game lists.
#include "lexicon/DataSizes.h"
#include "lexicon/TextCodec.h"
#include "synonyms/HomonymPage.h"
#include "synonyms/WordGameLists.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A homonyms list whose first lines are the given ones, the rest filler.
HomonymList loadedList(const QStringList &firstLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listhomo.ret"));
    QByteArray bytes;
    for (int i = 0; i < HomonymList::HomonymCount; ++i) {
        const QString line = i < firstLines.size() ? firstLines[i] : QStringLiteral("mot%1@homonyme").arg(i + 1);
        bytes += TextCodec::toWindows1252(line) + "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    HomonymList list;
    if (list.load(path))
        qFatal("cannot load %s", qPrintable(path));
    return list;
}
} // namespace

class TestHomonymPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (HomonymList::HomonymCount < 3)
            QSKIP("the homonyms list is too small for these cases");
    }

    void headwordsComeLastLineFirst()
    {
        const HomonymList list = loadedList({QStringLiteral("air@aire\\ère\\erre"), QStringLiteral("Mer@mère")});
        const QStringList headwords = HomonymPage::fillHomonymHeadwords(list);
        QCOMPARE(headwords.size(), HomonymList::HomonymCount);
        QCOMPARE(headwords.last(), QStringLiteral("air"));
        QCOMPARE(headwords[headwords.size() - 2], QStringLiteral("Mer"));
        QCOMPARE(headwords.first(), SynonymEntryHead(list.entries().last()));
        // A list that could not be read shows no blank items.
        QVERIFY(HomonymPage::fillHomonymHeadwords(HomonymList()).isEmpty());
    }

    void homonymsOfAClickedHeadword()
    {
        const HomonymList list = loadedList({QStringLiteral("air@aire\\ère\\erre"), QStringLiteral("vain@vin"),
                                             QStringLiteral("vide@")});
        const HomonymResult three = HomonymPage::showHomonyms(list, QStringLiteral("air"));
        QCOMPARE(three.text, QStringLiteral("aire\r\nère\r\nerre"));
        QCOMPARE(three.countSentence(), QStringLiteral("3 homonymes."));

        const HomonymResult one = HomonymPage::showHomonyms(list, QStringLiteral("vain"));
        QCOMPARE(one.text, QStringLiteral("vin"));
        QCOMPARE(one.countSentence(), QStringLiteral("1 homonyme."));

        const HomonymResult empty = HomonymPage::showHomonyms(list, QStringLiteral("vide"));
        QCOMPARE(empty.text, QString());
        QCOMPARE(empty.countSentence(), QStringLiteral("1 homonyme."));
    }

    void aHeadwordStoredTwiceShowsTheLaterLineAndCountsBoth()
    {
        const HomonymList list = loadedList({QStringLiteral("sain@saint\\sein"), QStringLiteral("sain@seing"),
                                             QStringLiteral("Cour@cours\\court")});
        const HomonymResult twice = HomonymPage::showHomonyms(list, QStringLiteral("sain"));
        QCOMPARE(twice.text, QStringLiteral("seing"));
        QCOMPARE(twice.count, 2);
        // A capital headword never equals its lower-cased copy.
        const HomonymResult capital = HomonymPage::showHomonyms(list, QStringLiteral("Cour"));
        QCOMPARE(capital.text, QString());
        QCOMPARE(capital.countSentence(), QStringLiteral("1 homonyme."));
    }

    void fixedListsMatchTheirCaptions()
    {
        const QStringList anacyclics = WordGameLists::anacyclics();
        const QStringList palindromes = WordGameLists::palindromes();
        QCOMPARE(anacyclics.size(), DataSizes::kAnacyclicCount);
        QCOMPARE(palindromes.size(), DataSizes::kPalindromeCount);
        QCOMPARE(WordGameLists::anacyclicCaption(), QStringLiteral("%1 anacycliques.").arg(anacyclics.size()));
        QCOMPARE(WordGameLists::palindromeCaption(), QStringLiteral("%1 Palindromes.").arg(palindromes.size()));
        for (const QString &item : anacyclics) {
            const QStringList parts = item.split(QStringLiteral(" et "));
            QCOMPARE(parts.size(), 2);
            QString reversed = parts[0];
            std::reverse(reversed.begin(), reversed.end());
            QCOMPARE(parts[1], reversed);
        }
        for (const QString &item : palindromes) {
            QString reversed = item;
            std::reverse(reversed.begin(), reversed.end());
            QCOMPARE(item, reversed);
        }
        QCOMPARE(WordGameLists::itemsOf(QByteArray("AB et BA\r\nABA\nELLE\r\n\r\n")),
                 (QStringList {QStringLiteral("AB et BA"), QStringLiteral("ABA"), QStringLiteral("ELLE")}));
        QVERIFY(WordGameLists::itemsOf(std::nullopt).isEmpty());
    }

private:
    static QString SynonymEntryHead(const QString &line) { return line.section(QLatin1Char('@'), 0, 0); }
};

QTEST_GUILESS_MAIN(TestHomonymPage)
#include "tst_homonympage.moc"
