#include "closing.h"

#include "storage/programfiles.h"
#include "storage/tablestate.h"

namespace kirveno {

Closing closeTable(const QString &folder, int table, const ClosedSession &session, QDate today)
{
    const QString tablePath = folder + QLatin1String(tableStateFileName);
    TableState tables = TableState::load(tablePath);
    if (!tables.isOpen(table))
        return Closing::TableNotOpen;
    QList<FileChange> changes = bookingChanges({folder + QLatin1String(dailyLedgerFileName),
                                                folder + QLatin1String(monthlyLedgerFileName)},
                                               session, today);
    tables.close(table);
    changes.append({tablePath, tables.lines()});
    commitChange(changes);
    return Closing::Booked;
}

} // namespace kirveno
