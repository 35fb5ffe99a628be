#include "ui/main/HelpIcon.h"

#include "ui/main/MainPictures.h"

HelpIcon::HelpIcon(QWidget *parent)
    : HoverPicture(MainPictures::helpIcon(false), MainPictures::helpIcon(true), parent)
{
    setToolTip(QStringLiteral("Plus d'info"));
    setAccessibleName(QStringLiteral("Aide"));
}
