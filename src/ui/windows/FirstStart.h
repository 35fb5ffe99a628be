#pragma once

// Whether the program starts for the very first time on this computer: a
// small marker file beside the options file says it has started before. The
// options file itself cannot tell, since a default one ships with the program.
#include <QString>

namespace FirstStart {
QString markerPath(const QString &appDir);

bool isFirstStart(const QString &appDir);

// Leaves the marker; false when it cannot be written (the tips will then be
// offered again at the next start, which loses nothing).
bool markStarted(const QString &appDir);

// True once: on the first start, which it marks at the same time.
bool takeFirstStart(const QString &appDir);
} // namespace FirstStart
