#include "ui/main/FrmDisplay.h"

#include "lexicon/AppGlobals.h"
#include "lexicon/LexiconData.h"
#include "ui/windows/WindowChrome.h"

#include <QLabel>
#include <QVBoxLayout>

FrmDisplay::FrmDisplay(const LexiconData &data, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QString::fromLatin1(AppGlobals::MessageTitle));
    auto *layout = new QVBoxLayout(this);
    LblVersion = new QLabel(QStringLiteral("Versalune ") + AppGlobals::appVersion(), this);
    layout->addWidget(LblVersion);
    layout->addWidget(new QLabel(QStringLiteral("%1 mots chargés.").arg(data.words.wordCount()), this));
    resize(400, 120);
}
