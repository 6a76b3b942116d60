#include "ledgers.h"

#include "datafileerror.h"
#include "linefile.h"

namespace kirveno {
namespace {

constexpr int amountColumn = 37; // 0-based column 38 of a daily record
constexpr int nameWidth = 15;
const QString separator = QStringLiteral(" ---- ");

} // namespace

QString dateText(QDate date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString dailyRecord(const ClosedSession &session)
{
    return session.name.leftJustified(nameWidth, QLatin1Char(' ')) + session.start + separator
           + session.finish + separator + paddedAmount(session.total) + QLatin1Char('-');
}

Cents dailyRecordAmount(const QString &line, int lineIndex, const QString &file)
{
    if (line.size() <= amountColumn)
        return 0;
    QStringView field = QStringView(line).mid(amountColumn);
    if (field.endsWith(QLatin1Char('-')))
        field.chop(1);
    const auto amount = parseAmount(field);
    if (!amount)
        throwBadLine(file, lineIndex, line,
                     QStringLiteral("a booked total such as 05,50 in column 38"));
    return *amount;
}

Cents dayTotal(const QStringList &daily, const QString &file)
{
    Cents total = 0;
    for (int i = 1; i < daily.size(); ++i)
        total += dailyRecordAmount(daily[i], i, file);
    return total;
}

QString monthlyLine(const QString &dayLine, Cents total)
{
    return dayLine + separator + paddedAmount(total);
}

void bookSession(const LedgerPaths &paths, const ClosedSession &session, QDate today)
{
    const QString record = dailyRecord(session);
    const QString todayText = dateText(today);
    QStringList daily = readLines(paths.daily);
    if (!daily.isEmpty() && daily.first() == todayText) {
        daily.append(record);
        writeLines(paths.daily, daily);
        return;
    }
    const QString dayLine = daily.value(0);
    const Cents total = dayTotal(daily, paths.daily);
    QStringList monthly = readLines(paths.monthly);
    monthly.append(monthlyLine(dayLine, total));
    writeLines(paths.monthly, monthly);
    writeLines(paths.daily, {todayText, record});
}

} // namespace kirveno
