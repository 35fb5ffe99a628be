#include "ui/main/MainWindowAccess.h"

#include "ui/main/FrmDisplay.h"
#include "ui/main/HelpIcon.h"
#include "ui/windows/AccessibleNames.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QShortcut>

namespace {
void describe(QWidget *control, const QString &name, const QString &description = QString())
{
    if (!control)
        return;
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

// A caption as read aloud: single blanks, no trailing colon or full stop.
QString spoken(QString caption)
{
    caption = caption.remove(QLatin1Char('&')).simplified();
    caption.replace(QStringLiteral("l ' "), QStringLiteral("l'"));
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char('.')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

void NameMainWindowControls(FrmDisplay &w)
{
    describe(w.T1, QStringLiteral("Mot à chercher"), QStringLiteral("Le mot dont on cherche les rimes"));
    const QString lists[3] = {QStringLiteral("Rimes riches"), QStringLiteral("Rimes pauvres ou suffisantes"),
                              QStringLiteral("Terminaison des mots")};
    for (int i = 1; i <= 3; ++i)
        describe(w.Lst[i], lists[i - 1], QStringLiteral("Résultats de la recherche : un mot par ligne"));
    QCheckBox *kinds[3] = {w.Chk1, w.Chk2, w.Chk3};
    for (int i = 0; i < 3; ++i) {
        describe(kinds[i], QStringLiteral("Chercher la ") + spoken(w.LblA[i]->text()).toLower());
        if (w.ImgAide[i])
            describe(w.ImgAide[i], QStringLiteral("Aide : ") + spoken(w.LblA[i]->text()));
    }
    for (int n = 2; n <= 5; ++n)
        describe(w.Opt1[n], spoken(w.LblA[n + 1]->text()), QStringLiteral("Longueur de la terminaison"));
    describe(w.ImgAide[3], QStringLiteral("Aide : longueur de la terminaison"));
    describe(w.CboSyl, spoken(w.LblA[7]->text()));
    describe(w.CboType, spoken(w.LblA[9]->text()));
    describe(w.CboGenre, spoken(w.LblCboGenre->text()));
    describe(w.ChkOpt1, spoken(w.LblA[8]->text()));
    describe(w.ImgAide[4], QStringLiteral("Aide : ") + spoken(w.LblA[8]->text()));
    describe(w.ChkOrtho, spoken(w.LblA[15]->text()));
    NameControlsFromTheirTexts(&w);
}

void AddMainWindowKeys(FrmDisplay &w)
{
    auto *help = new QShortcut(QKeySequence::HelpContents, &w);
    QObject::connect(help, &QShortcut::activated, w.CmdMAJ, &QAbstractButton::click);
    auto *quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &w);
    QObject::connect(quit, &QShortcut::activated, w.CmdQuitte, &QAbstractButton::click);
}

void SetMainWindowTabOrder(FrmDisplay &w)
{
    // The search panel keeps the order its controls were made in.
    QList<QWidget *> order;
    for (QWidget *next = w.T1; next && !order.contains(next); next = next->nextInFocusChain()) {
        if (next == w.T1 || (next->focusPolicy() & Qt::TabFocus && w.Sha[0]->parentWidget()
                             && w.Sha[0]->parentWidget()->isAncestorOf(next)))
            order.append(next);
    }
    for (int i = 1; i <= 3; ++i)
        order.append(w.Lst[i]);
    order << w.CmdCopier << w.CmdSyn << w.CmdMAJ << w.CmdOrtho << w.CmdSynonyme << w.CmdOptions << w.CmdConseils
          << w.CmdAp << w.CmdQuitte;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
