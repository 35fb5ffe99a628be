#include "search/ResultOrder.h"

#include "search/SearchRun.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace {
const QCollator &frenchCollator()
{
    static const QCollator collator = [] {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setCaseSensitivity(Qt::CaseInsensitive);
        french.setIgnorePunctuation(false);
        return french;
    }();
    return collator;
}
} // namespace

bool FrenchLess(const QString &a, const QString &b)
{
    const int order = frenchCollator().compare(a, b);
    if (order != 0)
        return order < 0;
    // Words the collator cannot tell apart ("Pâques", "pâques") still get a
    // fixed order.
    return a < b;
}

void SortAlphabetically(QList<ResultEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ResultEntry &a, const ResultEntry &b) { return FrenchLess(a.headword, b.headword); });
}
