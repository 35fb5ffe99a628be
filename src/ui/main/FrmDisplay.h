#pragma once

// The main window.
#include <QWidget>

class QLabel;
struct LexiconData;

class FrmDisplay : public QWidget {
    Q_OBJECT
public:
    explicit FrmDisplay(const LexiconData &data, QWidget *parent = nullptr);

private:
    QLabel *LblVersion = nullptr;
};
