// The advice window after a search without rich rhymes.
#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmMessage.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

class TestFrmMessage : public QObject {
    Q_OBJECT
private slots:
    void init() { AppGlobals::instance().preferences.showSecondaryMessages = 1; }

    void opensWithItsTexts()
    {
        FrmMessage window;
        QCOMPARE(window.LblLogo->text(), QStringLiteral("Message d'information"));
        QCOMPARE(window.LblMess->text(),
                 QStringLiteral("Il n' y a pas de rime riche pour cette recherche.\n\nSolutions:\n"
                                "  - La terminaison de ce mot est peut-être mal\n"
                                "    orthographiée ou peu courante.\n"
                                "  - Essayez d'élargir les options de recherche."));
        QCOMPARE(window.ChkOpt->text(), QStringLiteral("&Cochez cette"));
        QCOMPARE(window.LblInfosDec->text().split(QLatin1Char('\n')),
                 (QStringList {"case pour ne", "plus afficher", "les messages", "d'information", "secondaire."}));
        QCOMPARE(window.CmdFermer->text(), QStringLiteral("  &Fermer "));
        QVERIFY(!window.ChkOpt->isChecked());
        // Opening changes no preference.
        QCOMPARE(AppGlobals::instance().preferences.showSecondaryMessages, 1);
        // Sized on its button: its top and height plus 240 twips.
        QCOMPARE(window.height(), window.CmdFermer->y() + window.CmdFermer->height() + 16);
    }

    void boxTurnsMessagesOffAndOn()
    {
        FrmMessage window;
        window.show();
        window.ChkOpt->click();
        QCOMPARE(AppGlobals::instance().preferences.showSecondaryMessages, 0);
        window.ChkOpt->click();
        QCOMPARE(AppGlobals::instance().preferences.showSecondaryMessages, 1);
        window.ChkOpt->click();
        window.CmdFermer->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(AppGlobals::instance().preferences.showSecondaryMessages, 0);
    }

    // Enter closes it through the default button.
    void enterCloses()
    {
        FrmMessage window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(TestFrmMessage)
#include "tst_frmmessage.moc"
