#include "ui/windows/WindowChrome.h"
#include "ui/windows/AccessibleNames.h"
#include "ui/windows/LookColours.h"
#include "ui/windows/SharpPixmap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {
class DragFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            auto *widget = qobject_cast<QWidget *>(watched);
            if (mouse->button() == Qt::LeftButton && widget && widget->window()->windowHandle()) {
                widget->window()->windowHandle()->startSystemMove();
                return true;
            }
        }
        return false;
    }
};

const char *kButtonStyle =
    "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4f1fa, stop:1 #d9d2ea);"
    " border: 1px solid #7d6fa3; border-radius: 4px; padding: 2px 8px; color: #221a3a; }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e6dff5); }"
    "QPushButton:pressed { background: #c9bfe0; }"
    "QPushButton:focus { border: 2px solid #4b3391; }"
    "QPushButton:disabled { color: #9a94ad; border-color: #b9b3c9; background: #ebe8f1; }";
const char *kArmedStyle =
    "QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7b5fc7, stop:1 #4b3391);"
    " border: 1px solid #2f1f63; border-radius: 4px; padding: 2px 8px; color: white; font-weight: bold; }"
    "QPushButton:hover { background: #6a4fbb; }"
    "QPushButton:pressed { background: #3d2a7a; }"
    "QPushButton:focus { border: 2px solid #f2c14e; }";
QString pictureName(Chrome::Picture which)
{
    switch (which) {
    case Chrome::Picture::Close:
        return QStringLiteral("Fermer");
    case Chrome::Picture::Minimise:
        return QStringLiteral("Réduire");
    case Chrome::Picture::Maximise:
        return QStringLiteral("Agrandir");
    case Chrome::Picture::Restore:
        return QStringLiteral("Restaurer");
    }
    return QString();
}
} // namespace

namespace Chrome {

void makeFrameless(QWidget *window)
{
    window->setWindowFlags(Look::windowFlags(window->windowFlags()));
}

void makeDragHandle(QWidget *handle)
{
    handle->installEventFilter(new DragFilter(handle));
}

QPixmap picture(Picture which, bool highlighted)
{
    QPixmap pixmap = sharpPixmap(17, 17);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(highlighted ? "#ffffff" : "#3b2d6b"), 1));
    painter.setBrush(QColor(highlighted ? (which == Picture::Close ? "#c0392b" : "#6a4fbb") : "#e7e2f3"));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 16, 16), 3, 3);
    painter.setPen(QPen(QColor(highlighted ? "#ffffff" : "#3b2d6b"), 2));
    if (which == Picture::Close) {
        painter.drawLine(QPointF(5, 5), QPointF(12, 12));
        painter.drawLine(QPointF(12, 5), QPointF(5, 12));
    } else if (which == Picture::Minimise) {
        painter.drawLine(QPointF(4.5, 12), QPointF(12.5, 12));
    } else if (which == Picture::Maximise) {
        painter.setPen(QPen(QColor(highlighted ? "#ffffff" : "#3b2d6b"), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(4.5, 4.5, 8, 8));
        painter.drawLine(QPointF(4.5, 5.5), QPointF(12.5, 5.5));
    } else {
        // Two overlapping windows: back to the former size.
        painter.setPen(QPen(QColor(highlighted ? "#ffffff" : "#3b2d6b"), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(6.5, 3.5, 7, 7));
        painter.drawRect(QRectF(3.5, 6.5, 7, 7));
    }
    return pixmap;
}

QPixmap progressBlock()
{
    QPixmap pixmap = sharpPixmap(8, 7);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(0, 0, 7, 7), QColor("#5b3fa8"));
    painter.fillRect(QRect(1, 1, 5, 2), QColor("#9d86e0"));
    return pixmap;
}

} // namespace Chrome

HoverPicture::HoverPicture(Chrome::Picture which, QWidget *parent)
    : HoverPicture(Chrome::picture(which, false), Chrome::picture(which, true), parent)
{
    setAccessibleName(pictureName(which));
}

HoverPicture::HoverPicture(const QPixmap &normal, const QPixmap &highlighted, QWidget *parent)
    : QLabel(parent), m_normal(normal), m_lit(highlighted)
{
    setPixmap(m_normal);
    setFixedSize(m_normal.deviceIndependentSize().toSize());
    setCursor(Qt::PointingHandCursor);
    RegisterPictureButtonsForScreenReaders();
}

void HoverPicture::setPictures(const QPixmap &normal, const QPixmap &highlighted)
{
    m_normal = normal;
    m_lit = highlighted;
    setPixmap(m_highlighted ? m_lit : m_normal);
}

void HoverPicture::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    setPixmap(highlighted ? m_lit : m_normal);
}

void HoverPicture::enterEvent(QEnterEvent *event)
{
    if (isEnabled())
        setHighlighted(true);
    QLabel::enterEvent(event);
}

void HoverPicture::leaveEvent(QEvent *event)
{
    if (isEnabled())
        setHighlighted(false);
    QLabel::leaveEvent(event);
}

void HoverPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

SkinnedButton::SkinnedButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    // The desktop look keeps the desktop's own buttons.
    if (!Look::desktopLook())
        setStyleSheet(QString::fromLatin1(kButtonStyle));
    setCursor(Qt::PointingHandCursor);
}

void SkinnedButton::setArmedLook(bool armed)
{
    m_armed = armed;
    if (Look::desktopLook()) {
        // The armed button is the default one, which the desktop's style marks.
        setDefault(armed);
        return;
    }
    setStyleSheet(QString::fromLatin1(armed ? kArmedStyle : kButtonStyle));
}
