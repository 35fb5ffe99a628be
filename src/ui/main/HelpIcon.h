#pragma once

// A "Plus d'info" icon of the main window: lights up under the mouse and
// reports clicks; all are lit while a search runs.
#include "ui/windows/WindowChrome.h"

class HelpIcon : public HoverPicture {
    Q_OBJECT
public:
    explicit HelpIcon(QWidget *parent);
};
