#pragma once

#include "storage/ledgers.h"

// Closing a table: the session is booked into the ledgers, after the day roll-over when the date
// has changed, and the table is freed, all as one change, so that a kill or a failed write never
// leaves a booked session on an open table (closed again, it would be booked twice).
namespace kirveno {

enum class Closing { Booked, TableNotOpen };

// Reads zaman.dat and the ledgers of the program folder as they are now. A table that is not
// open any more books nothing. Throws DataFileError when a file cannot be read or written; then
// nothing has changed.
Closing closeTable(const QString &folder, int table, const ClosedSession &session, QDate today);

} // namespace kirveno
