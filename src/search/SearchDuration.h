#pragma once

// The duration of a search as the information area shows it: minutes and
// seconds of the time between two times of day, to the second.
#include <QString>
#include <QTime>

struct SearchDuration {
    QString text;     // "hh:mm:ss"
    QString minutes;  // "mm"
    QString seconds;  // "ss"
};

// A search that runs across midnight counts the time up to midnight and
// after it, instead of going negative.
SearchDuration DurationBetween(const QTime &start, const QTime &end);
