#pragma once

// Bytes read in place from the program's own file (a built-in item stored
// uncompressed) are page cache: once a list has been read and cut, its pages
// are left to the system, which brings back those read again. The window
// then holds only the pages of the lines it lists.
#include <QByteArrayView>

// Only for bytes of a read-only mapping of a file that cannot change while
// the program runs (its own executable): memory of any other kind would lose
// its content.
void ReleaseMappedPages(QByteArrayView mappedBytes);
