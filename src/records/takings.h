#pragma once

#include "storage/money.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <variant>

// The takings as the reports window hands them on: the view shown as a spreadsheet file for the
// accountant, and the bars of a month's days or of the last twelve months.
namespace kirveno {

class TextTable;

// A cell of the spreadsheet file: a text, or an amount that the spreadsheet can sum.
using CsvCell = std::variant<QString, Cents>;
using CsvRow = QList<CsvCell>;

// What a spreadsheet in the operator's language expects between the fields and before the
// hundredths.
struct CsvFormat
{
    char separator = ',';
    char decimalMark = '.';
};

// ";" and "123,44" when the language in force is Turkish, "," and "123.44" for any other.
CsvFormat csvFormat(const QString &languageName);

// The daily view (its date line, then the records as they stand in the file) as a header, a row
// for each record (name, start, finish, amount) and the total row. A line that is not in the
// record's form keeps its whole text in the name and the amount the day's total counts for it.
// Throws DataFileError naming the file, the line and its text when an amount is not one.
QList<CsvRow> dailyTable(const QStringList &view, const TextTable &texts, const QString &file);

// The days of one month (mm.yyyy) in the monthly ledger as a header, a row for each day (date,
// day total) and the month's total row. Throws DataFileError like dailyTable.
QList<CsvRow> monthTable(const QStringList &monthly, const QString &month, const TextTable &texts,
                         const QString &file);

// UTF-8 with a byte-order mark and CR LF line ends. A text holding a separator of either format,
// a quote or a line break stands in quotes, its quotes doubled; amounts are exact to the
// hundredth and not grouped.
QByteArray csvBytes(const QList<CsvRow> &rows, CsvFormat format);

// takings-2026-12-10.csv for the day 10.12.2026, takings-2026-12.csv for the month 12.2026, and
// takings.csv for a period that is neither.
QString csvFileName(const QString &period);

struct TakingsBar
{
    QString label;
    Cents amount = 0;

    friend bool operator==(const TakingsBar &, const TakingsBar &) = default;
};

// A bar for each day of the month (mm.yyyy), labelled 1, 2, ...: the day totals of its lines,
// zero for a day without one. None for a text that is not a month.
QList<TakingsBar> monthBars(const QStringList &monthly, const QString &month, const QString &file);

// A bar for each of the twelve months that end with today's, oldest first, labelled mm.yyyy:
// the month's total, zero for a month without lines.
QList<TakingsBar> twelveMonthBars(const QStringList &monthly, QDate today, const QString &file);

// Where the value axis of the bars is marked: from 0 in equal round steps (1, 2 or 5 times a
// power of ten, at least 1,00), at most five of them, up to the first mark at or above highest.
QList<Cents> axisMarks(Cents highest);

} // namespace kirveno
