#pragma once

#include "journal.h"
#include "money.h"

#include <QDate>
#include <QStringList>

// gunluk.dat collects the sessions closed on one business day under a first line holding the
// day's date; aylik.dat keeps one line a finished day with the day's total, under a first line
// that is not a day. The first closing on another date moves the day's total into the monthly
// ledger and starts the daily ledger anew.
namespace kirveno {

struct ClosedSession
{
    QString name;
    QString start;  // HH:MM
    QString finish; // HH:MM
    Cents total = 0;
};

// dd.mm.yyyy
QString dateText(QDate date);

// The daily record: name padded to 15, start, " ---- ", finish, " ---- ", the total padded to
// five characters, "-". 43 characters for totals below 100.
QString dailyRecord(const ClosedSession &session);

// The booked total of a daily record, read from column 38 up to the record's closing "-" (blanks
// around it ignored); a line too short to reach column 38 books nothing. Throws DataFileError
// naming the file, the line and the text when the field is not an amount.
Cents dailyRecordAmount(const QString &line, int lineIndex, const QString &file);

// The total of a daily ledger's records (every line after the first).
Cents dayTotal(const QStringList &daily, const QString &file);

// The day total of a monthly line, read from column 17 to the end of the line (blanks around it
// ignored), and still found behind a date line longer than ten characters. Throws DataFileError
// naming the file, the line and the text when the field is not an amount.
Cents monthlyLineAmount(const QString &line, int lineIndex, const QString &file);

// The monthly line of a finished day: its date line, " ---- ", the total in the padded form.
QString monthlyLine(const QString &dayLine, Cents total);

struct LedgerPaths
{
    QString daily;
    QString monthly;
};

// What booking one closed session on the given date changes: the daily ledger, and first the
// monthly ledger when the daily one collects another date (the day roll-over). Reads both
// ledgers and writes nothing; throws DataFileError when a ledger cannot be read or holds an
// amount that is not a number.
QList<FileChange> bookingChanges(const LedgerPaths &paths, const ClosedSession &session,
                                 QDate today);

} // namespace kirveno
