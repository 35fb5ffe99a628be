// The poem workbench: the figures beside the lines follow the typing, only
// the edited line is counted again, unsaved poems are asked about on close
// and kept in a safety copy, and a file that is not text leaves the poem alone.
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/PoemGutter.h"
#include "lexicon/AppGlobals.h"

#include <QAction>
#include <QMenu>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

class TestFrmAtelier : public QObject {
    Q_OBJECT
private slots:
    void init();
    void gutterFollowsTheTyping();
    void onlyTheEditedLineIsCounted();
    void closeAsksAndCancelKeepsThePoem();
    void discardRemovesTheCopy();
    void saveWritesAndRemovesTheCopy();
    void notTextLeavesThePoemAlone();
    void switchingOffHiatusRemovesItsMark();
    void wordMenuChoosesTheCount();
    void recentPoemsOfferedAndCapped();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FrmAtelier> m_window;
    int m_questions = 0;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
    QStringList m_told;
};

void TestFrmAtelier::init()
{
    m_window.reset();
    AppGlobals::instance().preferences.atelierWarnings = QStringLiteral("111111");
    AppGlobals::instance().preferences.recentPoems.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<FrmAtelier>(m_dir->filePath(QStringLiteral("versalune")));
    m_questions = 0;
    m_told.clear();
    m_window->ask = [this](const QString &, QMessageBox::StandardButtons) {
        ++m_questions;
        return m_answer;
    };
    m_window->tell = [this](const QString &text) { m_told << text; };
    m_window->chooseFile = [this](bool) { return m_dir->filePath(QStringLiteral("poeme.txt")); };
    m_window->show();
}

void TestFrmAtelier::gutterFollowsTheTyping()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Le vent se lève"));
    QCOMPARE(m_window->scansion().figures(0).syllables, 4);
    QTest::keyClick(m_window->TxtPoeme, Qt::Key_Return);
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Il faut tenter de vivre"));
    QTest::keyClick(m_window->TxtPoeme, Qt::Key_Return);
    QTest::keyClick(m_window->TxtPoeme, Qt::Key_Return);
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Et toujours se relève"));
    const PoemScansion &scansion = m_window->scansion();
    QCOMPARE(scansion.lineCount(), 4);
    QCOMPARE(scansion.figures(1).syllables, 6);
    QCOMPARE(scansion.figures(1).genre, QStringLiteral("f"));
    QVERIFY(scansion.figures(2).blank);
    QCOMPARE(PoemGutter::lineText(scansion, 2), QString());
    QCOMPARE(scansion.figures(0).rhyme, QStringLiteral("A"));
    QCOMPARE(scansion.figures(3).rhyme, QStringLiteral("A"));
    QCOMPARE(scansion.figures(1).rhyme, QStringLiteral("–"));
    // The short first line is off the poem's metre of 6; the current line's warning is in the status line.
    QCOMPARE(scansion.metre(), 6);
    QVERIFY(scansion.figures(3).warnings.isEmpty());
    QCOMPARE(m_window->LblEtat->text(), QStringLiteral("6 syllabes"));
    QCOMPARE(scansion.figures(0).warnings.size(), 1);
    m_window->TxtPoeme->moveCursor(QTextCursor::Start);
    QCOMPARE(m_window->LblEtat->text(), scansion.figures(0).warnings.first());
    QCOMPARE(PoemGutter::lineText(scansion, 0), QStringLiteral(" 4  A  f  !"));
}

void TestFrmAtelier::onlyTheEditedLineIsCounted()
{
    m_window->TxtPoeme->setPlainText(QStringLiteral("un\ndeux\ntrois\nquatre"));
    PoemScansion &scansion = const_cast<PoemScansion &>(m_window->scansion());
    scansion.takeScannedCount();
    QTextCursor cursor(m_window->TxtPoeme->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    m_window->TxtPoeme->setTextCursor(cursor);
    QTest::keyClicks(m_window->TxtPoeme, QStringLiteral(" amis"));
    QCOMPARE(scansion.takeScannedCount(), 5); // one line, once per key
    QCOMPARE(scansion.figures(2).syllables, 3);
    // Deleting a whole line keeps the others' figures in step.
    cursor.select(QTextCursor::BlockUnderCursor);
    cursor.removeSelectedText();
    QCOMPARE(scansion.lineCount(), 3);
    QCOMPARE(scansion.figures(2).syllables, 1);
}

void TestFrmAtelier::closeAsksAndCancelKeepsThePoem()
{
    QVERIFY(m_window->close());
    QCOMPARE(m_questions, 0);
    m_window->show();
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Demain"));
    m_answer = QMessageBox::Cancel;
    QVERIFY(!m_window->close());
    QCOMPARE(m_questions, 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->TxtPoeme->toPlainText(), QStringLiteral("Demain"));
}

void TestFrmAtelier::discardRemovesTheCopy()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Demain, dès l'aube"));
    m_window->writeRecoveryNow();
    PoemRecovery recovery(m_dir->filePath(QStringLiteral("versalune")));
    QVERIFY(recovery.pending());
    QCOMPARE(recovery.pending()->text, QStringLiteral("Demain, dès l'aube"));
    QCOMPARE(m_window->LblSecours->text(), QStringLiteral("Copie de secours faite"));

    FrmAtelier later(m_dir->filePath(QStringLiteral("versalune")));
    later.takeRecovered(*recovery.pending());
    QCOMPARE(later.TxtPoeme->toPlainText(), QStringLiteral("Demain, dès l'aube"));
    QVERIFY(later.isModified());
    later.ask = [](const QString &, QMessageBox::StandardButtons) { return QMessageBox::Discard; };

    m_answer = QMessageBox::Discard;
    QVERIFY(m_window->close());
    QVERIFY(!recovery.pending());
}

void TestFrmAtelier::saveWritesAndRemovesTheCopy()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Mignonne"));
    m_window->writeRecoveryNow();
    m_answer = QMessageBox::Save;
    QVERIFY(m_window->close());
    QFile file(m_dir->filePath(QStringLiteral("poeme.txt")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("Mignonne"));
    QVERIFY(!PoemRecovery(m_dir->filePath(QStringLiteral("versalune"))).pending());
    QVERIFY(!m_window->isModified());
}

void TestFrmAtelier::notTextLeavesThePoemAlone()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Mon poème"));
    const QString path = m_dir->filePath(QStringLiteral("image.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    file.close();
    QVERIFY(!m_window->openFile(path));
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told.first().contains(QStringLiteral("n'est pas un texte")));
    QCOMPARE(m_window->TxtPoeme->toPlainText(), QStringLiteral("Mon poème"));
    QCOMPARE(m_questions, 0); // refused before any question about the open poem
    m_window->TxtPoeme->document()->setModified(false);
}

namespace {
QAction *actionNamed(QMenu *menu, const QString &caption)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}
} // namespace

// The check goes at once from the line's figures, stays off in the
// preferences, and a window opened later starts with it off.
void TestFrmAtelier::switchingOffHiatusRemovesItsMark()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Tu es venu"));
    const int before = int(m_window->scansion().figures(0).warnings.size());
    QVERIFY(before >= 1);
    QAction *hiatus = actionNamed(m_window->MnuAlertes, QStringLiteral("Hiatus"));
    QVERIFY(hiatus && hiatus->isChecked());
    QCOMPARE(m_window->MnuAlertes->actions().size(), 6);
    hiatus->trigger();
    QCOMPARE(m_window->scansion().figures(0).warnings.size(), before - 1);
    QCOMPARE(AppGlobals::instance().preferences.atelierWarnings, QStringLiteral("111011"));

    FrmAtelier later(m_dir->filePath(QStringLiteral("autre")));
    QVERIFY(!actionNamed(later.MnuAlertes, QStringLiteral("Hiatus"))->isChecked());
    later.TxtPoeme->insertPlainText(QStringLiteral("Tu es venu"));
    QCOMPARE(later.scansion().figures(0).warnings.size(), before - 1);
    hiatus->trigger();
    QCOMPARE(m_window->scansion().figures(0).warnings.size(), before);
}

// A word with two readings offers both and the usual count; a plain word
// offers nothing.
void TestFrmAtelier::wordMenuChoosesTheCount()
{
    m_window->TxtPoeme->insertPlainText(QStringLiteral("Le lion vient ce soir"));
    const int usual = m_window->scansion().figures(0).syllables;
    QMenu plain;
    m_window->addWordCountActions(&plain, 1);
    QVERIFY(plain.actions().isEmpty());

    QMenu menu;
    m_window->addWordCountActions(&menu, 4);
    QAction *one = actionNamed(&menu, QStringLiteral("lion : 1 syllabe"));
    QAction *two = actionNamed(&menu, QStringLiteral("lion : 2 syllabes"));
    QAction *habit = actionNamed(&menu, QStringLiteral("Compte habituel"));
    QVERIFY(one && two && habit);
    QVERIFY(habit->isChecked());
    two->trigger();
    QCOMPARE(m_window->scansion().figures(0).syllables, 6);
    one->trigger();
    QCOMPARE(m_window->scansion().figures(0).syllables, 5);
    QMenu again;
    m_window->addWordCountActions(&again, 4);
    QVERIFY(actionNamed(&again, QStringLiteral("lion : 1 syllabe"))->isChecked());
    QVERIFY(!actionNamed(&again, QStringLiteral("Compte habituel"))->isChecked());
    actionNamed(&again, QStringLiteral("Compte habituel"))->trigger();
    QCOMPARE(m_window->scansion().figures(0).syllables, usual);
}

// Opened and saved poems come first in the menu, five at most; one that
// can no longer be read leaves the list with a message.
void TestFrmAtelier::recentPoemsOfferedAndCapped()
{
    QStringList paths;
    for (int i = 0; i < 6; ++i) {
        paths << m_dir->filePath(QStringLiteral("poeme%1.txt").arg(i));
        QVERIFY(m_window->saveAs(paths.last()));
    }
    QCOMPARE(FrmAtelier::recentPoems().size(), FrmAtelier::RecentPoemsKept);
    QCOMPARE(FrmAtelier::recentPoems().first(), paths.last());
    QVERIFY(!FrmAtelier::recentPoems().contains(paths.first()));

    QVERIFY(m_window->openFile(paths[2]));
    QCOMPARE(FrmAtelier::recentPoems().first(), paths[2]);
    QCOMPARE(FrmAtelier::recentPoems().size(), FrmAtelier::RecentPoemsKept);

    emit m_window->MnuRecents->aboutToShow();
    QAction *fourth = actionNamed(m_window->MnuRecents, QStringLiteral("poeme4.txt"));
    QVERIFY(fourth);
    QCOMPARE(m_window->MnuRecents->actions().first()->text(), QStringLiteral("poeme2.txt"));
    fourth->trigger();
    QCOMPARE(m_window->filePath(), paths[4]);

    QVERIFY(QFile::remove(paths[3]));
    emit m_window->MnuRecents->aboutToShow();
    actionNamed(m_window->MnuRecents, QStringLiteral("poeme3.txt"))->trigger();
    QCOMPARE(m_told.size(), 1);
    QVERIFY(!FrmAtelier::recentPoems().contains(paths[3]));
    QCOMPARE(m_window->filePath(), paths[4]);
}

QTEST_MAIN(TestFrmAtelier)
#include "tst_frmatelier.moc"
