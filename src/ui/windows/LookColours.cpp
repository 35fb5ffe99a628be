#include "ui/windows/LookColours.h"

#include "lexicon/AppGlobals.h"

#include <QApplication>
#include <QLayout>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

namespace Look {

bool desktopLook()
{
    return AppGlobals::instance().preferences.desktopLook == 1;
}

void applyApplicationPalette()
{
    if (!desktopLook())
        QApplication::setPalette(QApplication::style()->standardPalette());
}

Qt::WindowFlags windowFlags(Qt::WindowFlags flags)
{
    if (desktopLook())
        return flags & ~Qt::WindowFlags(Qt::FramelessWindowHint);
    return flags | Qt::FramelessWindowHint;
}

QColor designColour(QPalette::ColorRole role, const QColor &design)
{
    if (!desktopLook())
        return design;
    return QApplication::palette().color(QPalette::Active, role);
}

QString css(QPalette::ColorRole role, const QColor &design)
{
    const QColor colour = designColour(role, design);
    if (colour.alpha() == 255)
        return colour.name();
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

void hideUnderDesktopLook(QWidget *ownChrome)
{
    if (ownChrome && desktopLook())
        ownChrome->hide();
}

QString withoutColours(const QString &sheet)
{
    static const QRegularExpression colourDeclaration(QStringLiteral(
        R"((?<![\w-])(background|color|border|alternate-background-color|selection-[\w-]+)[\w-]*\s*:[^;{}]*;?)"));
    QString kept = sheet;
    kept.remove(colourDeclaration);
    return kept.trimmed();
}

namespace {
void dropColours(QWidget *widget)
{
    if (!widget->styleSheet().isEmpty())
        widget->setStyleSheet(withoutColours(widget->styleSheet()));
}

// The strip's pictures and captions go; what lies below moves up into its
// place. A window laid out by a layout (whose strip hides itself) only gives
// up the layout's room for the strip.
void closeTitleGap(QWidget *window, int titleHeight)
{
    if (QLayout *layout = window->layout()) {
        QMargins margins = layout->contentsMargins();
        margins.setTop(std::max(0, margins.top() - titleHeight));
        layout->setContentsMargins(margins);
    } else {
        for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow())
                continue;
            const QRect place = child->geometry();
            if (place.top() >= 0 && place.bottom() < titleHeight)
                child->hide();
            else if (place.top() >= titleHeight / 2)
                child->move(place.x(), place.y() - titleHeight);
        }
    }
    const QSize size(window->width(), window->height() - titleHeight);
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
}
} // namespace

void fitToDesktop(QWidget *window, int titleHeight)
{
    if (!window || !desktopLook())
        return;
    dropColours(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        dropColours(child);
    if (titleHeight > 0)
        closeTitleGap(window, titleHeight);
}

} // namespace Look
