// The desktop look: the preference kept in the options file, the desktop's
// frame instead of the program's title strip, and the palette's colours
// instead of the design's.
#include "FrmDisplayFixture.h"
#include "lexicon/AppGlobals.h"
#include "ui/main/MainWindowLook.h"
#include "ui/main/OptionsFile.h"
#include "ui/windows/FrmOption.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/OptionHelp.h"
#include "ui/windows/WindowChrome.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList kSixteenLines {
    QStringLiteral("Theme:1"),          QStringLiteral("Enreg opt:1"),          QStringLiteral("Doublons:0"),
    QStringLiteral("AffichMess:1"),     QStringLiteral("OrthoON:0"),            QStringLiteral("LettrePM:1"),
    QStringLiteral("??????"),           QStringLiteral("??????"),               QStringLiteral("??????"),
    QStringLiteral("Options par défaut"), QStringLiteral("Rimes exactes:1"),     QStringLiteral("Rimes approch:1"),
    QStringLiteral("Terminai mots:1"),  QStringLiteral("Nombre sylabb:Toutes"), QStringLiteral("Types de  mot:Toutes"),
    QStringLiteral("Verb conjugué:0")};

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(40, 40, 44));
    dark.setColor(QPalette::WindowText, QColor(220, 220, 220));
    dark.setColor(QPalette::Base, QColor(25, 25, 28));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    dark.setColor(QPalette::Text, QColor(225, 225, 225));
    return dark;
}

void setDesktopLook(bool on)
{
    AppGlobals::instance().preferences.desktopLook = on ? 1 : 0;
}
} // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        setDesktopLook(false);
        QApplication::setPalette(m_originalPalette);
    }

    void optionsFileKeepsTheLook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Option.ret"));
        AppPreferences preferences;
        preferences.desktopLook = 1;
        QVERIFY(OptionsFile::write(path, preferences, SearchOptions {}));
        const auto read = OptionsFile::readPreferences(path);
        QVERIFY(read);
        QCOMPARE(read->desktopLook, 1);
        QCOMPARE(*read, preferences);
        QVERIFY(OptionsFile::compose(preferences, SearchOptions {}).contains("\r\nApparence bureau:1\r\n"));
    }

    void olderOrBadFileKeepsTheDesign_data()
    {
        QTest::addColumn<QStringList>("extraLines");
        QTest::newRow("written before the choice") << QStringList {QStringLiteral("Sans attente:1")};
        QTest::newRow("not a flag") << QStringList {QStringLiteral("Apparence bureau:oui")};
        QTest::newRow("within the sixteen lines only") << QStringList {};
    }

    void olderOrBadFileKeepsTheDesign()
    {
        QFETCH(QStringList, extraLines);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Option.ret"));
        QStringList lines = kSixteenLines;
        if (extraLines.isEmpty())
            lines[9] = QStringLiteral("Apparence bureau:1"); // a fixed line, not a keyed one
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TextCodec::toWindows1252((lines + extraLines).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        file.close();
        const auto read = OptionsFile::readPreferences(path);
        QVERIFY(read);
        QCOMPARE(read->desktopLook, 0);
    }

    void optionsWindowSetsThePreference()
    {
        AppPreferences preferences;
        QWidget main;
        FrmOption window(preferences, &main);
        QTRY_VERIFY(window.isVisible());
        QCOMPARE(window.ChkBureau->text(), QStringLiteral("Utiliser l'apparence du &bureau"));
        QVERIFY(!window.ChkBureau->isChecked());
        QTest::mouseClick(window.ChkBureau, Qt::LeftButton, {}, QPoint(6, window.ChkBureau->height() / 2));
        QCOMPARE(preferences.desktopLook, 1);
        QVERIFY(OptionHelp::text(7).contains(QStringLiteral("prochain démarrage")));
    }

    void ownDressByDefault()
    {
        AppPreferences preferences;
        FrmOption window(preferences, nullptr);
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Pic2"))->isHidden());
        QCOMPARE(Look::designColour(QPalette::Base, QColor(1, 2, 3)), QColor(1, 2, 3));
    }

    void desktopFrameInsteadOfTitleStrip()
    {
        setDesktopLook(true);
        AppPreferences preferences;
        FrmOption window(preferences, nullptr);
        QVERIFY(!window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("Pic2"))->isHidden());
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("LblLogo"))->isHidden());
        QCOMPARE(window.windowTitle(), QStringLiteral("Options du programme"));

        FrmDisplayFixture fixture;
        setDesktopLook(true);
        FrmDisplay &main = fixture.open();
        QVERIFY(!main.windowFlags().testFlag(Qt::FramelessWindowHint));
        for (QWidget *own : std::initializer_list<QWidget *> {main.Image1, main.ImgMin2, main.ImgMax2, main.ImgClose2})
            QVERIFY(own->isHidden());
        QCOMPARE(main.windowTitle(), QStringLiteral("Versalune"));
    }

    void darkDesktopGivesDarkWindow()
    {
        QApplication::setPalette(darkPalette());
        FrmDisplayFixture fixture;
        setDesktopLook(true);
        FrmDisplay &main = fixture.open();
        const QPalette dark = darkPalette();
        QCOMPARE(MainWindowLook::backgroundColour(main.Lst[1]), dark.color(QPalette::Base));
        QCOMPARE(MainWindowLook::textColour(main.Lbl[1]), dark.color(QPalette::WindowText));
        // The window's own background, grabbed in a corner clear of controls.
        main.resize(main.size());
        const QImage picture = main.grab(QRect(4, 4, 2, 2)).toImage();
        QCOMPARE(QColor(picture.pixel(0, 0)), dark.color(QPalette::Window));

        // The design's colours stay without the desktop look, whatever the palette.
        FrmDisplayFixture designed;
        FrmDisplay &own = designed.open();
        QCOMPARE(MainWindowLook::backgroundColour(own.Lst[1]), MainWindowLook::kListOn);
    }

    // A dark desktop cannot darken the design's boxes: in the program's own
    // dress the application goes back to its style's light palette.
    void designKeepsLightPaletteOnDarkDesktop()
    {
        QApplication::setPalette(darkPalette());
        setDesktopLook(true);
        Look::applyApplicationPalette();
        QCOMPARE(QApplication::palette().color(QPalette::Base), darkPalette().color(QPalette::Base));
        setDesktopLook(false);
        Look::applyApplicationPalette();
        QVERIFY(QApplication::palette().color(QPalette::Base).lightness() > 200);
        QVERIFY(QApplication::palette().color(QPalette::Window).lightness() > 180);
    }

private:
    const QPalette m_originalPalette = QApplication::palette();
};

QTEST_MAIN(TestDesktopLook)
#include "tst_desktoplook.moc"
