// The ways between the main window and the poem workbench: its button, the
// rhyme searches a poem's line asks for, and the word chosen back.
#include "ui/main/FrmDisplay.h"
#include "ui/main/MainGeometry.h"
#include "ui/main/WordDetails.h"
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/WindowChrome.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using namespace MainGeometry;

namespace {
constexpr int kAtelierWidth = 80, kAtelierHeight = 20, kAtelierGap = 12;
const QString kReplaceCaption = QStringLiteral("Remplacer le dernier mot");
} // namespace

void FrmDisplay::buildAtelierLinks()
{
    CmdAtelier = new SkinnedButton(QStringLiteral("Atelier"), this);
    CmdAtelier->setObjectName(QStringLiteral("CmdAtelier"));
    CmdAtelier->setToolTip(QStringLiteral("Atelier du poème : écrire un poème et en compter les vers"));
    CmdAtelier->resize(kAtelierWidth, kAtelierHeight);
    connect(CmdAtelier, &QPushButton::clicked, this, [this] { connectAtelier(FrmAtelier::open()); });
    // A search typed by the user is no longer the poem's.
    connect(T1, &QLineEdit::textEdited, this, [this] { m_searchFromPoem = false; });
    for (int list = 1; list <= 3; ++list) {
        Lst[list]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(Lst[list], &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint &position) { showPoemMenu(list, position); });
    }
}

void FrmDisplay::placeAtelierButton()
{
    if (!CmdAtelier)
        return;
    CmdAtelier->move(width() - kMinimiseFromRight - kAtelierGap - kAtelierWidth, (kStripHeight - kAtelierHeight) / 2);
    CmdAtelier->raise();
}

void FrmDisplay::connectAtelier(FrmAtelier *atelier)
{
    if (!atelier)
        return;
    connect(atelier, &FrmAtelier::rhymeSearchWanted, this,
            [this, atelier](const QString &word, const QString &genre, int syllables) {
                m_poemAsker = atelier;
                searchForPoem(word, genre, syllables);
            });
}

void FrmDisplay::searchForPoem(const QString &word, const QString &genre, int syllables)
{
    T1->setText(word);
    const int genreIndex = genre == QStringLiteral("m") ? 1 : genre == QStringLiteral("f") ? 2 : 0;
    CboGenre->setCurrentIndex(genreIndex);
    const int sylIndex = CboSyl->findText(QString::number(syllables));
    CboSyl->setCurrentIndex(syllables > 0 && sylIndex > 0 ? sylIndex : 0);
    show();
    raise();
    activateWindow();
    StartSearch();
    m_searchFromPoem = true;
}

void FrmDisplay::chooseForPoem(int list, int row)
{
    const QListWidgetItem *item = Lst[list]->item(row);
    if (!item || !m_searchFromPoem)
        return;
    const auto details = WordDetails::fromResultLine(item->text());
    if (!details || details->word.isEmpty())
        return;
    emit poemWordChosen(details->word);
    if (m_poemAsker) {
        m_poemAsker->replaceLastWord(details->word);
        m_poemAsker->raise();
        m_poemAsker->activateWindow();
    }
}

void FrmDisplay::showPoemMenu(int list, const QPoint &position)
{
    const QListWidgetItem *item = Lst[list]->itemAt(position);
    if (!item || !m_searchFromPoem || !m_poemAsker)
        return;
    QMenu menu(this);
    const QAction *replace = menu.addAction(kReplaceCaption);
    if (menu.exec(Lst[list]->viewport()->mapToGlobal(position)) == replace)
        chooseForPoem(list, Lst[list]->row(item));
}
