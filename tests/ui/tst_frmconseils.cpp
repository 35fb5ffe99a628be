// The search tips window: its texts and their order, the main window kept out
// of reach while it is open, and its one automatic showing at the very first
// start of the program.
#include "ui/windows/FirstStart.h"
#include "ui/windows/FrmConseils.h"
#include "ui/windows/SearchTips.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class TestFrmConseils : public QObject {
    Q_OBJECT
private slots:
    void tipsTopToBottom();
    void tipTexts();
    void mainWindowOutOfReachUntilClosed();
    void enterAndClosePictureClose();
    void modalShowingReturnsWhenClosed();
    void firstStartOnlyOnce();
    void shippedFilesDoNotCountAsStart();
};

void TestFrmConseils::tipsTopToBottom()
{
    QWidget main;
    FrmConseils window(&main);
    const QStringList expected {QStringLiteral("Conseils :"), QStringLiteral("Indications :"),
                                QStringLiteral("Astuces :"), QStringLiteral("Correcteur d'orthographe :"),
                                QStringLiteral("Catégories des rimes :")};
    QStringList titles;
    int lastTop = -1;
    for (const int index : SearchTips::DisplayOrder) {
        titles.append(window.TxtA[index]->text());
        // Each title stands below the previous tip's body.
        QVERIFY(window.TxtA[index]->y() > lastTop);
        QVERIFY(window.TxtB[index]->y() > window.TxtA[index]->y());
        lastTop = window.TxtB[index]->y() + window.TxtB[index]->height() - 1;
    }
    QCOMPARE(titles, expected);
    // Index 4 above index 3.
    QCOMPARE(window.TxtA[4]->text(), QStringLiteral("Correcteur d'orthographe :"));
    QVERIFY(window.TxtA[4]->y() < window.TxtA[3]->y());
    // Every body fits its box: nothing is hidden behind a missing scroll bar.
    for (QTextEdit *body : window.TxtB)
        QVERIFY(body->document()->size().height() <= body->height());
}

void TestFrmConseils::tipTexts()
{
    QCOMPARE(SearchTips::tip(0).body,
             QStringLiteral("Le mot à rechercher doit être orthographié correctement. Si vous validez \"épitafe\" au lieu \r\n"
                            "de \"épitaphe\", le résultat sera différent.\r\n"
                            "L'emploi du masculin singulier est recommandé.\r\n"));
    QCOMPARE(SearchTips::tip(1).body,
             QStringLiteral("Les lettres avec accent  \"à â ä è ê ë î ô ö ù û\"  ainsi que la cédille ne sont pas prises en \r\n"
                            "compte, par contre  le  \"é\"  accent aigu, doit bien être indiqué.\r\n"));
    QCOMPARE(SearchTips::tip(2).body,
             QStringLiteral("Le résultat le plus pertinent sera souvent obtenu en ne recherchant que la rime elle-même.\r\n"
                            "Si vous recherchez une rime pour le mot \"illusion\", validez simplement \"usion\". "
                            "Pour le mot \"emporter\", validez \"orté\".\r\n"
                            "Faites toujours plusieurs essais en modifiant la terminaison du mot recherché.\r\n"));
    QCOMPARE(SearchTips::tip(4).body,
             QStringLiteral("Un correcteur vérifie la bonne orthographe des mots saisis, en cas d'erreur il propose des "
                            "solutions. Vous pouvez choisir d'utiliser ou non cette option.\r\n"));
    QCOMPARE(SearchTips::tip(3).body,
             QStringLiteral("Une rime est pauvre quand il n'y a qu'un seul élément vocalique commun ou une simple proximité phonétique.\r\n"
                            "Exemples: battu / perdu  -  feu / peu\r\n"
                            "\r\n"
                            "Une rime est dite suffisante lorsqu'il a deux phonèmes en commun.\r\n"
                            "Exemples : cheval / fatal  -  brise / vise\r\n"
                            "\r\n"
                            "Une rime est riche lorsqu'il y a  reprise d'au moins trois phonèmes ou plus, dont la dernière voyelle.\r\n"
                            "Exemples: porte  / morte  -  mineur / bonheur\r\n"
                            "\r\n"
                            "Phonème: son du langage, élément sonore distinctif du langage articulé.\r\n"));

    // The window shows the same lines, with the platform's line breaks.
    QWidget main;
    FrmConseils window(&main);
    for (int i = 0; i < SearchTips::Count; ++i) {
        QString expected = SearchTips::tip(i).body;
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(window.TxtB[i]->toPlainText(), expected);
        QVERIFY(window.TxtB[i]->isReadOnly());
    }
}

void TestFrmConseils::mainWindowOutOfReachUntilClosed()
{
    QWidget main;
    main.show();
    auto window = FrmConseils::open(&main);
    QVERIFY(!main.isEnabled());
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(window->isVisible());
    window->close();
    QTRY_VERIFY(!window);
    QVERIFY(main.isEnabled());
}

void TestFrmConseils::enterAndClosePictureClose()
{
    QWidget main;
    FrmConseils window(&main);
    QTRY_VERIFY(window.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.focusWidget(), window.Foc);
    QTest::keyClick(window.Foc, Qt::Key_Return);
    QVERIFY(!window.isVisible());
    QVERIFY(main.isEnabled());

    FrmConseils again(&main);
    QTRY_VERIFY(again.isVisible());
    QCOMPARE(again.ImgClose->toolTip(), QStringLiteral("Fermer"));
    QTest::mouseClick(again.ImgClose, Qt::LeftButton);
    QVERIFY(!again.isVisible());
    QVERIFY(main.isEnabled());
    FrmConseils third(&main);
    QTRY_VERIFY(third.isVisible());
    QTest::keyClick(third.Foc, Qt::Key_Escape);
    QVERIFY(!third.isVisible());
    QVERIFY(main.isEnabled());
}

void TestFrmConseils::modalShowingReturnsWhenClosed()
{
    QWidget main;
    main.show();
    bool sawModal = false;
    // Closes the tips once they are up.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (auto *window = qobject_cast<FrmConseils *>(QApplication::activeModalWidget())) {
            sawModal = window->isVisible() && !main.isEnabled();
            window->close();
        }
    });
    closer.start();
    FrmConseils::showModal(&main);
    QVERIFY(sawModal);
    QVERIFY(main.isEnabled());
}

void TestFrmConseils::firstStartOnlyOnce()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    QVERIFY(FirstStart::isFirstStart(appDir));
    QVERIFY(FirstStart::takeFirstStart(appDir));
    QVERIFY(!FirstStart::isFirstStart(appDir));
    QVERIFY(!FirstStart::takeFirstStart(appDir));
    QVERIFY(QFile::exists(FirstStart::markerPath(appDir)));
}

void TestFrmConseils::shippedFilesDoNotCountAsStart()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    // The default options file ships beside the program.
    QFile options(appDir + QStringLiteral("Option.ret"));
    QVERIFY(options.open(QIODevice::WriteOnly));
    options.write("Theme:1\r\n");
    options.close();
    QVERIFY(FirstStart::takeFirstStart(appDir));
    // A directory that cannot be written keeps offering the tips, and says so.
    QVERIFY(!FirstStart::markStarted(appDir + QStringLiteral("absent/")));
}

QTEST_MAIN(TestFrmConseils)
#include "tst_frmconseils.moc"
