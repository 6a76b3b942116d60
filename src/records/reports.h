#pragma once

#include "storage/money.h"

#include <QStringList>

// What the reports show of the two ledgers: the daily view of gunluk.dat (its date line and the
// day's records) and, month by month, the days of aylik.dat with their totals.
namespace kirveno {

// The daily ledger as the reports show it and write it back: the date line, kept even when it
// is empty, then the records without the empty lines between them.
QStringList dailyView(const QStringList &daily);

// The months of the monthly ledger (mm.yyyy, characters 4 to 10 of a day's line), each once, in
// the order of their first day. Line 0 is not a day, and a line too short to hold a month is
// passed over.
QStringList monthKeys(const QStringList &monthly);

// The lines of one month's days, whole, in file order.
QStringList monthDays(const QStringList &monthly, const QString &month);

// The sum of one month's day totals. Throws DataFileError naming the file, the line and its text
// when a day total is not an amount.
Cents monthTotal(const QStringList &monthly, const QString &month, const QString &file);

// Whether Remove may take the entry at row (-1 when none is selected) out of the entries shown:
// only in the daily view of today's ledger, and never its date line.
bool mayRemove(const QStringList &entries, int row, const QString &todayText);

} // namespace kirveno
