// The way from the main window to the poem workbench.
#include "ui/main/FrmDisplay.h"
#include "ui/main/MainGeometry.h"
#include "ui/windows/FrmAtelier.h"
#include "ui/windows/WindowChrome.h"

using namespace MainGeometry;

namespace {
constexpr int kAtelierWidth = 80, kAtelierHeight = 20, kAtelierGap = 12;
}

void FrmDisplay::buildAtelierButton()
{
    CmdAtelier = new SkinnedButton(QStringLiteral("Atelier"), this);
    CmdAtelier->setObjectName(QStringLiteral("CmdAtelier"));
    CmdAtelier->setToolTip(QStringLiteral("Atelier du poème : écrire un poème et en compter les vers"));
    CmdAtelier->resize(kAtelierWidth, kAtelierHeight);
    connect(CmdAtelier, &QPushButton::clicked, this, [] { FrmAtelier::open(); });
}

void FrmDisplay::placeAtelierButton()
{
    if (!CmdAtelier)
        return;
    CmdAtelier->move(width() - kMinimiseFromRight - kAtelierGap - kAtelierWidth, (kStripHeight - kAtelierHeight) / 2);
    CmdAtelier->raise();
}
