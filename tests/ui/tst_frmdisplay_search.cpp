// The search driver as the main window runs it: the stage order, the busy
// display and its undoing, one chain at a time, the end of a search.
#include "FrmDisplayFixture.h"
#include "support/SpellingLists.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/MainWindowLook.h"
#include "ui/windows/WindowChrome.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>

using namespace MainWindowLook;

namespace {
QStringList stagesOf(const QSignalSpy &spy)
{
    QStringList stages;
    for (const QList<QVariant> &arguments : spy)
        stages.append(arguments.at(0).toString());
    return stages;
}

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}
} // namespace

class TestFrmDisplaySearch : public QObject {
    Q_OBJECT
private slots:
    void stageOrderFollowsSearchTypes_data()
    {
        QTest::addColumn<bool>("rich");
        QTest::addColumn<bool>("approx");
        QTest::addColumn<bool>("endings");
        QTest::addColumn<QStringList>("stages");
        QTest::newRow("all") << true << true << true << QStringList {"TimRExact", "TimRApp", "TimTerm", "TimFinR"};
        QTest::newRow("rich, approx") << true << true << false << QStringList {"TimRExact", "TimRApp", "TimFinR"};
        QTest::newRow("rich, endings") << true << false << true << QStringList {"TimRExact", "TimTerm", "TimFinR"};
        QTest::newRow("rich") << true << false << false << QStringList {"TimRExact", "TimFinR"};
        QTest::newRow("approx, endings") << false << true << true << QStringList {"TimRApp", "TimTerm", "TimFinR"};
        QTest::newRow("approx") << false << true << false << QStringList {"TimRApp", "TimFinR"};
        QTest::newRow("endings") << false << false << true << QStringList {"TimTerm", "TimFinR"};
    }
    void stageOrderFollowsSearchTypes()
    {
        QFETCH(bool, rich);
        QFETCH(bool, approx);
        QFETCH(bool, endings);
        QFETCH(QStringList, stages);
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.Chk1->setChecked(rich);
        w.Chk2->setChecked(approx);
        w.Chk3->setChecked(endings);
        f.type(QStringLiteral("porte"));
        QSignalSpy ran(&w, &FrmDisplay::stageRan);
        QVERIFY(f.searchAndWait());
        QCOMPARE(stagesOf(ran), stages);
        // Only the searched types get a count line.
        QCOMPARE(w.LblCpt1->text().isEmpty(), !rich);
        QCOMPARE(w.LblCpt2->text().isEmpty(), !approx);
        QCOMPARE(w.LblCpt3->text().isEmpty(), !endings);
        if (!rich)
            QCOMPARE(w.LblI1->text(), QStringLiteral(" Pas de rime. "));
    }

    void resultsAndSummary()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        const QStringList rich = lines(w.Lst[1]);
        QCOMPARE(rich.size(), 4);
        QCOMPARE(rich[0], QStringLiteral("porte") + QString(18, QLatin1Char(' ')) + QStringLiteral("1")
                              + QString(10, QLatin1Char(' ')) + QStringLiteral("NOM;VER"));
        QCOMPARE(w.LblCpt1->text(), QStringLiteral("4 rimes trouvées."));
        QCOMPARE(w.LblSyl1->text(), QStringLiteral("Syllabes"));
        QCOMPARE(w.LblI1->text(), QStringLiteral(" ort "));
        QVERIFY(w.LblI1->isVisibleTo(&w));
        // The duration line replaces the busy line.
        QVERIFY(!w.LblRech->isVisibleTo(&w));
        for (QLabel *part : {w.LblD[0], w.LblH1, w.LblD[1], w.LblH2, w.LblD[2]})
            QVERIFY(part->isVisibleTo(&w));
        QCOMPARE(w.LblH1->text(), QStringLiteral("00"));
        QCOMPARE(w.LblH1->text().size(), 2);
        QCOMPARE(w.LblH2->text().size(), 2);
        QCOMPARE(f.secondaryMessages, 0);
    }

    // While the stages run the options are greyed and disabled; the end of
    // the search gives everything back.
    void busyDisplayAndItsUndoing()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.StageDelayMs = 50;
        w.CboType->setCurrentText(QStringLiteral("Nom"));
        QVERIFY(!w.ChkOpt1->isEnabled());
        f.type(QStringLiteral("porte"));
        w.StartSearch();

        QVERIFY(w.searchRunning());
        QVERIFY(w.LblRech->isVisibleTo(&w));
        QVERIFY(!w.LblD[0]->isVisibleTo(&w));
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(textColour(w.LblA[i]), kInactiveInk);
        for (int n = 2; n <= 5; ++n)
            QVERIFY(!w.Opt1[n]->isEnabled());
        for (QLabel *line : w.LblB) {
            QVERIFY(line->isVisibleTo(&w));
            QCOMPARE(textColour(line), kInactiveInk);
        }
        for (HelpIcon *icon : w.ImgAide)
            QVERIFY(icon->highlighted() && !icon->isEnabled());
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(!w.Lst[i]->isEnabled());
            QCOMPARE(textColour(w.Lst[i]), kInactiveInk);
            QVERIFY(w.Lst[i]->count() == 0);
        }
        for (QCheckBox *box : {w.Chk1, w.Chk2, w.Chk3, w.ChkOpt1})
            QVERIFY(!box->isEnabled());
        QCOMPARE(textColour(w.T1), kInactiveInk);
        QVERIFY(w.T1->isEnabled());
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGo->armedLook());
        QCOMPARE(w.cursor().shape(), Qt::WaitCursor);

        QVERIFY(QTest::qWaitFor([&] { return !w.searchRunning(); }, 3000));
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(textColour(w.LblA[i]), kActiveInk);
        for (int n = 2; n <= 5; ++n)
            QVERIFY(w.Opt1[n]->isEnabled());
        for (HelpIcon *icon : w.ImgAide)
            QVERIFY(!icon->highlighted() && icon->isEnabled());
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(w.Lst[i]->isEnabled());
            QCOMPARE(textColour(w.Lst[i]), kActiveInk);
        }
        for (QLabel *line : w.LblB)
            QCOMPARE(textColour(line), kActiveInk);
        QCOMPARE(textColour(w.T1), kActiveInk);
        QVERIFY(!w.LblRech->isVisibleTo(&w));
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        // The conjugation box comes back even with "Nom" selected.
        QVERIFY(w.ChkOpt1->isEnabled());
        // The visible button waits for a change; Enter searches again at once.
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGo->armedLook());
        QVERIFY(w.CmdGoBis->isEnabled());
    }

    // Without pauses the busy display is skipped: the search information
    // lines still stand beside their sounds at the end.
    void resultsAtOnceShowTheSearchInformation()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        AppGlobals::instance().preferences.resultsAtOnce = 1;
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        for (QLabel *line : w.LblB) {
            QVERIFY(line->isVisibleTo(&w));
            QCOMPARE(textColour(line), kActiveInk);
        }
        QVERIFY(w.LblI1->isVisibleTo(&w));
    }

    // Enter in an open option list only picks the item under the cursor.
    void enterInAnOptionListOnlyPicks()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        f.type(QStringLiteral("porte"));
        QSignalSpy finished(&w, &FrmDisplay::searchFinished);
        for (QComboBox *box : {w.CboSyl, w.CboType, w.CboGenre}) {
            const int before = box->currentIndex();
            box->setFocus();
            box->showPopup();
            QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
            QTest::keyClick(box->view(), Qt::Key_Down);
            QTest::keyClick(box->view(), Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
            QCOMPARE(box->currentIndex(), before + 1);
            QVERIFY(!w.searchRunning());
        }
        // Enter with the list closed is the window's default action again.
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 0);
        QTest::keyClick(w.T1, Qt::Key_Return);
        QVERIFY(finished.wait(3000));
    }

    void unsearchedTypesStayGrey()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.Chk3->click();
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        QCOMPARE(textColour(w.LblA[2]), kInactiveInk);
        QCOMPARE(textColour(w.LblA[0]), kActiveInk);
        for (int n = 2; n <= 5; ++n)
            QVERIFY(!w.Opt1[n]->isEnabled());
    }

    void enterSearchesAgainAfterASearch()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        QSignalSpy finished(&w, &FrmDisplay::searchFinished);
        QTest::keyClick(w.T1, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 3000));
        w.CmdGo->click(); // disabled: nothing
        QTest::qWait(20);
        QCOMPARE(finished.count(), 1);
        QTest::keyClick(w.T1, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 2; }, 3000));
    }

    // A new search while stages of the previous one are waiting: the old
    // chain stops, the lists hold the new search only.
    void newSearchCancelsWaitingStages()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.StageDelayMs = 30;
        f.type(QStringLiteral("porte"));
        QSignalSpy ran(&w, &FrmDisplay::stageRan);
        w.StartSearch();
        QVERIFY(QTest::qWaitFor([&] { return ran.count() == 1; }, 3000));
        f.type(QStringLiteral("fort"));
        w.StartSearch();
        QVERIFY(QTest::qWaitFor([&] { return !w.searchRunning(); }, 3000));
        QTest::qWait(150);
        QCOMPARE(stagesOf(ran), (QStringList {"TimRExact", "TimRExact", "TimRApp", "TimTerm", "TimFinR"}));
        QCOMPARE(w.searchRun().parameters().typedText, QStringLiteral("fort"));
        const QStringList rich = lines(w.Lst[1]);
        QVERIFY(!rich.isEmpty());
        for (const QString &line : rich)
            QVERIFY2(!line.startsWith(QStringLiteral("porte")), qPrintable(line));
        QCOMPARE(w.LblCpt1->text(), QString::number(rich.size()) + QStringLiteral(" rimes trouvées."));
    }

    // A search started while the advice window of the previous one is open
    // (the spelling window's timer may fire then): the old chain goes no further.
    void searchStartedBehindAdviceWindow()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("xyzt"));
        QSignalSpy ran(&w, &FrmDisplay::stageRan);
        bool restarted = false;
        w.showSecondaryMessage = [&] {
            if (restarted)
                return;
            restarted = true;
            w.T1->setText(QStringLiteral("porte"));
            w.StartSearch();
        };
        w.StartSearch();
        QVERIFY(QTest::qWaitFor([&] { return ran.count() >= 4 && !w.searchRunning(); }, 3000));
        QTest::qWait(50);
        QCOMPARE(stagesOf(ran), (QStringList {"TimRExact", "TimRApp", "TimTerm", "TimFinR"}));
        QCOMPARE(lines(w.Lst[1]).size(), 4);
    }

    void adviceWhenNoRichRhyme()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("xyzt"));
        QVERIFY(f.searchAndWait());
        QCOMPARE(f.secondaryMessages, 1);
        QCOMPARE(w.LblCpt1->text(), QStringLiteral("Aucune rime trouvée."));
        QVERIFY(w.LblSyl1->text().isEmpty());

        AppGlobals::instance().preferences.showSecondaryMessages = 0;
        QVERIFY(f.searchAndWait());
        QCOMPARE(f.secondaryMessages, 1);
    }

    // Without a spelling window the checked word goes straight to the search.
    void spellingDetourHandsOverTheWord()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        TestSupport::SpellingLists lists;
        lists.lists["DICOP"] = {"porte"};
        w.spellingLists = lists.reader();
        w.ChkOrtho->setChecked(true);
        f.type(QStringLiteral("PoRte"));
        QSignalSpy finished(&w, &FrmDisplay::searchFinished);
        w.StartSearch();
        QCOMPARE(AppGlobals::instance().wordToCheck, QStringLiteral("porte"));
        // The word is valid: the spelling window restarts the search.
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 3000));
        QVERIFY(!AppGlobals::instance().spellingDone);
        QCOMPARE(w.searchRun().parameters().typedText, QStringLiteral("PoRte"));
    }

    void returnTimerRestartsTheSearch()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        AppGlobals::instance().spellingDone = true;
        w.ChkOrtho->setChecked(true);
        QSignalSpy finished(&w, &FrmDisplay::searchFinished);
        w.TimRetour.start(10);
        QVERIFY(QTest::qWaitFor([&] { return finished.count() == 1; }, 3000));
        QVERIFY(!w.TimRetour.isActive());
        // Checked once: the next request is checked again.
        QVERIFY(!AppGlobals::instance().spellingDone);
        QCOMPARE(lines(w.Lst[1]).size(), 4);
    }

    void newSearchEmptiesTheDetails()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        w.Lst[1]->setCurrentRow(1);
        QTest::mouseClick(w.Lst[1]->viewport(), Qt::LeftButton, {},
                          w.Lst[1]->visualItemRect(w.Lst[1]->item(1)).center());
        QCOMPARE(w.LblMot->text(), QStringLiteral("morte"));
        w.StartSearch();
        QVERIFY(w.LblMot->text().isEmpty() && w.Lbl[11]->text().isEmpty());
        QVERIFY(!w.CmdCopier->isEnabled() && !w.CmdSyn->isEnabled());
        QVERIFY(w.LblI1->text().isEmpty() && !w.LblI1->isVisibleTo(&w));
    }
};

QTEST_MAIN(TestFrmDisplaySearch)
#include "tst_frmdisplay_search.moc"
