#include "ui/windows/AccessibleNames.h"
#include "ui/windows/WindowChrome.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

namespace {
bool isControl(const QWidget *w)
{
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const HoverPicture *>(w);
}

QString withoutKeyMark(QString caption)
{
    return caption.remove(QLatin1Char('&')).simplified();
}

// The text of the label that names this control, if one does.
QString buddyCaption(const QWidget *control)
{
    const QWidget *window = control->window();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() == control)
            return withoutKeyMark(label->text());
    }
    return QString();
}

QString captionOf(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return withoutKeyMark(button->text());
    if (const auto *box = qobject_cast<const QGroupBox *>(w))
        return withoutKeyMark(box->title());
    return QString();
}

// A picture that acts as a button: its name is its tooltip, its action a press.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(HoverPicture *picture)
        : QAccessibleWidget(picture, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<HoverPicture *>(widget())->clicked();
    }
};

QAccessibleInterface *pictureButtonFactory(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    if (auto *picture = qobject_cast<HoverPicture *>(object))
        return new PictureButtonAccessible(picture);
    return nullptr;
}
} // namespace

void NameControlsFromTheirTexts(QWidget *root)
{
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!isControl(w))
            continue;
        const QString tip = w->toolTip().trimmed();
        if (w->accessibleDescription().isEmpty() && !tip.isEmpty())
            w->setAccessibleDescription(tip);
        if (!w->accessibleName().isEmpty())
            continue;
        QString name = captionOf(w);
        if (name.isEmpty())
            name = buddyCaption(w);
        if (name.isEmpty())
            name = tip;
        if (!name.isEmpty())
            w->setAccessibleName(name);
    }
}

void RegisterPictureButtonsForScreenReaders()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureButtonFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
