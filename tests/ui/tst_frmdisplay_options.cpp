// The main window's input and options: when a search can start, the colours
// of the search types, the category and conjugation rules, the saved options
// at start and exit.
#include "FileSizeLimit.h"
#include "FrmDisplayFixture.h"
#include "ui/main/MainWindowLook.h"
#include "ui/windows/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>

using namespace MainWindowLook;

namespace {
const QStringList kDefaultLines {
    QStringLiteral("Theme:1"),          QStringLiteral("Enreg opt:1"),        QStringLiteral("Doublons:0"),
    QStringLiteral("AffichMess:1"),     QStringLiteral("OrthoON:0"),          QStringLiteral("LettrePM:1"),
    QStringLiteral("??????"),           QStringLiteral("??????"),             QStringLiteral("??????"),
    QStringLiteral("Options par défaut"), QStringLiteral("Rimes exactes:1"),   QStringLiteral("Rimes approch:1"),
    QStringLiteral("Terminai mots:1"),  QStringLiteral("Nombre sylabb:Toutes"), QStringLiteral("Types de  mot:Toutes"),
    QStringLiteral("Verb conjugué:0")};

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return TextCodec::fromWindows1252(file.readAll()).split(QStringLiteral("\r\n"));
}

// Types text key by key, letters outside ASCII included, as a keyboard
// with French letters would.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool armed(const FrmDisplay &w)
{
    return w.CmdGo->isEnabled() && w.CmdGo->armedLook();
}
} // namespace

class TestFrmDisplayOptions : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsDefaults()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        QVERIFY(w.isVisible());
        QCOMPARE(w.LblVersion->text(), QStringLiteral("Version 2.52"));
        QVERIFY(w.Chk1->isChecked() && w.Chk2->isChecked() && w.Chk3->isChecked());
        QVERIFY(w.Opt1[5]->isChecked());
        QCOMPARE(w.CboSyl->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(w.CboType->currentText(), QStringLiteral("Toutes"));
        QVERIFY(!w.ChkOpt1->isChecked());
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGo->armedLook() && !w.CmdGoBis->isEnabled());
        QVERIFY(!w.CmdCopier->isEnabled() && !w.CmdSyn->isEnabled());
        QCOMPARE(w.CboGenre->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(w.CboGenre->count(), 3);
        // Room for long words and expressions: the rhyme is at their end.
        QCOMPARE(w.T1->maxLength(), 40);
        // The window is centred, a third of the free height above it.
        QCOMPARE(w.width(), 781);
    }

    // Typing arms the search from two characters ('or', 'an', 'eu'), when a
    // type is checked.
    void typingArmsFromTwoCharacters()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("o"));
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGoBis->isEnabled());
        QTest::keyClicks(w.T1, QStringLiteral("r"));
        QVERIFY(armed(w) && w.CmdGoBis->isEnabled());
        QTest::keyClick(w.T1, Qt::Key_Backspace);
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGo->armedLook() && !w.CmdGoBis->isEnabled());
    }

    // A long word is kept whole, up to forty characters, and capitals with
    // accents stay as typed.
    void longWordsAndCapitalsAreKept()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("extraordinairement"));
        QCOMPARE(w.T1->text(), QStringLiteral("extraordinairement"));
        f.type(QString(45, QLatin1Char('a')));
        QCOMPARE(w.T1->text().size(), 40);
        w.T1->clear();
        typeKeys(w.T1, QStringLiteral("Âme"));
        QCOMPARE(w.T1->text(), QStringLiteral("Âme"));
        w.T1->clear();
        typeKeys(w.T1, QStringLiteral("Été"));
        QCOMPARE(w.T1->text(), QStringLiteral("Été"));
    }

    void inputKeepsOnlyTheAlphabet()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        // The box shows the apostrophe as typed; the word after it is the
        // one searched ("l'eau" rhymes on "eau").
        f.type(QStringLiteral("l'eau 12"));
        QCOMPARE(w.T1->text(), QStringLiteral("l'eau"));
        QCOMPARE(w.T1->cursorPosition(), 5);
        QCOMPARE(w.searchedWord(), QStringLiteral("eau"));
        QVERIFY(w.CmdGoBis->isEnabled());
        w.T1->setText(QStringLiteral("l'e"));
        QVERIFY(!w.CmdGoBis->isEnabled());
        w.T1->setText(u"aujourd\u2019hui"_qs);
        QCOMPARE(w.T1->text(), QStringLiteral("aujourd'hui"));
        w.T1->setText(QStringLiteral("ab12cd"));
        QCOMPARE(w.T1->text(), QStringLiteral("abcd"));
    }

    // With no search type nothing can start a search, whatever is typed.
    void noSearchTypeNoSearch()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        w.Chk1->click();
        w.Chk2->click();
        QVERIFY(armed(w));
        w.Chk3->click();
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGoBis->isEnabled());
        QVERIFY(!w.CboSyl->isEnabled() && !w.CboType->isEnabled() && !w.ChkOpt1->isEnabled());
        QVERIFY(!w.CboGenre->isEnabled());
        QCOMPARE(textColour(w.LblCboGenre), kInactiveInk);
        QCOMPARE(textColour(w.LblA[7]), kInactiveInk);
        QCOMPARE(textColour(w.LblA[9]), kInactiveInk);
        f.type(QStringLiteral("portes"));
        QVERIFY(!w.CmdGo->isEnabled() && !w.CmdGoBis->isEnabled());
        w.Opt1[3]->click();
        QVERIFY(!w.Opt1[3]->isEnabled() || !w.CmdGoBis->isEnabled());

        // One type back: searchable again, the lists usable with their captions.
        w.Chk2->click();
        QVERIFY(armed(w) && w.CmdGoBis->isEnabled());
        QVERIFY(w.CboSyl->isEnabled() && w.CboType->isEnabled() && w.ChkOpt1->isEnabled());
        QVERIFY(w.CboGenre->isEnabled());
        QCOMPARE(textColour(w.LblCboGenre), kActiveInk);
        QCOMPARE(textColour(w.LblA[7]), kActiveInk);
        QCOMPARE(textColour(w.LblA[9]), kActiveInk);
    }

    // Each search type colours its own caption, list and count lines; the
    // ending type also owns the ending lengths.
    void searchTypeColoursItsGroup()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.Chk3->click();
        QCOMPARE(textColour(w.LblA[2]), kInactiveInk);
        QCOMPARE(backgroundColour(w.Lst[3]), kListOff);
        QCOMPARE(backgroundColour(w.LblCpt3), kListOff);
        QCOMPARE(backgroundColour(w.LblSyl3), kListOff);
        for (int n = 2; n <= 5; ++n) {
            QVERIFY(!w.Opt1[n]->isEnabled());
            QCOMPARE(textColour(w.LblA[n + 1]), kInactiveInk);
        }
        // The other groups are untouched.
        QCOMPARE(backgroundColour(w.Lst[1]), kListOn);
        QCOMPARE(textColour(w.LblA[0]), kActiveInk);
        w.Chk3->click();
        QCOMPARE(backgroundColour(w.Lst[3]), kListOn);
        QVERIFY(w.Opt1[2]->isEnabled());
        QCOMPARE(textColour(w.LblA[2]), kActiveInk);
    }

    // The list boxes and the conjugation box arm the visible button on any
    // text, even of one character, and leave the default button alone.
    void listsArmOnOneCharacter_data()
    {
        QTest::addColumn<int>("control");
        QTest::newRow("CboSyl") << 0;
        QTest::newRow("CboType") << 1;
        QTest::newRow("ChkOpt1") << 2;
        QTest::newRow("CboGenre") << 3;
    }
    void listsArmOnOneCharacter()
    {
        QFETCH(int, control);
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("p"));
        QVERIFY(!w.CmdGo->isEnabled());
        if (control == 0)
            w.CboSyl->setCurrentText(QStringLiteral("3"));
        else if (control == 1)
            w.CboType->setCurrentText(QStringLiteral("Verbe"));
        else if (control == 2)
            w.ChkOpt1->click();
        else
            w.CboGenre->setCurrentText(QStringLiteral("Masculine"));
        QVERIFY(armed(w));
        QVERIFY(!w.CmdGoBis->isEnabled());

        // Nothing typed: nothing armed.
        FrmDisplayFixture empty;
        FrmDisplay &e = empty.open();
        e.CboSyl->setCurrentText(QStringLiteral("4"));
        e.ChkOpt1->click();
        QVERIFY(!e.CmdGo->isEnabled());
    }

    void optionButtonArmsFromTwoCharacters()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("p"));
        w.Opt1[3]->click();
        QVERIFY(!w.CmdGo->isEnabled());
        f.type(QStringLiteral("po"));
        w.CmdGo->setEnabled(false);
        w.Opt1[4]->click();
        QVERIFY(armed(w) && w.CmdGoBis->isEnabled());
    }

    void nounOrAdjectiveDisablesConjugation_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("code");
        QTest::newRow("Nom") << "Nom" << false << "NOM";
        QTest::newRow("Adjectif") << "Adjectif" << false << "ADJ";
        QTest::newRow("Verbe") << "Verbe" << true << "VER";
    }
    void nounOrAdjectiveDisablesConjugation()
    {
        QFETCH(QString, category);
        QFETCH(bool, available);
        QFETCH(QString, code);
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.ChkOpt1->click();
        w.CboType->setCurrentText(category);
        QCOMPARE(w.ChkOpt1->isEnabled(), available);
        QCOMPARE(textColour(w.LblA[8]), available ? kActiveInk : kInactiveInk);
        QCOMPARE(w.categoryCode(), code);
        // Disabled, the box keeps its value, and the search still reads it.
        QVERIFY(w.ChkOpt1->isChecked());
        QVERIFY(w.searchParameters().excludeConjugated);

        // "Toutes" enables it again and keeps the previous code.
        w.CboType->setCurrentText(QStringLiteral("Toutes"));
        QVERIFY(w.ChkOpt1->isEnabled());
        QCOMPARE(textColour(w.LblA[8]), kActiveInk);
        QCOMPARE(w.categoryCode(), code);
        QCOMPARE(w.searchParameters().categoryFilter, QStringLiteral("Toutes"));
    }

    void spellingBoxFollowsPreference()
    {
        FrmDisplayFixture f;
        AppGlobals::instance().preferences.spellCheckOn = 1;
        FrmDisplay &w = f.open();
        QVERIFY(w.ChkOrtho->isChecked());
        w.ChkOrtho->click();
        QCOMPARE(AppGlobals::instance().preferences.spellCheckOn, 0);
    }

    // The saved search options come back at the start, with their effects.
    void savedOptionsRestored()
    {
        FrmDisplayFixture f;
        QStringList lines = kDefaultLines;
        lines[11] = QStringLiteral("Rimes approch:0");
        lines[13] = QStringLiteral("Nombre sylabb:3");
        lines[14] = QStringLiteral("Types de  mot:Nom");
        lines[15] = QStringLiteral("Verb conjugué:1");
        f.writeOptions(lines);
        FrmDisplay &w = f.open();
        QVERIFY(w.Chk1->isChecked() && !w.Chk2->isChecked() && w.Chk3->isChecked());
        QCOMPARE(backgroundColour(w.Lst[2]), kListOff);
        QCOMPARE(w.CboSyl->currentText(), QStringLiteral("3"));
        QCOMPARE(w.CboType->currentText(), QStringLiteral("Nom"));
        QCOMPARE(w.categoryCode(), QStringLiteral("NOM"));
        QVERIFY(w.ChkOpt1->isChecked());
        QVERIFY(!w.ChkOpt1->isEnabled());
        // A file written before the genre list existed leaves it at "Toutes".
        QCOMPARE(w.CboGenre->currentText(), QStringLiteral("Toutes"));
    }

    // The genre has a keyed line of its own after the sixteen, read wherever
    // it stands; a value that is not an item of the list is ignored.
    void savedGenreRestored_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QString>("genre");
        QTest::newRow("feminine") << QStringList {u"Genre rime:Féminine"_qs} << u"Féminine"_qs;
        QTest::newRow("after other lines") << QStringList {"Autre option:1", "Genre rime:Masculine"} << "Masculine";
        QTest::newRow("unknown value") << QStringList {"Genre rime:Neutre"} << "Toutes";
        QTest::newRow("no line") << QStringList {} << "Toutes";
    }
    void savedGenreRestored()
    {
        QFETCH(QStringList, extra);
        QFETCH(QString, genre);
        FrmDisplayFixture f;
        f.writeOptions(kDefaultLines + extra);
        FrmDisplay &w = f.open();
        QCOMPARE(w.CboGenre->currentText(), genre);
        QCOMPARE(w.searchParameters().genreFilter, genre);
    }

    void allTypesOffInFileGivesRichRhymes()
    {
        FrmDisplayFixture f;
        QStringList lines = kDefaultLines;
        lines[10] = QStringLiteral("Rimes exactes:0");
        lines[11] = QStringLiteral("Rimes approch:0");
        lines[12] = QStringLiteral("Terminai mots:0");
        f.writeOptions(lines);
        FrmDisplay &w = f.open();
        QVERIFY(w.Chk1->isChecked() && !w.Chk2->isChecked() && !w.Chk3->isChecked());
        QVERIFY(w.CboSyl->isEnabled());
    }

    // A bad line: what came before stays, the rest keeps the window's defaults.
    void badLineKeepsWhatWasRead()
    {
        FrmDisplayFixture f;
        QStringList lines = kDefaultLines;
        lines[10] = QStringLiteral("Rimes exactes:0");
        lines[13] = QStringLiteral("Nombre sylabb:quinze");
        lines[14] = QStringLiteral("Types de  mot:Verbe");
        f.writeOptions(lines);
        FrmDisplay &w = f.open();
        QVERIFY(!w.Chk1->isChecked());
        QCOMPARE(w.CboSyl->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(w.CboType->currentText(), QStringLiteral("Toutes"));
        QVERIFY(f.messages.isEmpty());
    }

    void searchLinesIgnoredWhenNotKept()
    {
        FrmDisplayFixture f;
        QStringList lines = kDefaultLines;
        lines[1] = QStringLiteral("Enreg opt:0");
        lines[10] = QStringLiteral("Rimes exactes:0");
        lines[13] = QStringLiteral("Nombre sylabb:3");
        f.writeOptions(lines);
        AppGlobals::instance().preferences.saveSearchOptions = 0;
        FrmDisplay &w = f.open();
        QVERIFY(w.Chk1->isChecked());
        QCOMPARE(w.CboSyl->currentText(), QStringLiteral("Toutes"));
    }

    void noFileKeepsWindowDefaults()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        QCOMPARE(w.searchOptions(), SearchOptions {});
        QVERIFY(f.messages.isEmpty());
    }

    void defaultButtonResetsOptions()
    {
        FrmDisplayFixture f;
        AppGlobals::instance().preferences = AppPreferences {3, 0, 1, 0, 1, 0};
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("po"));
        w.Chk1->click();
        w.Opt1[2]->click();
        w.CboSyl->setCurrentText(QStringLiteral("2"));
        w.CboType->setCurrentText(QStringLiteral("Adjectif"));
        w.CboGenre->setCurrentText(QStringLiteral("Masculine"));
        w.CmdOptDef->click();
        QCOMPARE(w.searchOptions(), SearchOptions {});
        QVERIFY(w.Opt1[5]->isChecked());
        QVERIFY(w.ChkOpt1->isEnabled());
        // theme, saveSearchOptions and showDuplicates reset; the others kept.
        QCOMPARE(AppGlobals::instance().preferences, (AppPreferences {0, 1, 0, 0, 1, 0}));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.messages[0].text, QStringLiteral("Les options de recherche ont été      \r\nréinitialisées."));
        QCOMPARE(f.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Nothing is written before the exit.
        QVERIFY(!QFile::exists(f.optionsPath()));
    }

    void exitAnsweredNoChangesNothing()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        w.Chk2->click();
        f.answer = QMessageBox::No;
        QSignalSpy ended(&w, &FrmDisplay::endRequested);
        w.CmdQuitte->click();
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].icon, QMessageBox::Question);
        QCOMPARE(f.messages[0].text, QStringLiteral("Voulez-vous quitter le dictionnaire      \r\nde rimes ?"));
        QCOMPARE(f.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(w.isVisible());
        QVERIFY(!w.Chk2->isChecked());
        QCOMPARE(ended.count(), 0);
        QVERIFY(!QFile::exists(f.optionsPath()));
    }

    void exitWritesTheOptions()
    {
        FrmDisplayFixture f;
        AppGlobals::instance().preferences = AppPreferences {2, 1, 1, 0, 0, 1};
        FrmDisplay &w = f.open();
        w.Chk3->click();
        w.CboSyl->setCurrentText(QStringLiteral("4"));
        w.CboType->setCurrentText(QStringLiteral("Verbe"));
        w.ChkOpt1->click();
        f.answer = QMessageBox::Yes;
        QSignalSpy ended(&w, &FrmDisplay::endRequested);
        w.ImgClose2->clicked();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!w.isVisible());
        const QStringList lines = fileLines(f.optionsPath());
        // Sixteen lines, then the later choices and the window's size, each
        // ended by CR LF.
        QCOMPARE(lines.size(), 25);
        QCOMPARE(lines.mid(16, 6), (QStringList {"Genre rime:Toutes", "Ordre alpha:0", "Sans attente:0",
                                                 "Apparence bureau:0", "Alertes atelier:111111", "Poèmes récents:"}));
        QVERIFY(lines[22].startsWith(QStringLiteral("Taille fenêtre:%1x").arg(w.designSize().width())));
        QCOMPARE(lines[23], QStringLiteral("Fenêtre agrandie:0"));
        QCOMPARE(lines.mid(0, 6), (QStringList {"Theme:2", "Enreg opt:1", "Doublons:1", "AffichMess:0", "OrthoON:0",
                                                "LettrePM:1"}));
        QCOMPARE(lines.mid(10, 6), (QStringList {"Rimes exactes:1", "Rimes approch:1", "Terminai mots:0",
                                                 "Nombre sylabb:4", "Types de  mot:Verbe", "Verb conjugué:1"}));
        QCOMPARE(lines[16], QStringLiteral("Genre rime:Toutes"));
    }

    // An options file of the earlier sixteen lines reads with the genre at
    // "Toutes" and is written back with its genre line.
    void olderFileWrittenBackWithTheGenre()
    {
        FrmDisplayFixture f;
        f.writeOptions(kDefaultLines);
        FrmDisplay &w = f.open();
        w.CboGenre->setCurrentText(u"Féminine"_qs);
        f.answer = QMessageBox::Yes;
        w.close();
        const QStringList lines = fileLines(f.optionsPath());
        QCOMPARE(lines.mid(0, 16), kDefaultLines);
        QCOMPARE(lines[16], u"Genre rime:Féminine"_qs);
    }

    // With the search options not kept, the exit writes their defaults,
    // whatever the user had chosen.
    void exitWithoutKeepingWritesDefaults()
    {
        FrmDisplayFixture f;
        AppGlobals::instance().preferences.saveSearchOptions = 0;
        FrmDisplay &w = f.open();
        w.Chk1->click();
        w.Opt1[2]->click();
        w.CboSyl->setCurrentText(QStringLiteral("2"));
        w.CboType->setCurrentText(QStringLiteral("Nom"));
        w.CboGenre->setCurrentText(QStringLiteral("Masculine"));
        f.answer = QMessageBox::Yes;
        w.close();
        const QStringList lines = fileLines(f.optionsPath());
        QCOMPARE(lines[1], QStringLiteral("Enreg opt:0"));
        QCOMPARE(lines.mid(10, 6), (QStringList {"Rimes exactes:1", "Rimes approch:1", "Terminai mots:1",
                                                 "Nombre sylabb:Toutes", "Types de  mot:Toutes", "Verb conjugué:0"}));
        QCOMPARE(lines[16], QStringLiteral("Genre rime:Toutes"));
        QVERIFY(w.Opt1[5]->isChecked());
    }

    // A file that cannot be written: the old one stays, the user is told
    // once, and the program still ends.
    void exitWithUnwritableFile()
    {
        FrmDisplayFixture f;
        f.writeOptions(kDefaultLines);
        QFile file(f.optionsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        FrmDisplay &w = f.open();
        w.Chk1->click();
        f.answer = QMessageBox::Yes;
        QSignalSpy ended(&w, &FrmDisplay::endRequested);
        {
            const FileSizeLimit limit(50);
            w.close();
        }
        QCOMPARE(ended.count(), 1);
        QCOMPARE(f.messages.size(), 2);
        QCOMPARE(f.messages[1].icon, QMessageBox::Warning);
        QVERIFY(f.messages[1].text.startsWith(QStringLiteral("Les options n'ont pas pu être enregistrées")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

QTEST_MAIN(TestFrmDisplayOptions)
#include "tst_frmdisplay_options.moc"
