// The options window: preferences in and out, the spelling box kept in step
// with the main window's, help texts, the deferred show and the main window
// kept out of reach while it is open.
#include "CaptionFit.h"
#include "ui/windows/FrmOption.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {
AppPreferences preferences(int spellCheckOn, int plusMinusOne)
{
    AppPreferences p;
    p.theme = 2;
    p.saveSearchOptions = 1;
    p.showDuplicates = 0;
    p.showSecondaryMessages = 1;
    p.spellCheckOn = spellCheckOn;
    p.spellPlusMinusOne = plusMinusOne;
    return p;
}

// The main window's own spelling box, wired as the main window does.
struct MainWindowStandIn {
    QWidget window;
    QCheckBox *ChkOrtho = new QCheckBox(&window);
};
} // namespace

class TestFrmOption : public QObject {
    Q_OBJECT
private slots:
    void mainWindowOutOfReachUntilClosed();
    void opensWithPreferences();
    void spellCheckOnAtOpenKeepsMainInStep();
    void spellCheckBoxBothWays();
    void boxesChangePreferencesAtOnce();
    void orderAndWaitingChoices();
    void themeOutOfSight();
    void enterAfterClickCloses();
    void helpTexts_data();
    void helpTexts();
};

void TestFrmOption::mainWindowOutOfReachUntilClosed()
{
    AppPreferences prefs = preferences(0, 1);
    QWidget main;
    main.show();
    FrmOption window(prefs, &main);
    QSignalSpy closed(&window, &FrmOption::closed);
    // Disabled from the click on, also before the window shows.
    QVERIFY(!main.isEnabled());
    QVERIFY(!window.isVisible());
    QTest::qWait(FrmOption::ShowDelayMs / 2);
    QVERIFY(!window.isVisible());
    QTRY_VERIFY(window.isVisible());
    QVERIFY(!main.isEnabled());
    window.CmdFermer->click();
    QVERIFY(main.isEnabled());
    QCOMPARE(closed.count(), 1);
}

void TestFrmOption::opensWithPreferences()
{
    AppPreferences prefs = preferences(0, 1);
    prefs.showDuplicates = 1;
    prefs.showSecondaryMessages = 0;
    QWidget main;
    FrmOption window(prefs, &main);
    // Everything unchecked until the deferred show sets the boxes.
    QVERIFY(!window.ChkOpt->isChecked());
    QVERIFY(!window.ChkPM->isChecked());
    QTRY_VERIFY(window.isVisible());
    QVERIFY(window.ChkOpt->isChecked());
    QVERIFY(window.ChkDoub->isChecked());
    QVERIFY(!window.ChkMess->isChecked());
    QVERIFY(!window.ChkOrtho->isChecked());
    // Off with the spelling check, but still showing its saved value.
    QVERIFY(!window.ChkPM->isEnabled());
    QVERIFY(window.ChkPM->isChecked());
    QVERIFY(window.OptTheme[2]->isChecked());
    QCOMPARE(prefs, [] {
        AppPreferences expected = preferences(0, 1);
        expected.showDuplicates = 1;
        expected.showSecondaryMessages = 0;
        return expected;
    }());
}

void TestFrmOption::spellCheckOnAtOpenKeepsMainInStep()
{
    AppPreferences prefs = preferences(1, 0);
    MainWindowStandIn main;
    FrmOption window(prefs, &main.window);
    QObject::connect(&window, &FrmOption::spellCheckChanged, main.ChkOrtho, &QCheckBox::setChecked);
    QTRY_VERIFY(window.isVisible());
    QVERIFY(window.ChkOrtho->isChecked());
    QVERIFY(window.ChkPM->isEnabled());
    QVERIFY(!window.ChkPM->isChecked());
    QVERIFY(main.ChkOrtho->isChecked());
    QCOMPARE(prefs.spellCheckOn, 1);
}

void TestFrmOption::spellCheckBoxBothWays()
{
    AppPreferences prefs = preferences(0, 1);
    MainWindowStandIn main;
    // The main window's box changes the preference; the options window follows.
    QObject::connect(main.ChkOrtho, &QCheckBox::clicked, main.ChkOrtho,
                     [&prefs](bool on) { prefs.spellCheckOn = on ? 1 : 0; });
    main.ChkOrtho->click();
    QCOMPARE(prefs.spellCheckOn, 1);

    FrmOption window(prefs, &main.window);
    QSignalSpy changed(&window, &FrmOption::spellCheckChanged);
    QObject::connect(&window, &FrmOption::spellCheckChanged, main.ChkOrtho, &QCheckBox::setChecked);
    QObject::connect(main.ChkOrtho, &QCheckBox::toggled, &window, &FrmOption::setSpellCheck);
    QTRY_VERIFY(window.isVisible());
    QVERIFY(window.ChkOrtho->isChecked());

    changed.clear();
    window.ChkOrtho->click();
    QCOMPARE(prefs.spellCheckOn, 0);
    QVERIFY(!window.ChkPM->isEnabled());
    QVERIFY(!main.ChkOrtho->isChecked());
    QCOMPARE(changed.count(), 1);
    // The plus-or-minus-one preference survives the box being greyed.
    QCOMPARE(prefs.spellPlusMinusOne, 1);
    QVERIFY(window.ChkPM->isChecked());

    window.ChkOrtho->click();
    QCOMPARE(prefs.spellCheckOn, 1);
    QVERIFY(window.ChkPM->isEnabled());
    QVERIFY(main.ChkOrtho->isChecked());

    // A change made in the main window shows here without echoing back.
    changed.clear();
    main.ChkOrtho->setChecked(false);
    QVERIFY(!window.ChkOrtho->isChecked());
    QVERIFY(!window.ChkPM->isEnabled());
    QCOMPARE(changed.count(), 0);
}

void TestFrmOption::boxesChangePreferencesAtOnce()
{
    AppPreferences prefs = preferences(1, 1);
    QWidget main;
    FrmOption window(prefs, &main);
    QTRY_VERIFY(window.isVisible());
    window.ChkOpt->click();
    window.ChkDoub->click();
    window.ChkMess->click();
    window.ChkPM->click();
    QCOMPARE(prefs.saveSearchOptions, 0);
    QCOMPARE(prefs.showDuplicates, 1);
    QCOMPARE(prefs.showSecondaryMessages, 0);
    QCOMPARE(prefs.spellPlusMinusOne, 0);
    QCOMPARE(window.focusWidget(), window.Foc);
    window.ChkPM->click();
    QCOMPARE(prefs.spellPlusMinusOne, 1);
    // Closing neither saves nor undoes anything.
    window.close();
    QCOMPARE(prefs.saveSearchOptions, 0);
}

// The two later choices open as the preferences hold them and change them at
// once; every caption of the window shows whole.
void TestFrmOption::orderAndWaitingChoices()
{
    AppPreferences prefs = preferences(0, 1);
    prefs.alphabeticalOrder = 1;
    QWidget main;
    FrmOption window(prefs, &main);
    QTRY_VERIFY(window.isVisible());
    QVERIFY(window.ChkAlpha->isChecked());
    QVERIFY(!window.ChkSansAttente->isChecked());
    window.ChkAlpha->click();
    window.ChkSansAttente->click();
    QCOMPARE(prefs.alphabeticalOrder, 0);
    QCOMPARE(prefs.resultsAtOnce, 1);
    QCOMPARE(window.focusWidget(), window.Foc);
    const QStringList clipped = clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    // The last box and its help icon stand above the close button.
    QVERIFY(window.ChkSansAttente->geometry().bottom() < window.CmdFermer->y());
}

void TestFrmOption::themeOutOfSight()
{
    AppPreferences prefs = preferences(0, 1);
    prefs.theme = 7;
    QWidget main;
    FrmOption window(prefs, &main);
    QTRY_VERIFY(window.isVisible());
    for (QRadioButton *button : window.OptTheme) {
        QVERIFY(!button->isVisible());
        // A theme from an edited file that has no button selects none.
        QVERIFY(!button->isChecked());
    }
    window.OptTheme[3]->click();
    QCOMPARE(prefs.theme, 3);
}

void TestFrmOption::enterAfterClickCloses()
{
    AppPreferences prefs = preferences(0, 1);
    QWidget main;
    main.show();
    auto window = FrmOption::open(prefs, &main);
    QTRY_VERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->ChkDoub->click();
    QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!window);
    QVERIFY(main.isEnabled());

    // Enter with the focus on a box acts on the default button as well.
    window = FrmOption::open(prefs, &main);
    QTRY_VERIFY(window && window->isVisible());
    window->ChkMess->setFocus();
    QTest::keyClick(window->ChkMess, Qt::Key_Enter);
    QTRY_VERIFY(!window);
    QVERIFY(main.isEnabled());

    // Escape closes it too.
    window = FrmOption::open(prefs, &main);
    QTRY_VERIFY(window && window->isVisible());
    window->ChkMess->setFocus();
    QTest::keyClick(window->ChkMess, Qt::Key_Escape);
    QTRY_VERIFY(!window);
    QVERIFY(main.isEnabled());
}

void TestFrmOption::helpTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("save search options")
        << 0
        << QStringLiteral("Si coché, quand on quitte le programme, les options de la recherche      \r\n"
                          "sont sauvegardées.\r\n");
    QTest::newRow("duplicates")
        << 1
        << QStringLiteral("Les solutions déjà affichées dans une liste ne seront pas affichées      \r\n"
                          "dans la liste suivante.\r\n"
                          "Pour une recherche plus ciblée, il est conseillé de ne pas cocher\r\n"
                          "cette case.");
    QTest::newRow("secondary messages")
        << 2
        << QStringLiteral("\r\nSi non coché, n'affichera pas les messages qui n'ont pas      \r\n"
                          "une importance essentielle.");
    QTest::newRow("spelling check") << 3 << QStringLiteral("Vérifier automatiquement l'orthographe du mot proposé.      ");
    QTest::newRow("one letter more or less")
        << 4
        << QStringLiteral("Dans la recherche de l'orthographe, inclure les mots ayant une lettre      \r\n"
                          "de plus ou de moins que le mot à rechercher.");
    QTest::newRow("alphabetical order")
        << 5
        << QStringLiteral("Si coché, les rimes de chaque liste sont classées par ordre      \r\n"
                          "alphabétique.\r\n"
                          "Sinon, les mots les plus courants viennent en tête de liste.");
    QTest::newRow("results at once")
        << 6
        << QStringLiteral("Si coché, les résultats s'affichent dès que la recherche est finie,      \r\n"
                          "sans les pauses entre les listes.");
}

void TestFrmOption::helpTexts()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    AppPreferences prefs = preferences(0, 1);
    QWidget main;
    FrmOption window(prefs, &main);
    QStringList shown;
    window.showInformation = [&shown](const QString &message) { shown.append(message); };
    QTRY_VERIFY(window.isVisible());
    QCOMPARE(window.ImgAide[index]->toolTip(), QStringLiteral("Plus d'info"));
    QTest::mouseClick(window.ImgAide[index], Qt::LeftButton);
    QCOMPARE(shown, QStringList {text});
}

QTEST_MAIN(TestFrmOption)
#include "tst_frmoption.moc"
