// The automatic check before a search: its verdicts, the suggestion window
// and what it hands back to the main window.
#include "lexicon/AppGlobals.h"
#include "support/SpellingLists.h"
#include "ui/windows/FrmOrtho.h"
#include "ui/windows/WindowChrome.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
// Stands for the main window: an input box that receives the chosen word.
struct MainWindow {
    QWidget window;
    QLineEdit *T1 = new QLineEdit(&window);
    MainWindow()
    {
        window.resize(600, 400);
        window.show();
    }
};

// The window with its signals watched and its message boxes answered.
struct Check {
    QPointer<FrmOrtho> frm;
    QStringList messages;
    QStringList chosen;
    int restarts = 0;
    bool shownAtRestart = false;

    Check(MainWindow &main, TestSupport::SpellingLists &data, const QString &word)
    {
        AppGlobals::instance().wordToCheck = word;
        AppGlobals::instance().spellingDone = false;
        frm = new FrmOrtho(&main.window, data.reader());
        frm->showMessage = [this](const QString &text) {
            messages.append(text);
            return 1;
        };
        QObject::connect(frm, &FrmOrtho::suggestionChosen, main.T1, &QLineEdit::setText);
        QObject::connect(frm, &FrmOrtho::suggestionChosen, [this](const QString &w) { chosen.append(w); });
        QObject::connect(frm, &FrmOrtho::searchRestartRequested, [this] {
            ++restarts;
            shownAtRestart = frm->isVisible();
        });
    }

    QString solution() const { return frm->findChild<QLabel *>("LblSolution")->text(); }
    QListWidget *list() const { return frm->findChild<QListWidget *>("LstMot"); }
    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }
    void click(int row) const
    {
        QListWidget *lst = list();
        QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(lst->item(row)).center());
    }
};
} // namespace

class TstFrmOrtho : public QObject {
    Q_OBJECT
private slots:
    void init();
    void checkWaitsForItsTimer();
    void validWordSearchesAtOnce();
    void suggestionPickedRestartsTheSearch();
    void headerLinesDoNothing();
    void oneLetterOffFollowsThePreference();
    void noSuggestionToldThenSearch();
    void accentedInitialIsValid();
    void closeSearchesTheWordAsTyped();
    void keysPickAndClose();
    void unreadableListDoesNotStopTheSearch();

private:
    TestSupport::SpellingLists data;
};

void TstFrmOrtho::init()
{
    data = {};
    data.lists["DICOC"] = {"chenal", "cheval", "chevale", "chevaux"};
    data.lists["DICOM"] = {"maison", "maisons", "mation", "misons", "miston"};
    data.lists["DICOO"] = {"orthographe", "orthographie"};
    data.lists["DICOE"] = {"ecole", "école", "été"};
    data.lists["DICOX"] = {"xylophone"};
    AppGlobals::instance().preferences.spellPlusMinusOne = 1;
}

void TstFrmOrtho::checkWaitsForItsTimer()
{
    MainWindow main;
    Check check(main, data, "maizon");
    QCOMPARE(check.solution(), QStringLiteral("Recherche en cours..."));
    QVERIFY(!check.frm->isVisible());
    QCOMPARE(data.reads, 0);
    QTRY_COMPARE(data.reads, 1);
}

void TstFrmOrtho::validWordSearchesAtOnce()
{
    MainWindow main;
    Check check(main, data, "cheval");
    QTRY_VERIFY(check.frm.isNull());
    QCOMPARE(check.restarts, 1);
    QVERIFY(!check.shownAtRestart);
    QVERIFY(check.messages.isEmpty());
    QVERIFY(AppGlobals::instance().spellingDone);
    QVERIFY(main.window.isEnabled());
}

void TstFrmOrtho::suggestionPickedRestartsTheSearch()
{
    MainWindow main;
    main.T1->setText("Maizon");
    Check check(main, data, "maizon");
    QTRY_VERIFY(check.frm->isVisible());
    QCOMPARE(check.solution(), QStringLiteral("L'orthographe du mot ''maizon'' est incorrecte."));
    QCOMPARE(check.items(), (QStringList {"2 suggestions de mot:", QString(36, '-'), "maison", "mation"}));
    QVERIFY(!main.window.isEnabled());
    QVERIFY(check.frm->isEnabled());
    QVERIFY(check.list()->isEnabled());
    QCOMPARE(check.restarts, 0);
    QVERIFY(!AppGlobals::instance().spellingDone);

    check.click(2);
    QCOMPARE(check.chosen, QStringList {"maison"});
    QCOMPARE(main.T1->text(), QStringLiteral("maison"));
    QCOMPARE(check.restarts, 1);
    QVERIFY(AppGlobals::instance().spellingDone);
    QVERIFY(main.window.isEnabled());
    QTRY_VERIFY(check.frm.isNull());
}

void TstFrmOrtho::headerLinesDoNothing()
{
    MainWindow main;
    Check check(main, data, "maizon");
    QTRY_VERIFY(check.frm->isVisible());
    check.click(0);
    check.click(1);
    QTest::qWait(20);
    QVERIFY(check.frm);
    QVERIFY(check.frm->isVisible());
    QVERIFY(check.chosen.isEmpty());
    QCOMPARE(check.restarts, 0);
    QVERIFY(!main.window.isEnabled());
}

void TstFrmOrtho::oneLetterOffFollowsThePreference()
{
    MainWindow main;
    Check wide(main, data, "orthografe");
    QTRY_VERIFY(wide.frm->isVisible());
    QCOMPARE(wide.items(), (QStringList {"1 suggestion de mot:", QString(36, '-'), "orthographe"}));
    wide.frm->close();
    QTRY_VERIFY(wide.frm.isNull());

    AppGlobals::instance().preferences.spellPlusMinusOne = 0;
    Check narrow(main, data, "orthografe");
    QTRY_VERIFY(narrow.frm.isNull());
    QCOMPARE(narrow.messages, QStringList {FrmOrtho::noSuggestionText("orthografe")});
    QCOMPARE(narrow.restarts, 1);
}

void TstFrmOrtho::noSuggestionToldThenSearch()
{
    MainWindow main;
    Check check(main, data, "xxxx");
    QTRY_VERIFY(check.frm.isNull());
    QCOMPARE(check.messages,
             QStringList {"L'orthographe du mot ''xxxx'' n'est pas valide,      \r\n"
                          "et le correcteur n'a pas trouvé de suggestion\r\nd'orthographe."});
    QCOMPARE(AppGlobals::instance().messageAnswer, 1);
    QCOMPARE(check.restarts, 1);
    QVERIFY(!check.shownAtRestart);
    QVERIFY(AppGlobals::instance().spellingDone);
}

void TstFrmOrtho::accentedInitialIsValid()
{
    // The lists file 'été' under "e": the word is valid and the search runs.
    MainWindow main;
    Check check(main, data, "été");
    QTRY_VERIFY(check.frm.isNull());
    QVERIFY(check.messages.isEmpty());
    QCOMPARE(check.restarts, 1);
    QCOMPARE(data.reads, 1);
}

void TstFrmOrtho::closeSearchesTheWordAsTyped()
{
    MainWindow main;
    main.T1->setText("maizon");
    Check check(main, data, "maizon");
    QTRY_VERIFY(check.frm->isVisible());
    auto *close = check.frm->findChild<HoverPicture *>("ImgClose2");
    QCOMPARE(close->toolTip(), QStringLiteral("Fermer et rechercher le mot tel quel"));
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(check.restarts, 1);
    QVERIFY(check.chosen.isEmpty());
    QCOMPARE(main.T1->text(), QStringLiteral("maizon"));
    QVERIFY(AppGlobals::instance().spellingDone);
    QVERIFY(main.window.isEnabled());
    QTRY_VERIFY(check.frm.isNull());
}

void TstFrmOrtho::keysPickAndClose()
{
    {
        // Down then Enter: the second suggestion; the header lines are skipped.
        MainWindow main;
        Check check(main, data, "maizon");
        QTRY_VERIFY(check.frm->isVisible());
        QListWidget *list = check.list();
        QVERIFY(list->hasFocus() || list->focusPolicy() != Qt::NoFocus);
        QCOMPARE(list->currentRow(), FrmOrtho::HeaderLineCount);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), FrmOrtho::HeaderLineCount);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(check.chosen, QStringList {"mation"});
        QCOMPARE(check.restarts, 1);
        QTRY_VERIFY(check.frm.isNull());
    }
    for (const QString &button : {QStringLiteral("escape"), QStringLiteral("CmdTelQuel")}) {
        // Escape and "Rechercher quand même" search the word as typed.
        MainWindow main;
        Check check(main, data, "maizon");
        QTRY_VERIFY(check.frm->isVisible());
        if (button == QStringLiteral("escape"))
            QTest::keyClick(check.list(), Qt::Key_Escape);
        else
            check.frm->findChild<QPushButton *>(button)->click();
        QVERIFY(check.chosen.isEmpty());
        QCOMPARE(check.restarts, 1);
        QVERIFY(AppGlobals::instance().spellingDone);
        QTRY_VERIFY(check.frm.isNull());
    }
}

void TstFrmOrtho::unreadableListDoesNotStopTheSearch()
{
    MainWindow main;
    Check check(main, data, "zut");
    QTRY_VERIFY(check.frm.isNull());
    QCOMPARE(check.messages.size(), 1);
    QVERIFY(check.messages.front().contains("''Z''"));
    QCOMPARE(check.restarts, 1);
    QVERIFY(main.window.isEnabled());
}

QTEST_MAIN(TstFrmOrtho)
#include "tst_frmortho.moc"
