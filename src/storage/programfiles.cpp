#include "programfiles.h"

#include "atomicfile.h"
#include "journal.h"

namespace kirveno {

void recoverProgramFolder(const QString &folder)
{
    completeUnfinishedChange(folder);
    QStringList written;
    for (const char *name : {settingsFileName, tableStateFileName, dailyLedgerFileName,
                             monthlyLedgerFileName, loansFileName, journalFileName})
        written.append(QLatin1String(name));
    removeStrayTemporaries(folder, written);
}

} // namespace kirveno
