#pragma once

// The program's message boxes. Their texts are lines joined by CR LF, laid
// out by hand; the box shows each line as one line, never wrapped, so that
// no word is left alone on a line of its own.
#include <QMessageBox>
#include <QString>

namespace MessageBoxes {
// The text as the box's label shows it: every line kept whole, trailing
// blanks included.
QString unwrapped(const QString &text);

// Shows a box with the program's title and waits for its answer.
QMessageBox::StandardButton show(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok);
} // namespace MessageBoxes
