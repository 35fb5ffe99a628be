// The main window for screen readers and the keyboard: every control it
// offers has a name to be read aloud, and F1 and Ctrl+Q reach the help and
// the Quitter button.
#include "FrmDisplayFixture.h"
#include "VisibleControls.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/MainWindowAccess.h"
#include "ui/windows/WindowChrome.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>


class TstMainWindowAccess : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasANameToBeRead();
    void pictureButtonsAreNamedInFrench();
    void keysReachHelpAndQuit();
    void tabGoesFromInputToOptionsListsAndButtons();
    void mnemonicsAreUniqueAndUndrawn();
};

void TstMainWindowAccess::everyControlHasANameToBeRead()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    const QList<QWidget *> controls = visibleControls(w);
    QVERIFY(controls.size() > 20);
    QStringList unnamed;
    for (QWidget *control : controls) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QVERIFY(face);
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QString::fromLatin1(control->metaObject()->className()) + QLatin1Char(' ')
                           + control->objectName());
    }
    QCOMPARE(unnamed, QStringList());
}

void TstMainWindowAccess::pictureButtonsAreNamedInFrench()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    const auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(w.ImgClose2), QStringLiteral("Fermer"));
    QCOMPARE(name(w.ImgMin2), QStringLiteral("Réduire"));
    QCOMPARE(name(w.ImgMax2), QStringLiteral("Agrandir"));
    QVERIFY(name(w.ImgAide[0]).startsWith(QStringLiteral("Aide : Rime riche")));
    QCOMPARE(name(w.T1), QStringLiteral("Mot à chercher"));
    QCOMPARE(name(w.Lst[2]), QStringLiteral("Rimes pauvres ou suffisantes"));
    QCOMPARE(name(w.ChkOrtho), QStringLiteral("Vérifier automatiquement l'orthographe du mot"));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.CmdAp)->text(QAccessible::Description),
             QStringLiteral("À propos de Versalune"));
}

void TstMainWindowAccess::keysReachHelpAndQuit()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy help(w.CmdMAJ, &QAbstractButton::clicked);
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(help.count(), 1);
    QSignalSpy quit(w.CmdQuitte, &QAbstractButton::clicked);
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quit.count(), 1);
}

void TstMainWindowAccess::tabGoesFromInputToOptionsListsAndButtons()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The chain Tab follows, from the input box.
    QList<QWidget *> chain;
    for (QWidget *next = w.T1; next && !chain.contains(next); next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            chain.append(next);
    QVERIFY(chain.contains(w.CmdGo));
    const QList<QWidget *> expected {w.T1, w.Chk1, w.CboSyl, w.ChkOrtho, w.Lst[1], w.Lst[2], w.Lst[3],
                                     w.CmdCopier, w.CmdSyn, w.CmdMAJ, w.CmdOptions, w.CmdQuitte};
    qsizetype last = -1;
    for (QWidget *widget : expected) {
        const qsizetype at = chain.indexOf(widget);
        QVERIFY2(at > last, qPrintable(widget->accessibleName()));
        last = at;
    }
    // Pressing Tab from the input box reaches the first result list.
    w.T1->setFocus();
    for (int presses = 0; presses < chain.size() && QApplication::focusWidget() != w.Lst[1]; ++presses)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Lst[1]);
}

// Each button and box has its own Alt letter; the captions read as before.
void TstMainWindowAccess::mnemonicsAreUniqueAndUndrawn()
{
    FrmDisplayFixture f;
    FrmDisplay &w = f.open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<std::pair<QString, QString>> captions {
        {w.CmdMAJ->text(), QStringLiteral("Site")},
        {w.CmdOrtho->text(), QStringLiteral("Orthographe")},
        {w.CmdSynonyme->text(), QStringLiteral("Utilitaires")},
        {w.CmdOptions->text(), QStringLiteral("Options")},
        {w.CmdConseils->text(), QStringLiteral("Conseils")},
        {w.CmdAp->text(), QStringLiteral("A propos")},
        {w.CmdQuitte->text(), QStringLiteral(" Quitter")},
        {w.CmdCopier->text(), QStringLiteral("Copier")},
        {w.CmdSyn->text(), QStringLiteral("Synonymes")},
        {w.CmdGo->text(), QStringLiteral(" Rechercher")},
        {w.LblA[0]->text(), QStringLiteral("Rime riche.")},
        {w.LblA[1]->text(), QStringLiteral("Rime pauvre ou suffis.")},
        {w.LblA[2]->text(), QStringLiteral("Terminaison du  mot.")},
        {w.LblA[8]->text(), QStringLiteral("Exclure verbes conjugués.")},
        {w.LblA[15]->text(), QStringLiteral("Vérifier automatiquement l ' orthographe  du  mot")},
    };
    QSet<QChar> letters;
    for (const auto &[caption, shown] : captions) {
        QCOMPARE(caption.count(QLatin1Char('&')), 1);
        QCOMPARE(QString(caption).remove(QLatin1Char('&')), shown);
        const QChar letter = caption.at(caption.indexOf(QLatin1Char('&')) + 1).toLower();
        QVERIFY2(!letters.contains(letter), qPrintable(caption));
        letters.insert(letter);
    }
    // The box captions lend their letter to the box.
    for (QLabel *caption : {w.LblA[0], w.LblA[1], w.LblA[2], w.LblA[8], w.LblA[15]})
        QVERIFY(caption->buddy() != nullptr);
    const bool before = w.Chk2->isChecked();
    QTest::keyClick(&w, Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(w.Chk2->isChecked(), !before);
    QSignalSpy options(w.CmdOptions, &QAbstractButton::clicked);
    QTest::keyClick(&w, Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(options.count(), 1);
}

QTEST_MAIN(TstMainWindowAccess)
#include "tst_mainwindow_access.moc"
