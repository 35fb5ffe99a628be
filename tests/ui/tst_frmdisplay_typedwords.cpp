// Words typed as poets type them: with the capital that opens a line, with
// an accented initial, long, or of two letters; and the genre of the rhyme,
// as a filter and in the word details.
#include "FrmDisplayFixture.h"
#include "support/SpellingLists.h"
#include "ui/windows/FrmOrtho.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>

namespace {
// A word list around 'lune', 'or' and the adverbs in -ment.
void fillPoetWords(WordList &words)
{
    const QList<QStringList> rows {
        {"lune", "lun", "un", "lune", "0", "1", "NOM"},
        {"callune", "lun", "un", "callune", "0", "2", "NOM"},
        {"une", "un", "un", "une", "0", "1", "PRO"},
        {"hune", "un", "un", "hune", "0", "1", "NOM"},
        {"or", "or", "or", "or", "0", "1", "NOM;CONJ"},
        {"fort", "or", "or", "fort", "0", "1", "ADJ"},
        {"extraordinairement", "man", "an", "irement", "0", "7", "ADV"},
        {u"entièrement"_qs, "man", "an", u"érement"_qs, "0", "4", "ADV"},
        {"aiment", u"ém"_qs, u"ém"_qs, "aiment", "1", "1", "VER"},
        {u"âme"_qs, "am", "am", "ame", "0", "1", "NOM"},
        {"clament", "am", "am", "clament", "1", "1", "VER"},
        {"calment", "alm", "am", "calment", "1", "1", "VER"},
        {"dame", "dam", "am", "dame", "0", "1", "NOM"},
        {"madame", "dam", "am", "madame", "0", "2", "NOM"},
        {"macadam", "dam", "am", "macadam", "0", "3", "NOM"},
    };
    QList<QByteArray> lines;
    for (const QStringList &row : rows)
        lines.append(TestSupport::wordListLine(row[0], row[1], row[2], row[3], row[4].toInt(), row[5].toInt(), row[6]));
    QVERIFY(!words.readLines(TestSupport::wordListItem(lines)));
    QVERIFY(!words.cutLines());
}

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QStringList words(const QListWidget *list)
{
    QStringList texts;
    for (const QString &line : lines(list))
        texts.append(line.section(QLatin1Char(' '), 0, 0));
    return texts;
}

// Types text key by key, letters outside ASCII included, as a keyboard
// with French letters would.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void releaseOver(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

struct PoetWindow {
    FrmDisplayFixture f;
    FrmDisplay *w = nullptr;
    TestSupport::SpellingLists lists;

    PoetWindow()
    {
        fillPoetWords(f.data.words);
        w = &f.open();
        lists.lists["DICOA"] = {"ame", u"âme"_qs};
        lists.lists["DICOC"] = {"cheval"};
        lists.lists["DICOE"] = {"extraordinaires", "extraordinairement", u"été"_qs};
        lists.lists["DICOL"] = {"lune"};
        w->spellingLists = lists.reader();
    }

    // Types the word and waits for the end of its search.
    void type(const QString &word)
    {
        w->T1->clear();
        typeKeys(w->T1, word);
    }

    bool search(const QString &word)
    {
        type(word);
        return f.searchAndWait();
    }
};
} // namespace

class TestFrmDisplayTypedWords : public QObject {
    Q_OBJECT
private slots:
    void capitalsGiveTheSameLists()
    {
        PoetWindow p;
        QVERIFY(p.search("lune"));
        const QStringList rich = lines(p.w->Lst[1]);
        const QStringList approx = lines(p.w->Lst[2]);
        const QStringList endings = lines(p.w->Lst[3]);
        QCOMPARE(words(p.w->Lst[1]), (QStringList {"lune", "callune"}));
        for (const char *typed : {"Lune", "LUNE"}) {
            QVERIFY(p.search(typed));
            QCOMPARE(p.w->T1->text(), QString::fromUtf8(typed));
            QCOMPARE(lines(p.w->Lst[1]), rich);
            QCOMPARE(lines(p.w->Lst[2]), approx);
            QCOMPARE(lines(p.w->Lst[3]), endings);
        }
    }

    void twoLettersSearch()
    {
        PoetWindow p;
        p.type("or");
        QVERIFY(p.w->CmdGo->isEnabled() && p.w->CmdGoBis->isEnabled());
        QTest::keyClick(p.w->T1, Qt::Key_Return);
        QTRY_VERIFY(!p.w->searchRunning());
        QCOMPARE(words(p.w->Lst[1]), (QStringList {"or", "fort"}));
        QCOMPARE(p.w->LblCpt1->text(), QStringLiteral("2 rimes trouvées."));
    }

    void longWordKeepsItsEnding()
    {
        PoetWindow p;
        QVERIFY(p.search("extraordinairement"));
        QCOMPARE(p.w->searchRun().parameters().typedText, QStringLiteral("extraordinairement"));
        QCOMPARE(words(p.w->Lst[1]), (QStringList {"extraordinairement", "entièrement"}));
    }

    // With the automatic check on, these words are valid: no window, no
    // message, the search runs with the word as typed.
    void automaticCheckTakesTheWordsAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("capital") << "Lune";
        QTest::newRow("capital, other letter") << "Cheval";
        QTest::newRow("accented initial") << "été";
        QTest::newRow("accented capital") << "Âme";
        QTest::newRow("long word") << "extraordinairement";
    }
    void automaticCheckTakesTheWordsAsTyped()
    {
        QFETCH(QString, typed);
        PoetWindow p;
        p.w->ChkOrtho->setChecked(true);
        p.type(typed);
        QCOMPARE(p.w->T1->text(), typed);
        QSignalSpy finished(p.w, &FrmDisplay::searchFinished);
        p.w->StartSearch();
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(p.f.messages.isEmpty());
        QVERIFY(!p.w->findChild<FrmOrtho *>());
        QCOMPARE(p.w->searchRun().parameters().typedText, typed);
        QCOMPARE(p.lists.reads, 1);
    }

    // The genre list keeps one genre of rhyme in every list.
    void genreFilter()
    {
        PoetWindow p;
        QVERIFY(p.search("dame"));
        QCOMPARE(words(p.w->Lst[1]), (QStringList {"dame", "madame", "macadam"}));
        QCOMPARE(words(p.w->Lst[2]), (QStringList {u"âme"_qs, "clament", "calment"}));

        p.w->CboGenre->setCurrentText(u"Féminine"_qs);
        QVERIFY(p.search("dame"));
        QCOMPARE(words(p.w->Lst[1]), (QStringList {"dame", "madame"}));
        QCOMPARE(words(p.w->Lst[2]), (QStringList {u"âme"_qs, "clament", "calment"}));

        p.w->CboGenre->setCurrentText(QStringLiteral("Masculine"));
        QVERIFY(p.search("dame"));
        QCOMPARE(words(p.w->Lst[1]), QStringList {"macadam"});
        QVERIFY(words(p.w->Lst[2]).isEmpty());
        QCOMPARE(p.w->LblCpt2->text(), QStringLiteral("Aucune rime trouvée."));
    }

    // The details of a clicked word tell the genre of its rhyme.
    void detailsShowTheGenre()
    {
        PoetWindow p;
        QVERIFY(p.w->LblGenre->text().isEmpty() && p.w->LblGenreCaption->text().isEmpty());
        QVERIFY(p.search("dame"));
        releaseOver(p.w->Lst[1], 1);
        QCOMPARE(p.w->LblMot->text(), QStringLiteral("madame"));
        QCOMPARE(p.w->LblGenreCaption->text(), QStringLiteral("Rime:"));
        QCOMPARE(p.w->LblGenre->text(), u"féminine"_qs);
        // Shown whole, as is the longest item of the genre list.
        QVERIFY(p.w->LblGenre->width() >= p.w->LblGenre->fontMetrics().horizontalAdvance(p.w->LblGenre->text()));
        QVERIFY(p.w->CboGenre->width() >= p.w->CboGenre->sizeHint().width());
        releaseOver(p.w->Lst[1], 2);
        QCOMPARE(p.w->LblGenre->text(), QStringLiteral("masculine"));
        releaseOver(p.w->Lst[2], 1);
        QCOMPARE(p.w->LblMot->text(), QStringLiteral("clament"));
        QCOMPARE(p.w->LblGenre->text(), u"féminine"_qs);
        // A new search empties them with the other details.
        QVERIFY(p.search("or"));
        QVERIFY(p.w->LblGenre->text().isEmpty() && p.w->LblGenreCaption->text().isEmpty());
    }
};

QTEST_MAIN(TestFrmDisplayTypedWords)
#include "tst_frmdisplay_typedwords.moc"
