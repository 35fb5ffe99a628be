#include "search/SearchDuration.h"

SearchDuration DurationBetween(const QTime &start, const QTime &end)
{
    constexpr int secondsPerDay = 24 * 60 * 60;
    int seconds = (start.isValid() && end.isValid()) ? start.secsTo(end) : 0;
    if (seconds < 0)
        seconds += secondsPerDay;
    const QString text = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
    return {text, text.mid(3, 2), text.mid(6, 2)};
}
