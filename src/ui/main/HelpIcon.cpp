#include "ui/main/HelpIcon.h"

#include "ui/main/MainPictures.h"

#include <QMouseEvent>

HelpIcon::HelpIcon(QWidget *parent)
    : QLabel(parent), m_normal(MainPictures::helpIcon(false)), m_lit(MainPictures::helpIcon(true))
{
    setPixmap(m_normal);
    setFixedSize(m_normal.size());
    setToolTip(QStringLiteral("Plus d'info"));
    setCursor(Qt::PointingHandCursor);
}

void HelpIcon::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    setPixmap(highlighted ? m_lit : m_normal);
}

void HelpIcon::enterEvent(QEnterEvent *event)
{
    if (isEnabled())
        setHighlighted(true);
    QLabel::enterEvent(event);
}

void HelpIcon::leaveEvent(QEvent *event)
{
    // While a search runs the icons stay lit and disabled.
    if (isEnabled())
        setHighlighted(false);
    QLabel::leaveEvent(event);
}

void HelpIcon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
