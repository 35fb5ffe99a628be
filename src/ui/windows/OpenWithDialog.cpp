#include "ui/windows/OpenWithDialog.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"

#include "lexicon/AppGlobals.h"
#include "ui/windows/WindowChrome.h"
#include "ui/windows/WindowParts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

OpenWithDialog::OpenWithDialog(const QString &target, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(AppGlobals::messageTitle());
    setMinimumWidth(480);
    // Only the main window ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    auto *Lbl = new QLabel(QStringLiteral("Aucun programme n'a pu ouvrir ce lien.\n"
                                          "Copiez-le pour l'ouvrir avec le programme de votre choix :"),
                           this);
    layout->addWidget(Lbl);

    TxtLien = new QLineEdit(target, this);
    TxtLien->setReadOnly(true);
    TxtLien->setCursorPosition(0);
    layout->addWidget(TxtLien);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    CmdCopier = new SkinnedButton(QStringLiteral("&Copier le lien"), this);
    CmdFermer = new SkinnedButton(QStringLiteral("&Fermer"), this);
    buttons->addWidget(CmdCopier);
    buttons->addWidget(CmdFermer);
    layout->addLayout(buttons);

    connect(CmdCopier, &QPushButton::clicked, this, &OpenWithDialog::copyTarget);
    connect(CmdFermer, &QPushButton::clicked, this, &QDialog::accept);
    TxtLien->setAccessibleName(QStringLiteral("Lien"));
    NameControlsFromTheirTexts(this);
    CmdCopier->setFocus();
    adjustSize();
    WindowParts::placeUpperCentre(this);
}

void OpenWithDialog::offer(const QString &target)
{
    // Owned by itself: it is deleted when closed.
    auto *dialog = new OpenWithDialog(target);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

QString OpenWithDialog::target() const
{
    return TxtLien->text();
}

void OpenWithDialog::copyTarget()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(TxtLien->text());
    TxtLien->selectAll();
}
