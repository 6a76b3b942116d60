#include "ledgers.h"

#include "datafileerror.h"
#include "linefile.h"

namespace kirveno {
namespace {

constexpr int amountColumn = 37;        // 0-based column 38 of a daily record
constexpr int monthlyAmountColumn = 16; // 0-based column 17 of a monthly line
constexpr int nameWidth = 15;
const QString separator = QStringLiteral(" ---- ");

// Where the amount of a ledger line starts: behind the line's last separator when that stands
// where the fixed columns put it or further right (a longer name or date line moves it), else
// at the fixed column.
qsizetype amountStart(const QString &line, qsizetype column)
{
    const qsizetype last = line.lastIndexOf(separator);
    return last >= column - separator.size() ? last + separator.size() : column;
}

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
    // The total stands between the record's last separator and its closing "-": column 38 for
    // every name of up to 15 characters, and still found behind a longer name. Whatever follows
    // the "-" (a blank left by an editor) is not part of it.
    QStringView field = QStringView(line).sliced(amountStart(line, amountColumn));
    const qsizetype closing = field.indexOf(QLatin1Char('-'));
    if (closing >= 0)
        field.truncate(closing);
    const auto amount = parseAmount(field);
    if (!amount)
        throwBadLine(file, lineIndex, line, u"000203");
    return *amount;
}

Cents dayTotal(const QStringList &daily, const QString &file)
{
    Cents total = 0;
    for (int i = 1; i < daily.size(); ++i)
        total += dailyRecordAmount(daily[i], i, file);
    return total;
}

Cents monthlyLineAmount(const QString &line, int lineIndex, const QString &file)
{
    const auto amount = parseAmount(QStringView(line).mid(amountStart(line, monthlyAmountColumn)));
    if (!amount)
        throwBadLine(file, lineIndex, line, u"000212");
    return *amount;
}

QString monthlyLine(const QString &dayLine, Cents total)
{
    return dayLine + separator + paddedAmount(total);
}

QList<FileChange> bookingChanges(const LedgerPaths &paths, const ClosedSession &session,
                                 QDate today)
{
    const QString record = dailyRecord(session);
    const QString todayText = dateText(today);
    const QStringList daily = readLines(paths.daily);
    if (!daily.isEmpty() && daily.first() == todayText)
        return {{paths.daily, daily + QStringList{record}}};
    const Cents total = dayTotal(daily, paths.daily);
    const QStringList monthly = readLines(paths.monthly);
    return {{paths.monthly, monthly + QStringList{monthlyLine(daily.value(0), total)}},
            {paths.daily, {todayText, record}}};
}

} // namespace kirveno
