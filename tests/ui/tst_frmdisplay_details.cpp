// A clicked result word: its details, the copy and synonyms buttons; and the
// five help texts of the search options.
#include "FrmDisplayFixture.h"
#include "ui/windows/MessageBoxes.h"
#include "ui/main/HelpIcon.h"
#include "ui/main/HelpTexts.h"
#include "ui/main/WordDetails.h"
#include "ui/windows/FrmListSyno.h"
#include "ui/windows/WindowChrome.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {
// A result line as the search lays it out.
QString resultLine(const QString &word, int syllables, const QString &category)
{
    QString padded = word;
    while (padded.size() < 23)
        padded += QLatin1Char(' ');
    return padded + QString::number(syllables) + QString(10, QLatin1Char(' ')) + category;
}

void releaseOver(QListWidget *list, int row)
{
    list->setCurrentRow(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}
} // namespace

class TestFrmDisplayDetails : public QObject {
    Q_OBJECT
private slots:
    void detailsOfAResultLine_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("syllables");
        QTest::addColumn<QString>("category");
        QTest::newRow("4 letters") << "rime" << 1 << "NOM";
        QTest::newRow("22 letters") << "anticonstitutionnelles" << 7 << "ADJ;NOM";
        QTest::newRow("23 letters") << "anticonstitutionnellesX" << 8 << "ADJ";
        QTest::newRow("24 letters pushes the columns") << "anticonstitutionnellesXY" << 9 << "Ignoré";
        QTest::newRow("compound with a blank") << "à peu près" << 3 << "ADJ;NOM;VER";
    }
    void detailsOfAResultLine()
    {
        QFETCH(QString, word);
        QFETCH(int, syllables);
        QFETCH(QString, category);
        const auto details = WordDetails::fromResultLine(resultLine(word, syllables, category));
        QVERIFY(details);
        QCOMPARE(details->word, word);
        QCOMPARE(details->syllables, QString::number(syllables));
        QCOMPARE(details->letters, QString::number(word.size()));
        QCOMPARE(details->category, category);
    }

    void theRimeLineExactly()
    {
        const QString line = QStringLiteral("rime") + QString(19, QLatin1Char(' ')) + QStringLiteral("1")
                             + QString(10, QLatin1Char(' ')) + QStringLiteral("NOM");
        const auto details = WordDetails::fromResultLine(line);
        QCOMPARE(details->word, QStringLiteral("rime"));
        QCOMPARE(details->syllables, QStringLiteral("1"));
        QCOMPARE(details->letters, QStringLiteral("4"));
        QCOMPARE(details->category, QStringLiteral("NOM"));
    }

    void oddLines()
    {
        QVERIFY(!WordDetails::fromResultLine(QString()));
        const auto bare = WordDetails::fromResultLine(QStringLiteral(" solitaire "));
        QCOMPARE(bare->word, QStringLiteral("solitaire"));
        QCOMPARE(bare->letters, QStringLiteral("9"));
        QVERIFY(bare->syllables.isEmpty() && bare->category.isEmpty());
    }

    // The mouse release shows the details, and so do the arrow keys.
    void clickShowsDetails()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        releaseOver(w.Lst[1], 1);
        QCOMPARE(w.LblMot->text(), QStringLiteral("morte"));
        QCOMPARE(w.LblSyl->text(), QStringLiteral("1"));
        QCOMPARE(w.LblLettres->text(), QStringLiteral("5"));
        QCOMPARE(w.LblType->text(), QStringLiteral("ADJ;NOM"));
        QCOMPARE(w.Lbl[11]->text(), QStringLiteral("Syllabes:"));
        QCOMPARE(w.Lbl[12]->text(), QStringLiteral("Lettres:"));
        QCOMPARE(w.Lbl[13]->text(), QStringLiteral("Type:"));
        QVERIFY(w.CmdCopier->isEnabled() && w.CmdSyn->isEnabled());

        w.Lst[1]->setFocus();
        QTest::keyClick(w.Lst[1], Qt::Key_Down);
        QCOMPARE(w.Lst[1]->currentRow(), 2);
        QCOMPARE(w.LblMot->text(), QStringLiteral("sorte"));

        releaseOver(w.Lst[3], 0);
        QCOMPARE(w.LblMot->text(), w.Lst[3]->item(0)->text().section(QLatin1Char(' '), 0, 0));
    }

    // A click where nothing is selected: the captions, but nothing to copy
    // or look up, so both buttons stay off.
    void clickOnEmptyList()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        QTest::mouseClick(w.Lst[2]->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(w.Lbl[11]->text(), QStringLiteral("Syllabes:"));
        QVERIFY(w.LblMot->text().isEmpty());
        QVERIFY(!w.CmdCopier->isEnabled());
        QVERIFY(!w.CmdSyn->isEnabled());
    }

    // The copy puts the word on the clipboard; the notice comes once a run.
    void copyNoticeShownOnce()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        releaseOver(w.Lst[1], 1);
        w.CmdCopier->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("morte"));
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].icon, QMessageBox::NoIcon);
        QCOMPARE(f.messages[0].text, QStringLiteral("Le mot sélectionné a été copié dans le      \r\npresse-papier."));
        QVERIFY(w.copyNoticeShown());

        releaseOver(w.Lst[1], 2);
        w.CmdCopier->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sorte"));
        QCOMPARE(f.messages.size(), 1);
    }

    void synonymsHandOffTheWord()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        QVERIFY(AppGlobals::instance().synonymQueryWord.isEmpty());
        QVERIFY(!AppGlobals::instance().synonymQueryPending);
        f.type(QStringLiteral("porte"));
        QVERIFY(f.searchAndWait());
        // The synonyms window and its message boxes are closed as they come.
        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&seen] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (!top->isVisible())
                    continue;
                if (auto *box = qobject_cast<QMessageBox *>(top)) {
                    seen.append(box->text());
                    box->close();
                } else if (qobject_cast<FrmListSyno *>(top)) {
                    seen.append(QStringLiteral("FrmListSyno"));
                    top->close();
                }
            }
        });
        closer.start(10);
        releaseOver(w.Lst[1], 3);
        w.CmdSyn->click();
        QCOMPARE(AppGlobals::instance().synonymQueryWord, QStringLiteral("emporte"));
        QVERIFY(AppGlobals::instance().synonymQueryPending);
        // The one-shot lookup answers in a message box; the word is no headword here.
        QTRY_COMPARE(seen, QStringList {MessageBoxes::unwrapped(QStringLiteral("Pas de synonyme pour ce mot.      "))});
        // The browsing button clears the hand-off and opens the window.
        w.CmdSynonyme->click();
        QVERIFY(AppGlobals::instance().synonymQueryWord.isEmpty());
        QVERIFY(!AppGlobals::instance().synonymQueryPending);
        QCOMPARE(seen.last(), QStringLiteral("FrmListSyno"));
    }

    void helpTextsExactly()
    {
        const QString six(6, QLatin1Char(' '));
        QCOMPARE(HelpTexts::text(0),
                 QStringLiteral("\r\nUne rime est riche lorsqu'il y a  reprise d'au moins trois") + six
                     + QStringLiteral("\r\nphonèmes ou plus, dont la dernière voyelle.\r\nExemples:\r\n"
                                      "    porte  / morte\r\n    mineur / bonheur\r\n\r\n"
                                      "Phonème: son du langage, élément sonore distinctif\r\ndu langage articulé."));
        QCOMPARE(HelpTexts::text(1),
                 QStringLiteral("Une rime est pauvre quand il n'y a qu'un seul élément vocalique commun") + six
                     + QStringLiteral("\r\nou une simple proximité phonétique.\r\nExemples:\r\n    battu / perdu\r\n"
                                      "    feu / peu\r\n\r\n\r\nUne rime est dite suffisante lorsqu'il a deux phonèmes")
                     + six
                     + QStringLiteral("\r\nen commun.\r\nExemples :\r\n    cheval / fatal\r\n    brise / vise\r\n\r\n"
                                      "Phonème: son du langage, élément sonore distinctif\r\ndu langage articulé."));
        QCOMPARE(HelpTexts::text(2),
                 QStringLiteral("Terminaison des mots :\r\nLa recherche sera effectuée sur l'extrémité du mot en fonction")
                     + six + QStringLiteral("\r\nd'un nombre défini de lettres."));
        QCOMPARE(HelpTexts::text(3),
                 QStringLiteral("La recherche sur la terminaison des mots  se fera en fonction du") + six
                     + QStringLiteral("\r\nnombre de lettres que vous aurez sélectionné. Plus le nombre\r\n"
                                      "est élevé, moins il y a de solutions possibles."));
        QCOMPARE(HelpTexts::text(4),
                 QStringLiteral("Exclure certaines conjugaisons :\r\n"
                                "Afin de limiter le nombre de solutions dans une recherche, les verbes")
                     + six + QStringLiteral("\r\nconjugués ne seront pas être pris en compte."));
        QVERIFY(HelpTexts::text(5).isEmpty());
    }

    // A click shows its text; the icon does not stay lit afterwards.
    void helpIconShowsItsText()
    {
        FrmDisplayFixture f;
        FrmDisplay &w = f.open();
        for (int i = 0; i < HelpTexts::Count; ++i) {
            w.ImgAide[i]->setHighlighted(true);
            QTest::mouseClick(w.ImgAide[i], Qt::LeftButton);
            QCOMPARE(f.messages.size(), i + 1);
            QCOMPARE(f.messages[i].icon, QMessageBox::Information);
            QCOMPARE(f.messages[i].text, HelpTexts::text(i));
            QVERIFY(!w.ImgAide[i]->highlighted());
            QCOMPARE(w.ImgAide[i]->toolTip(), QStringLiteral("Plus d'info"));
        }
    }
};

QTEST_MAIN(TestFrmDisplayDetails)
#include "tst_frmdisplay_details.moc"
