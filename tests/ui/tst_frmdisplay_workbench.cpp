// The main window as a workbench: the order of the results, results without
// waiting, the arrow keys in the lists, a window that grows and keeps its
// size, and captions that fit their controls.
#include "CaptionFit.h"
#include "FrmDisplayFixture.h"
#include "ui/main/ResultColumns.h"
#include "ui/main/ResultLineDelegate.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace {
QStringList words(const QListWidget *list)
{
    QStringList found;
    for (int i = 0; i < list->count(); ++i)
        found.append(list->item(i)->text().section(QLatin1Char(' '), 0, 0));
    return found;
}

} // namespace

class TestFrmDisplayWorkbench : public QObject {
    Q_OBJECT
private slots:
    void init() { AppGlobals::instance().preferences = AppPreferences {}; }

    // By default the lists keep the word list's order (commonest first); the
    // option puts each list in dictionary order.
    void alphabeticalOrder()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        fixture.type(QStringLiteral("porte"));
        QVERIFY(fixture.searchAndWait());
        QCOMPARE(words(window.Lst[1]), (QStringList {"porte", "morte", "sorte", "emporte"}));

        AppGlobals::instance().preferences.alphabeticalOrder = 1;
        QVERIFY(fixture.searchAndWait());
        QCOMPARE(words(window.Lst[1]), (QStringList {"emporte", "morte", "porte", "sorte"}));
        QCOMPARE(words(window.Lst[2]), (QStringList {"fort", "trésor"}));
    }

    // Without waiting, a quick search is over in well under one pause and
    // the busy display never shows; by default the pauses remain.
    void resultsAtOnce()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        window.StageDelayMs = 500;
        AppGlobals::instance().preferences.resultsAtOnce = 1;
        fixture.type(QStringLiteral("porte"));
        bool busyShown = false;
        QObject::connect(&window, &FrmDisplay::stageRan, &window,
                         [&] { busyShown = busyShown || window.LblRech->isVisible(); });
        QElapsedTimer clock;
        clock.start();
        window.StartSearch();
        QVERIFY(QTest::qWaitFor([&] { return !window.searchRunning(); }, 3000));
        QVERIFY2(clock.elapsed() < 450, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!busyShown);
        QVERIFY(!window.LblRech->isVisible());
        QCOMPARE(window.Lst[1]->count(), 4);

        AppGlobals::instance().preferences.resultsAtOnce = 0;
        window.StartSearch();
        QVERIFY(window.LblRech->isVisible());
        QVERIFY(window.TimRExact.isActive());
        QCOMPARE(window.TimRExact.interval(), 500);
        QVERIFY(QTest::qWaitFor([&] { return !window.searchRunning(); }, 4000));
    }

    // The arrow keys move through a list and show the details of the line,
    // as a click does.
    void arrowKeysShowDetails()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        fixture.type(QStringLiteral("porte"));
        QVERIFY(fixture.searchAndWait());
        QListWidget *list = window.Lst[1];
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window.LblMot->text(), QStringLiteral("morte"));
        QCOMPARE(window.LblType->text(), QStringLiteral("ADJ;NOM"));
        QVERIFY(window.CmdCopier->isEnabled());
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(window.LblMot->text(), QStringLiteral("emporte"));
        QCOMPARE(window.LblSyl->text(), QStringLiteral("2"));
        // Other keys leave the details alone.
        QTest::keyClick(list, Qt::Key_A);
        QCOMPARE(window.LblMot->text(), QStringLiteral("emporte"));
    }

    // The design size is the smallest; a larger window gives the lists the
    // extra room and keeps the options panel as designed.
    void growsWithTheLists()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        const QSize design = window.designSize();
        QCOMPARE(window.size(), design);
        QCOMPARE(window.minimumSize(), design);
        const QSize listBefore = window.Lst[1]->size();
        const QSize panelGroup = window.Sha[9]->size();

        window.resize(design + QSize(300, 200));
        QCOMPARE(window.Lst[1]->height(), listBefore.height() + 200);
        QCOMPARE(window.Lst[3]->width(), listBefore.width() + 100);
        QCOMPARE(window.Sha[9]->size(), panelGroup);
        QCOMPARE(window.PicParam->y(), window.Lst[1]->geometry().bottom() + 1 + 406 - 176 - 222);
        QVERIFY(window.Lst[3]->geometry().right() < window.width() - 4);
        // The syllable heading stands over the syllable column.
        QListWidget *list = window.Lst[2];
        const ResultColumns columns = ResultColumns::forWidth(ResultLineDelegate::layoutWidth(list),
                                                              QFontMetrics(list->font()));
        const int digitCentre = list->x() + list->frameWidth() + columns.syllableLeft + columns.syllableWidth / 2;
        QVERIFY(qAbs(window.LblSyl2->geometry().center().x() - digitCentre) <= 1
                || window.LblSyl2->geometry().right() == list->geometry().right());
        QVERIFY(window.LblCpt2->geometry().right() < window.LblSyl2->x());
    }

    // The category column keeps its three categories at the design size and
    // widens with the lists, the word column with it.
    void categoryColumnGrowsWithTheList()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        QListWidget *list = window.Lst[1];
        const QFontMetrics metrics(list->font());
        const auto columnsNow = [&] { return ResultColumns::forWidth(ResultLineDelegate::layoutWidth(list), metrics); };
        const ResultColumns design = columnsNow();
        QCOMPARE(design.categoryWidth, metrics.horizontalAdvance(QStringLiteral("NOM;ADJ;VER")) + 4);

        window.resize(window.designSize() + QSize(900, 0));
        const ResultColumns wide = columnsNow();
        QVERIFY(wide.categoryWidth >= metrics.horizontalAdvance(QStringLiteral("NOM;ADV;LOC;ADJ;VER")));
        QVERIFY(wide.wordWidth > design.wordWidth);
        QVERIFY(wide.wordWidth > wide.categoryWidth);
        QCOMPARE(wide.syllableLeft + wide.syllableWidth, ResultLineDelegate::layoutWidth(list));
    }

    // Enlarged and restored; the size and the enlarged state are written to
    // the options file and come back at the next start.
    void sizeKeptAcrossRuns()
    {
        FrmDisplayFixture fixture;
        {
            FrmDisplay &window = fixture.open();
            window.resize(window.designSize() + QSize(15, 0));
            const QSize chosen = window.size();
            window.setMaximised(true);
            QVERIFY(window.isMaximisedWindow());
            QCOMPARE(window.windowSize(), (MainWindowSize {chosen.width(), chosen.height(), true}));
            QVERIFY(window.writeOptionsFile());
            window.setMaximised(false);
            QCOMPARE(window.size(), chosen);
        }
        const MainWindowSize saved = OptionsFile::readWindowSize(fixture.optionsPath());
        QVERIFY(saved.maximised);
        FrmDisplay &again = fixture.open();
        QVERIFY(again.isMaximisedWindow());
        again.setMaximised(false);
        QCOMPARE(again.size(), QSize(saved.width, saved.height));
    }

    // A long word shows whole in the details panel, in a smaller font.
    void longWordShownWhole()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        window.Lst[1]->addItem(QStringLiteral("oto-rhino-laryngologiste 6          NOM"));
        window.Lst[1]->setCurrentRow(0);
        QTest::keyClick(window.Lst[1], Qt::Key_Home);
        QCOMPARE(window.LblMot->text(), QStringLiteral("oto-rhino-laryngologiste"));
        QVERIFY(fits(window.LblMot));
    }

    // Every caption of the main window fits its control at the design size,
    // also the long ones set by a search.
    void captionsFit()
    {
        FrmDisplayFixture fixture;
        FrmDisplay &window = fixture.open();
        fixture.type(QStringLiteral("porte"));
        QVERIFY(fixture.searchAndWait());
        window.LblCpt1->setText(QStringLiteral("1234 rimes trouvées."));
        window.LblI2->setText(QStringLiteral(" Pas de rime. "));
        const QStringList clipped = clippedTexts(&window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
        // Nothing to scroll sideways in the lists.
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(window.Lst[i]->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
};

QTEST_MAIN(TestFrmDisplayWorkbench)
#include "tst_frmdisplay_workbench.moc"
