#include "ui/windows/MessageBoxes.h"

#include "lexicon/AppGlobals.h"

#include <QAbstractButton>

namespace MessageBoxes {

QString unwrapped(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Rich text that keeps its line breaks and blanks and never wraps: the
    // box then grows to the longest line instead of breaking it.
    return QStringLiteral("<p style=\"white-space:pre\">") + lines.toHtmlEscaped() + QStringLiteral("</p>");
}

QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, AppGlobals::messageTitle(), unwrapped(text), buttons, parent);
    box.setTextFormat(Qt::RichText);
    // French captions even where the toolkit's translations are missing.
    if (QAbstractButton *yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("&Oui"));
    if (QAbstractButton *no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("&Non"));
    return QMessageBox::StandardButton(box.exec());
}

} // namespace MessageBoxes
