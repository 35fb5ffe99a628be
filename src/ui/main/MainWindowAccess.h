#pragma once

// What the main window offers beyond the mouse: the names and descriptions a
// screen reader speaks for every control, the picture buttons included, and
// the window's keys (F1 for the help, Ctrl+Q to quit).
class FrmDisplay;
class QWidget;

// Every control of the window that can be clicked or take the keyboard gets
// a name and a description: the ones given here, else its tooltip or its
// caption (without the "&" of its key).
void NameMainWindowControls(FrmDisplay &window);

// F1 opens the help; Ctrl+Q quits the way the Quitter button does.
void AddMainWindowKeys(FrmDisplay &window);

// Tab goes from the input box through the search options, then the result
// lists, Copier, Synonymes and the row of buttons at the top.
void SetMainWindowTabOrder(FrmDisplay &window);
