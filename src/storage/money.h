#pragma once

#include <QString>
#include <optional>

// Money is counted in integer hundredths. Texts use a decimal comma.
namespace kirveno {

using Cents = qint64;

// Reads "05,50", "5,5", "12", ",50" or "0"; blanks around the number are ignored. A group
// separator, a sign, a third decimal or any other character makes it unreadable.
std::optional<Cents> parseAmount(QStringView text);

// At least two digits before the comma, two after: 05,50, 12,00, 00,50, 123,45. The form of
// stored amounts, booked totals and day totals.
QString paddedAmount(Cents cents);

// No leading zero: 5,50, 0,50, 12,00, 123,45. The form the board and the bill show.
QString plainAmount(Cents cents);

// With "." between thousands and no leading zero: 0,00, 5,50, 123,44, 20.000,00. The form of
// the totals the reports show.
QString groupedAmount(Cents cents);

// The same with at least two digits before the comma: 01,50, 12,00, 1.235,00. The form of a
// month's total.
QString paddedGroupedAmount(Cents cents);

// An amount kept in the table state file: "0" for none, otherwise the padded form.
QString storedAmount(Cents cents);

// The same from the two two-digit parts the dialogs step: 05 and 50 give 05,50, 00 and 00 "0".
QString amountFromParts(int whole, int hundredths);

struct AmountParts
{
    int whole = 0;
    int hundredths = 0;
};
// The two parts of a stored amount; "0" gives 00 and 00.
AmountParts partsOfAmount(Cents cents);

// A two-digit field: 7 gives 07, 12 stays 12.
QString twoDigits(int value);

} // namespace kirveno
