// The spelling windows as the main window uses them: the check before a
// search, the search it restarts, and the spelling dictionary button.
#include "FrmDisplayFixture.h"
#include "support/SpellingLists.h"
#include "ui/windows/FrmDicOrtho.h"
#include "ui/windows/FrmOrtho.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>

namespace {
// A main window whose spelling windows read the lists made here.
struct Main {
    FrmDisplayFixture f;
    FrmDisplay &w;
    TestSupport::SpellingLists lists;
    int checks = 0;

    Main() : w(f.open())
    {
        lists.lists["DICOM"] = {"maison", "mation"};
        lists.lists["DICOP"] = {"porte"};
        lists.lists["DICOE"] = {"été"};
        w.spellingLists = lists.reader();
        w.ChkOrtho->setChecked(true);
    }

    FrmOrtho *checkWindow() const { return w.findChild<FrmOrtho *>(); }
    void clickSuggestion(int row) const
    {
        auto *lst = checkWindow()->findChild<QListWidget *>("LstMot");
        QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(lst->item(row)).center());
    }
};
} // namespace

class TstFrmOrthoMainWindow : public QObject {
    Q_OBJECT
private slots:
    void pickedSuggestionIsSearchedUnchecked();
    void noSuggestionSearchesTheWordAsTyped();
    void closingSearchesTheWordAsTyped();
    void checkOffSearchesAtOnce();
    void secondRequestWhileCheckingIsTheSame();
    void spellingButtonOpensTheDictionaryWithTheWord();
};

void TstFrmOrthoMainWindow::pickedSuggestionIsSearchedUnchecked()
{
    Main m;
    m.f.type("maizon");
    QSignalSpy finished(&m.w, &FrmDisplay::searchFinished);
    m.w.StartSearch();
    QTRY_VERIFY(m.checkWindow() && m.checkWindow()->isVisible());
    QVERIFY(!m.w.isEnabled());
    QCOMPARE(finished.count(), 0);

    m.clickSuggestion(2);
    QCOMPARE(m.w.T1->text(), QStringLiteral("maison"));
    QVERIFY(m.w.isEnabled());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m.w.searchRun().parameters().typedText, QStringLiteral("maison"));
    // The restarted search was not checked again, and the next one will be.
    QCOMPARE(m.lists.reads, 1);
    QVERIFY(!m.checkWindow());
    QVERIFY(!AppGlobals::instance().spellingDone);
}

void TstFrmOrthoMainWindow::noSuggestionSearchesTheWordAsTyped()
{
    Main m;
    m.w.T1->setText("éporte");
    QSignalSpy finished(&m.w, &FrmDisplay::searchFinished);
    m.w.StartSearch();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m.f.messages.size(), 1);
    QCOMPARE(m.f.messages.front().text, FrmOrtho::noSuggestionText("éporte"));
    QCOMPARE(m.w.searchRun().parameters().typedText, QStringLiteral("éporte"));
}

void TstFrmOrthoMainWindow::closingSearchesTheWordAsTyped()
{
    Main m;
    m.w.ChkOrtho->setChecked(false);
    m.f.type("porte");
    QVERIFY(m.f.searchAndWait());
    QVERIFY(m.w.Lst[1]->count() + m.w.Lst[2]->count() + m.w.Lst[3]->count() > 0);
    m.w.ChkOrtho->setChecked(true);

    m.f.type("maizon");
    QSignalSpy finished(&m.w, &FrmDisplay::searchFinished);
    m.w.StartSearch();
    // The lists of "porte" are gone while "maizon" is being checked.
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(m.w.Lst[i]->count(), 0);
    QTRY_VERIFY(m.checkWindow() && m.checkWindow()->isVisible());
    QTest::mouseClick(m.checkWindow()->findChild<HoverPicture *>("ImgClose2"), Qt::LeftButton);
    QVERIFY(m.w.isEnabled());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m.w.searchRun().parameters().typedText, QStringLiteral("maizon"));
    QTRY_VERIFY(!m.checkWindow());

    // The next search checks its word again.
    m.w.StartSearch();
    QTRY_VERIFY(m.checkWindow() && m.checkWindow()->isVisible());
    QCOMPARE(m.lists.reads, 2);
    // Escape closes it the same way.
    QTest::keyClick(m.checkWindow()->findChild<QListWidget *>("LstMot"), Qt::Key_Escape);
    QTRY_COMPARE(finished.count(), 2);
    QCOMPARE(m.w.searchRun().parameters().typedText, QStringLiteral("maizon"));
}

void TstFrmOrthoMainWindow::checkOffSearchesAtOnce()
{
    Main m;
    m.w.ChkOrtho->setChecked(false);
    m.f.type("maizon");
    QVERIFY(m.f.searchAndWait());
    QCOMPARE(m.w.searchRun().parameters().typedText, QStringLiteral("maizon"));
    QVERIFY(!m.checkWindow());
    QCOMPARE(m.lists.reads, 0);
}

void TstFrmOrthoMainWindow::secondRequestWhileCheckingIsTheSame()
{
    Main m;
    m.f.type("porte");
    QSignalSpy finished(&m.w, &FrmDisplay::searchFinished);
    m.w.StartSearch();
    m.w.StartSearch();
    QCOMPARE(m.w.findChildren<FrmOrtho *>().size(), 1);
    QTRY_COMPARE(finished.count(), 1);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m.lists.reads, 1);
}

void TstFrmOrthoMainWindow::spellingButtonOpensTheDictionaryWithTheWord()
{
    Main m;
    m.f.type("maizon");
    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto *dictionary = qobject_cast<FrmDicOrtho *>(QApplication::activeModalWidget());
        if (!dictionary)
            return;
        seen = dictionary->findChild<QLineEdit *>("T1")->text();
        dictionary->accept();
    });
    QTest::mouseClick(m.w.CmdOrtho, Qt::LeftButton);
    QCOMPARE(seen, QStringLiteral("maizon"));
    QVERIFY(!m.w.findChild<FrmDicOrtho *>());
}

QTEST_MAIN(TstFrmOrthoMainWindow)
#include "tst_frmortho_mainwindow.moc"
