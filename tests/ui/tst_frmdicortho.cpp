// The spelling dictionary window: what it takes from the main window, its
// own input filter, its verdicts and the copy of a result line.
#include "CaptionFit.h"
#include "lexicon/AppGlobals.h"
#include "support/SpellingLists.h"
#include "ui/windows/FrmDicOrtho.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {
struct Window {
    FrmDicOrtho frm;
    QStringList notices;
    QStringList warnings;

    Window(const QString &mainText, TestSupport::SpellingLists &data) : frm(mainText, nullptr, data.reader())
    {
        frm.showNotice = [this](const QString &text) {
            notices.append(text);
            return 1;
        };
        frm.showWarning = [this](const QString &text) {
            warnings.append(text);
            return 1;
        };
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
    }

    template <typename T> T *get(const char *name) const { return frm.findChild<T *>(name); }
    QLineEdit *T1() const { return get<QLineEdit>("T1"); }
    QString length() const { return get<QLabel>("LblLen")->text(); }
    QString solution() const { return get<QLabel>("LblSolution")->text(); }
    bool goEnabled() const
    {
        const bool go = get<QPushButton>("CmdGo")->isEnabled();
        if (go != get<QPushButton>("CmdGoBis")->isEnabled())
            QTest::qFail("CmdGo and CmdGoBis disagree", __FILE__, __LINE__);
        return go;
    }
    QStringList items() const
    {
        QListWidget *lst = get<QListWidget>("LstMot");
        QStringList texts;
        for (int i = 0; i < lst->count(); ++i)
            texts.append(lst->item(i)->text());
        return texts;
    }
    void clickItem(int row) const
    {
        QListWidget *lst = get<QListWidget>("LstMot");
        QTest::mouseClick(lst->viewport(), Qt::LeftButton, {}, lst->visualItemRect(lst->item(row)).center());
    }
    // Types the word over the old one and waits for the verdict.
    void check(const QString &word)
    {
        T1()->setText(word);
        QTest::mouseClick(get<QPushButton>("CmdGo"), Qt::LeftButton);
        QCOMPARE(solution(), FrmDicOrtho::SearchingText);
        QVERIFY(items().isEmpty());
        QTRY_VERIFY(solution() != FrmDicOrtho::SearchingText);
    }
};

QString rule() { return QString(26, '-'); }
} // namespace

class TstFrmDicOrtho : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensWithTheMainWord();
    void verdicts();
    void oneLetterOffFollowsTheBox();
    void filterKeepsLettersOnly();
    void buttonsNeedTwoCharacters();
    void copyNoticeOncePerOpening();
    void unreadableListIsTold();
    void outOfRangeRateIsRefused();

private:
    TestSupport::SpellingLists data;
};

void TstFrmDicOrtho::init()
{
    data = {};
    data.lists["DICOC"] = {"chenal", "cheval", "chevale", "chevaux"};
    data.lists["DICOM"] = {"maison", "maisons", "mation", "misons", "miston"};
    data.lists["DICOE"] = {"ente", "este", "et", "été", "étés"};
    data.lists["DICOX"] = {"xylophone"};
}

void TstFrmDicOrtho::opensWithTheMainWord()
{
    Window w("maizon", data);
    QCOMPARE(w.T1()->text(), QStringLiteral("maizon"));
    QCOMPARE(w.length(), QStringLiteral("6"));
    QVERIFY(w.goEnabled());
    QVERIFY(w.get<QCheckBox>("Chk1")->isChecked());
    QVERIFY(w.solution().isEmpty());

    QTest::keyClick(w.T1(), Qt::Key_Return);
    QCOMPARE(w.solution(), FrmDicOrtho::SearchingText);
    QTRY_COMPARE(w.solution(), QStringLiteral("2 solutions."));
    QCOMPARE(w.items(), (QStringList {"Suggestions :", rule(), "maison", "mation"}));
    QCOMPARE(AppGlobals::instance().wordToCheck, QStringLiteral("maizon"));
}

void TstFrmDicOrtho::verdicts()
{
    Window w("", data);
    // Capitals do not count: a word that opens a line of verse is valid.
    for (const char *word : {"Cheval", "cheval", "CHEVAL"}) {
        w.check(word);
        QCOMPARE(w.solution(), QStringLiteral("L'orthographe du mot est valide."));
        QVERIFY(w.items().isEmpty());
    }
    QCOMPARE(AppGlobals::instance().wordToCheck, QStringLiteral("cheval"));

    // A word with an accented initial is looked up under its plain letter.
    for (const char *word : {"été", "Été"}) {
        w.check(word);
        QCOMPARE(w.solution(), QStringLiteral("L'orthographe du mot est valide."));
    }
    // The verdict shows whole within the window.
    QVERIFY(fits(w.get<QLabel>("LblSolution")));

    // One suggestion is one solution.
    w.check("chevak");
    QCOMPARE(w.solution(), QStringLiteral("1 solution."));
    QCOMPARE(w.items(), (QStringList {"Suggestions :", rule(), "cheval"}));

    w.check("xxxx");
    QCOMPARE(w.solution(), QStringLiteral("Aucune solution."));
    QVERIFY(w.items().isEmpty());
}

void TstFrmDicOrtho::oneLetterOffFollowsTheBox()
{
    Window w("", data);
    w.check("ete");
    QCOMPARE(w.items(), (QStringList {"Suggestions :", rule(), "ente", "este", "et"}));

    // The caption beside the box toggles it too.
    QTest::mouseClick(w.get<QLabel>("Chk1Caption"), Qt::LeftButton);
    QVERIFY(!w.get<QCheckBox>("Chk1")->isChecked());
    w.check("ete");
    QCOMPARE(w.solution(), QStringLiteral("Aucune solution."));
}

void TstFrmDicOrtho::filterKeepsLettersOnly()
{
    Window hyphens("arc-en-ciel", data);
    QCOMPARE(hyphens.T1()->text(), QStringLiteral("arcenciel"));
    QCOMPARE(hyphens.length(), QStringLiteral("9"));

    Window w("", data);
    QTest::keyClicks(w.T1(), "rime");
    QTest::keyClick(w.T1(), Qt::Key_Home);
    QTest::keyClicks(w.T1(), "3 ");
    QCOMPARE(w.T1()->text(), QStringLiteral("rime"));
    QCOMPARE(w.T1()->cursorPosition(), 4);
    QCOMPARE(w.length(), QStringLiteral("4"));

    w.T1()->clear();
    w.T1()->insert("cœur");
    QCOMPARE(w.T1()->text(), QStringLiteral("coeur"));
    // Capitals with accents are letters too.
    w.T1()->clear();
    for (const QChar c : QStringLiteral("Âme"))
        QTest::sendKeyEvent(QTest::Click, w.T1(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(w.T1()->text(), QStringLiteral("Âme"));

    w.T1()->setText(QString(150, 'a'));
    QCOMPARE(w.T1()->text().size(), 100);
}

void TstFrmDicOrtho::buttonsNeedTwoCharacters()
{
    Window w("", data);
    QVERIFY(!w.goEnabled());
    QTest::keyClicks(w.T1(), "m");
    QVERIFY(!w.goEnabled());
    QCOMPARE(w.length(), QStringLiteral("1"));
    QTest::keyClicks(w.T1(), "a");
    QVERIFY(w.goEnabled());

    // From the main window a single character may be checked...
    Window single("m", data);
    QCOMPARE(single.length(), QStringLiteral("1"));
    QVERIFY(single.goEnabled());
    // ... but not a text the filter emptied.
    Window emptied("--", data);
    QVERIFY(emptied.T1()->text().isEmpty());
    QVERIFY(!emptied.goEnabled());
}

void TstFrmDicOrtho::copyNoticeOncePerOpening()
{
    {
        Window w("maizon", data);
        w.check("maizon");
        w.clickItem(2);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("maison"));
        QCOMPARE(w.notices, QStringList {"Le mot sélectionné a été copié dans le presse-papier.      "});
        w.clickItem(3);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mation"));
        w.clickItem(0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Suggestions :"));
        QCOMPARE(w.notices.size(), 1);
    }
    Window again("maizon", data);
    again.check("maizon");
    again.clickItem(3);
    QCOMPARE(again.notices.size(), 1);
}

void TstFrmDicOrtho::unreadableListIsTold()
{
    Window w("", data);
    w.T1()->setText("zut");
    QTest::mouseClick(w.get<QPushButton>("CmdGo"), Qt::LeftButton);
    QTRY_COMPARE(w.warnings.size(), 1);
    QVERIFY(w.warnings.front().contains("''Z''"));
    QVERIFY(w.items().isEmpty());
    QVERIFY(w.solution().isEmpty());
}

void TstFrmDicOrtho::outOfRangeRateIsRefused()
{
    Window w("", data);
    QLineEdit *rate = w.get<QLineEdit>("TxtTaux");
    // Too many digits to hold: once read as 0, which let every word of the
    // length through.
    rate->setText(QString(400, '9'));
    w.check("chevak");
    QCOMPARE(w.warnings, QStringList {FrmDicOrtho::RateOutOfRangeText});
    QCOMPARE(rate->text(), QStringLiteral("80"));
    QCOMPARE(w.items(), (QStringList {"Suggestions :", rule(), "cheval"}));
    // A rate below 0, or no number, is refused the same way.
    for (const QString &text : {QStringLiteral("-3"), QStringLiteral("abc")}) {
        w.warnings.clear();
        rate->setText(text);
        w.check("chevak");
        QCOMPARE(w.warnings, QStringList {FrmDicOrtho::RateOutOfRangeText});
        QCOMPARE(rate->text(), QStringLiteral("80"));
        QCOMPARE(w.items(), (QStringList {"Suggestions :", rule(), "cheval"}));
    }
    // Out of sight, the field is out of the Tab order, and typing takes rates only.
    QCOMPARE(rate->focusPolicy(), Qt::NoFocus);
    rate->clear();
    QTest::keyClicks(rate, QStringLiteral("-3abc"));
    QVERIFY(!rate->text().contains(QLatin1Char('-')));
    QVERIFY(!rate->text().contains(QLatin1Char('a')));
}

QTEST_MAIN(TstFrmDicOrtho)
#include "tst_frmdicortho.moc"
