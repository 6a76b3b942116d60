#include "reports.h"

#include "storage/ledgers.h"

#include <QSet>

namespace kirveno {
namespace {

// Characters 4 to 10 of a day's line: empty when the line is shorter than four characters.
QStringView monthOf(const QString &line)
{
    return QStringView(line).mid(3, 7);
}

} // namespace

QStringList dailyView(const QStringList &daily)
{
    QStringList view{daily.value(0)};
    for (qsizetype i = 1; i < daily.size(); ++i) {
        if (!daily[i].isEmpty())
            view.append(daily[i]);
    }
    return view;
}

QStringList monthKeys(const QStringList &monthly)
{
    QStringList keys;
    QSet<QStringView> seen;
    for (qsizetype i = 1; i < monthly.size(); ++i) {
        const QStringView month = monthOf(monthly[i]);
        if (!month.isEmpty() && !seen.contains(month)) {
            seen.insert(month);
            keys.append(month.toString());
        }
    }
    return keys;
}

QStringList monthDays(const QStringList &monthly, const QString &month)
{
    QStringList days;
    for (qsizetype i = 1; i < monthly.size(); ++i) {
        if (monthOf(monthly[i]) == month)
            days.append(monthly[i]);
    }
    return days;
}

Cents monthTotal(const QStringList &monthly, const QString &month, const QString &file)
{
    Cents total = 0;
    for (int i = 1; i < monthly.size(); ++i) {
        if (monthOf(monthly[i]) == month)
            total += monthlyLineAmount(monthly[i], i, file);
    }
    return total;
}

bool mayRemove(const QStringList &entries, int row, const QString &todayText)
{
    return !entries.isEmpty() && entries.first() == todayText && row != 0;
}

} // namespace kirveno
