// The word-games window as the user meets it: opening on the synonyms page,
// the search buttons, Enter, the lists, the pages, the one-shot lookup and a
// window opened after a failed load.
#include "synonyms/SynonymTestData.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/FrmListSyno.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
struct Message {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

void clickItem(QListWidget *list, const QString &text, bool twice = false)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    const QPoint where = list->visualItemRect(items.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}
// An entry with more than thirty synonyms, the telling ones at its end.
QStringList sombreSynonyms()
{
    QStringList words;
    for (int i = 1; i <= 63; ++i)
        words.append(QStringLiteral("ombre%1").arg(i));
    return words + QStringList {QStringLiteral("obscur"), QStringLiteral("noir"), QStringLiteral("ténébreux"),
                                QStringLiteral("lugubre")};
}
} // namespace

class TestFrmListSyno : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        SynonymFileBuilder synonyms;
        synonyms.set('B', 1, QStringLiteral("beau@joli\\superbe\\splendide"));
        synonyms.set('J', 1, QStringLiteral("joli@beau"));
        synonyms.set('S', 1, QStringLiteral("sombre@") + sombreSynonyms().join(QLatin1Char('\\')));
        const QString synonymPath = m_dir.filePath(QStringLiteral("listsyno.ret"));
        QVERIFY(writeFile(synonymPath, synonyms.bytes()));
        QVERIFY(!m_data->synonyms.open(synonymPath));
        QVERIFY(!m_data->synonyms.readBlocks('A', 'Z'));

        QByteArray homonyms = "air@aire\\\xE8re\\erre\r\nvain@vin\r\n";
        for (int i = 3; i <= HomonymList::HomonymCount; ++i)
            homonyms += "mot" + QByteArray::number(i) + "@autre\r\n";
        const QString homonymPath = m_dir.filePath(QStringLiteral("listhomo.ret"));
        QVERIFY(writeFile(homonymPath, homonyms));
        QVERIFY(!m_data->homonyms.load(homonymPath));
    }

    void init()
    {
        m_messages.clear();
        m_errors = InternalErrorReport {};
        AppGlobals::instance().synonymQueryWord.clear();
        AppGlobals::instance().synonymQueryPending = false;
    }

    void opensOnTheSynonymsPageWithSearchOff()
    {
        auto window = openInteractive();
        QCOMPARE(window->currentPage(), 0);
        QVERIFY(!button(*window, "Cmdn0")->isEnabled());
        QVERIFY(button(*window, "Cmdn1")->isEnabled());
        QVERIFY(!button(*window, "CmdRechercher1")->isEnabled());
        QVERIFY(!button(*window, "CmdRechercher2")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), combo(*window));
        QCOMPARE(child<QLabel>(*window, "LblResult")->text(), QStringLiteral("à faire\naffaire"));
        QCOMPARE(itemsOf(child<QListWidget>(*window, "Lst14")).last(), QStringLiteral("air"));
        QCOMPARE(window->width(), child<QFrame>(*window, "PicGen0")->width() + 2);
        QVERIFY(m_messages.isEmpty());
    }

    void typingSearchingAndPickingSynonyms()
    {
        auto window = openInteractive();
        QComboBox *cbo2 = combo(*window);
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("B"));
        QVERIFY(!button(*window, "CmdRechercher2")->isEnabled());
        // Enter with one character does nothing.
        QTest::keyClick(cbo2->lineEdit(), Qt::Key_Return);
        QVERIFY(m_messages.isEmpty());
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("e"));
        QVERIFY(button(*window, "CmdRechercher1")->isEnabled());
        QVERIFY(button(*window, "CmdRechercher2")->isEnabled());
        QCOMPARE(child<QLineEdit>(*window, "Txt2")->text(), QStringLiteral("be"));
        QCOMPARE(itemsOf(child<QListWidget>(*window, "Lst12")), QStringList {QStringLiteral("beau")});

        // A candidate picked, then Enter.
        clickItem(child<QListWidget>(*window, "Lst12"), QStringLiteral("beau"));
        QCOMPARE(cbo2->currentText(), QStringLiteral("beau"));
        QTest::keyClick(cbo2->lineEdit(), Qt::Key_Return);
        QListWidget *lst13 = child<QListWidget>(*window, "Lst13");
        QCOMPARE(itemsOf(lst13), (QStringList {QStringLiteral("joli"), QStringLiteral("superbe"), QStringLiteral("splendide")}));
        QCOMPARE(child<QLabel>(*window, "Lbl4")->text(), QStringLiteral("3 synonymes trouvés pour ''beau''."));
        QCOMPARE(child<QLabel>(*window, "Lbl5")->text(), QStringLiteral(" beau"));
        QVERIFY(!button(*window, "CmdRechercher2")->isEnabled());
        QVERIFY(m_messages.isEmpty());

        // A synonym clicked goes into the word box; double-clicked, it is searched.
        clickItem(lst13, QStringLiteral("joli"));
        QCOMPARE(cbo2->currentText(), QStringLiteral("joli"));
        QVERIFY(button(*window, "CmdRechercher2")->isEnabled());
        clickItem(lst13, QStringLiteral("joli"), true);
        QCOMPARE(itemsOf(lst13), QStringList {QStringLiteral("beau")});
        QCOMPARE(child<QLabel>(*window, "Lbl4")->text(), QStringLiteral("Un synonyme trouvé pour ''joli''."));
        // Both words are in the history, sorted; the word searched stays in the box.
        QCOMPARE(cbo2->count(), 2);
        QCOMPARE(cbo2->itemText(0), QStringLiteral("beau"));
        QCOMPARE(cbo2->currentText(), QStringLiteral("joli"));
        QCOMPARE(child<QLineEdit>(*window, "Txt2")->text(), QStringLiteral("joli"));

        // A word that is not a headword.
        cbo2->lineEdit()->clear();
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("bel"));
        QTest::mouseClick(button(*window, "CmdRechercher2"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, QStringLiteral("Pas de synonyme pour ce mot.      "));
        QCOMPARE(child<QLabel>(*window, "Lbl4")->text(), QString());
        QCOMPARE(child<QLabel>(*window, "Lbl5")->text(), QStringLiteral(" "));
        QCOMPARE(cbo2->count(), 3);
        QCOMPARE(cbo2->currentText(), QStringLiteral("bel"));

        // Enter keeps the word typed, in a history that grows and in one that does not.
        cbo2->lineEdit()->clear();
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("sombre"));
        QTest::keyClick(cbo2->lineEdit(), Qt::Key_Return);
        QCOMPARE(cbo2->currentText(), QStringLiteral("sombre"));
        QCOMPARE(cbo2->count(), 4);
        cbo2->lineEdit()->clear();
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("beau"));
        QTest::keyClick(cbo2->lineEdit(), Qt::Key_Return);
        QCOMPARE(cbo2->currentText(), QStringLiteral("beau"));
        QCOMPARE(cbo2->count(), 4);
    }

    // Every synonym is listed, with the true count: the last ones too.
    void longEntryListsEverySynonym()
    {
        auto window = openInteractive();
        QComboBox *cbo2 = combo(*window);
        QTest::keyClicks(cbo2->lineEdit(), QStringLiteral("sombre"));
        QTest::keyClick(cbo2->lineEdit(), Qt::Key_Return);
        const QStringList listed = itemsOf(child<QListWidget>(*window, "Lst13"));
        QCOMPARE(listed, sombreSynonyms());
        QCOMPARE(listed.size(), 67);
        QVERIFY(listed.contains(QStringLiteral("ténébreux")) && listed.contains(QStringLiteral("lugubre")));
        QCOMPARE(child<QLabel>(*window, "Lbl4")->text(), QStringLiteral("67 synonymes trouvés pour ''sombre''."));

        // The one-shot lookup names them all too.
        AppGlobals::instance().synonymQueryWord = QStringLiteral("sombre");
        AppGlobals::instance().synonymQueryPending = true;
        m_messages.clear();
        QWidget mainWindow;
        QPointer<FrmListSyno> oneShot = new FrmListSyno(*m_data, m_errors, &mainWindow, presenter());
        QTRY_COMPARE(m_messages.size(), 1);
        const QString message = m_messages.first().text;
        QVERIFY(message.startsWith(QStringLiteral("67 synonymes trouvés pour ''sombre'':")));
        for (const QString &synonym : sombreSynonyms())
            QVERIFY2(message.contains(synonym), qPrintable(synonym));
        QTRY_VERIFY(oneShot.isNull());
    }

    void tabsSwitchPagesAndFocus()
    {
        auto window = openInteractive();
        QTest::mouseClick(button(*window, "Cmdn1"), Qt::LeftButton);
        QCOMPARE(window->currentPage(), 1);
        QVERIFY(child<QFrame>(*window, "PicGen0")->isHidden());
        QVERIFY(!button(*window, "Cmdn1")->isEnabled());
        QVERIFY(button(*window, "Cmdn0")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(*window, "Foc"));

        clickItem(child<QListWidget>(*window, "Lst14"), QStringLiteral("air"));
        QCOMPARE(child<QLabel>(*window, "LblResult")->text(), QStringLiteral("aire\nère\nerre"));
        QCOMPARE(child<QLabel>(*window, "Lbl6")->text(), QStringLiteral("3 homonymes."));

        QTest::mouseClick(button(*window, "Cmdn2"), Qt::LeftButton);
        QCOMPARE(window->currentPage(), 2);
        QCOMPARE(child<QListWidget>(*window, "Lst16")->count(), DataSizes::kPalindromeCount);
        QTest::mouseClick(child<QLabel>(*window, "ImgAide2"), Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().icon, QMessageBox::Information);
        QCOMPARE(m_messages.first().title, QStringLiteral("Liste des anacycliques et palindromes"));
        QCOMPARE(m_messages.first().text, FrmListSyno::helpText(2));

        QTest::mouseClick(button(*window, "Cmdn0"), Qt::LeftButton);
        QCOMPARE(window->currentPage(), 0);
        QCOMPARE(QApplication::focusWidget(), combo(*window));
        QTest::mouseClick(button(*window, "CmdFerme"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void oneShotLookupAnswersInAMessageAndGoes_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("message");
        QTest::newRow("headword") << QStringLiteral("beau")
                                  << QStringLiteral("3 synonymes trouvés pour ''beau'':      \r\n\r\n   joli\r\n"
                                                    "   superbe\r\n   splendide");
        QTest::newRow("unknown") << QStringLiteral("bof") << QStringLiteral("Pas de synonyme pour ce mot.      ");
    }

    void oneShotLookupAnswersInAMessageAndGoes()
    {
        QFETCH(QString, word);
        QFETCH(QString, message);
        AppGlobals::instance().synonymQueryWord = word;
        AppGlobals::instance().synonymQueryPending = true;
        QWidget mainWindow;
        QPointer<FrmListSyno> window = new FrmListSyno(*m_data, m_errors, &mainWindow, presenter());
        QVERIFY(window->isOneShot());
        QTRY_COMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text, message);
        QCOMPARE(m_messages.first().icon, QMessageBox::NoIcon);
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(window.isNull());
    }

    void failedLoadKeepsSearchOff()
    {
        m_errors.dataLoadFailed = true;
        m_errors.synonymsLoadFailed = true;
        auto window = openInteractive();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().icon, QMessageBox::Critical);
        QCOMPARE(m_messages.first().text,
                 QStringLiteral("Impossible de charger les données ''synonymes''                 \r\nErreur interne 110."));
        QCOMPARE(child<QListWidget>(*window, "Lst14")->count(), 0);
        QTest::keyClicks(combo(*window)->lineEdit(), QStringLiteral("beau"));
        QVERIFY(!button(*window, "CmdRechercher1")->isEnabled());
        QVERIFY(!button(*window, "CmdRechercher2")->isEnabled());
        QCOMPARE(itemsOf(child<QListWidget>(*window, "Lst12")), QStringList {QStringLiteral("beau")});
    }

    // A homonyms file that failed alone: the window says which data is
    // missing, and the synonyms, which loaded, can still be searched.
    void homonymFailureKeepsSynonymSearch()
    {
        m_errors.dataLoadFailed = true;
        auto window = openInteractive();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().text,
                 QStringLiteral("Impossible de charger les données ''homonymes''                 \r\nErreur interne 110."));
        QCOMPARE(child<QListWidget>(*window, "Lst14")->count(), 0);
        QTest::keyClicks(combo(*window)->lineEdit(), QStringLiteral("beau"));
        QVERIFY(button(*window, "CmdRechercher1")->isEnabled());
    }

private:
    std::unique_ptr<FrmListSyno> openInteractive()
    {
        auto window = std::make_unique<FrmListSyno>(*m_data, m_errors, nullptr, presenter());
        [&] {
            QTRY_VERIFY(window->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        }();
        return window;
    }

    FrmListSyno::MessagePresenter presenter()
    {
        return [this](QMessageBox::Icon icon, const QString &title, const QString &text) {
            m_messages.append({icon, title, text});
        };
    }

    template <typename T>
    static T *child(const QWidget &window, const char *name)
    {
        T *found = window.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static QPushButton *button(const QWidget &window, const char *name) { return child<QPushButton>(window, name); }
    static QComboBox *combo(const QWidget &window) { return child<QComboBox>(window, "Cbo2"); }

    QTemporaryDir m_dir;
    std::unique_ptr<LexiconData> m_data = std::make_unique<LexiconData>();
    InternalErrorReport m_errors;
    QList<Message> m_messages;
};

QTEST_MAIN(TestFrmListSyno)
#include "tst_frmlistsyno.moc"
