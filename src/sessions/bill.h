#pragma once

#include "storage/money.h"

#include <QString>
#include <optional>

namespace kirveno {

// The bill of a closing: what the table's row owes plus the addition.
struct Bill
{
    Cents total = 0;
    QString booked; // the ledger's form: 05,50, 12,50, 123,45
    QString shown;  // the dialog's form: 5,50, 12,50, 123,45
};

// Nothing when either text is not an amount.
std::optional<Bill> billOf(const QString &costText, const QString &additionText);

} // namespace kirveno
