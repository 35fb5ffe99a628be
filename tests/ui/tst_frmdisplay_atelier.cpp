// The poem workbench and the main window: the current line's rhyme search
// arrives with the genre the alternation asks and the syllable count that
// mends the metre, and a result replaces the line's last word.
#include "FrmDisplayFixture.h"
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/WindowChrome.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextBlock>

class TestFrmDisplayAtelier : public QObject {
    Q_OBJECT
private slots:
    void searchCarriesGenreAndSyllables();
    void chosenWordReplacesTheLastWord();
    void typedSearchOffersNoReplacement();
};

namespace {
// Four lines of 6 but the last, one short; "vivre" and "livre" rhyme.
const QString kPoem = QStringLiteral("Il faut tenter de vivre\nLe vent se lève ici\n"
                                     "Le livre qui nous livre\nOuvre donc la porte");

void putCursorOnLine(FrmAtelier &atelier, int line)
{
    QTextCursor cursor(atelier.TxtPoeme->document()->findBlockByNumber(line));
    atelier.TxtPoeme->setTextCursor(cursor);
}
} // namespace

void TestFrmDisplayAtelier::searchCarriesGenreAndSyllables()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QTemporaryDir recovery;
    FrmAtelier atelier(recovery.path());
    w.connectAtelier(&atelier);
    atelier.TxtPoeme->setPlainText(kPoem);
    QCOMPARE(atelier.scansion().metre(), 6);
    QCOMPARE(atelier.scansion().figures(3).syllables, 5);
    putCursorOnLine(atelier, 3);
    atelier.show();
    atelier.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&atelier));
    QSignalSpy finished(&w, &FrmDisplay::searchFinished);
    QTest::keyClick(atelier.TxtPoeme, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(w.T1->text(), QStringLiteral("porte"));
    // A line with no partner after the feminine "livre": the alternation asks
    // for a masculine rhyme; "porte" (1) plus the missing syllable.
    QCOMPARE(w.CboGenre->currentText(), QStringLiteral("Masculine"));
    QCOMPARE(w.CboSyl->currentText(), QStringLiteral("2"));
    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 3000));
    QVERIFY(w.searchCameFromPoem());

    // A line on the metre leaves the syllables open; it keeps its partner's genre.
    putCursorOnLine(atelier, 2);
    atelier.CmdRime->click();
    QCOMPARE(w.T1->text(), QStringLiteral("livre"));
    QCOMPARE(w.CboSyl->currentText(), QStringLiteral("Toutes"));
    QCOMPARE(w.CboGenre->currentText(), QStringLiteral("Féminine"));
}

void TestFrmDisplayAtelier::chosenWordReplacesTheLastWord()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QTemporaryDir recovery;
    FrmAtelier atelier(recovery.path());
    w.connectAtelier(&atelier);
    atelier.TxtPoeme->setPlainText(kPoem);
    putCursorOnLine(atelier, 3);
    QSignalSpy finished(&w, &FrmDisplay::searchFinished);
    atelier.searchRhymeForCurrentLine();
    QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 3000));
    // "emporte" is the only two-syllable feminine rhyme of the list.
    // The test list's only word of two syllables among the rhymes of "porte".
    QListWidget *approximate = w.Lst[2];
    QCOMPARE(approximate->count(), 1);
    QVERIFY(approximate->item(0)->text().startsWith(QStringLiteral("trésor ")));
    // The user moves elsewhere in the poem meanwhile: the asking line still gets it.
    putCursorOnLine(atelier, 0);
    QSignalSpy chosen(&w, &FrmDisplay::poemWordChosen);
    w.chooseForPoem(2, 0);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(atelier.TxtPoeme->document()->findBlockByNumber(3).text(), QStringLiteral("Ouvre donc la trésor"));
    QCOMPARE(atelier.TxtPoeme->document()->findBlockByNumber(0).text(), QStringLiteral("Il faut tenter de vivre"));
    QCOMPARE(atelier.scansion().figures(3).syllables, 6);
    QVERIFY(atelier.scansion().figures(3).warnings.isEmpty());
    atelier.TxtPoeme->document()->setModified(false);
}

void TestFrmDisplayAtelier::typedSearchOffersNoReplacement()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QTemporaryDir recovery;
    FrmAtelier atelier(recovery.path());
    w.connectAtelier(&atelier);
    atelier.TxtPoeme->setPlainText(kPoem);
    putCursorOnLine(atelier, 3);
    atelier.searchRhymeForCurrentLine();
    QVERIFY(QTest::qWaitFor([&] { return !w.searchRunning(); }, 3000));
    f.type(QStringLiteral("fort"));
    QVERIFY(f.searchAndWait());
    QVERIFY(!w.searchCameFromPoem());
    QSignalSpy chosen(&w, &FrmDisplay::poemWordChosen);
    w.chooseForPoem(1, 0);
    QCOMPARE(chosen.count(), 0);
    QCOMPARE(atelier.TxtPoeme->document()->findBlockByNumber(3).text(), QStringLiteral("Ouvre donc la porte"));
    atelier.TxtPoeme->document()->setModified(false);
}

QTEST_MAIN(TestFrmDisplayAtelier)
#include "tst_frmdisplay_atelier.moc"
