#include "programfiles.h"

#include "atomicfile.h"
#include "datafileerror.h"
#include "journal.h"
#include "linefile.h"

#include <QDir>
#include <QFileInfo>

static void initFirstInstalledFiles()
{
    Q_INIT_RESOURCE(firstinstalled);
}

namespace kirveno {

namespace {

bool isProgramFolder(const QString &folder)
{
    return QFileInfo::exists(folder + QLatin1String(settingsFileName));
}

// Copies the file when the folder lacks it, in one atomic step so that a kill never leaves half
// a file that a later start would take for the operator's own.
void putInPlace(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(to))
        writeFileAtomically(to, readBytes(from));
}

} // namespace

ProgramLocation chooseProgramLocation(const QString &namedFolder, const QString &executableFolder,
                                      const QString &userDataFolder)
{
    const QString installed =
        QDir::cleanPath(executableFolder + QStringLiteral("../share/kirveno")) + QLatin1Char('/');
    const bool portable = isProgramFolder(executableFolder);
    QString defaults;
    if (QFileInfo(installed).isDir())
        defaults = installed;
    else if (portable)
        defaults = executableFolder;

    if (!namedFolder.isEmpty())
        return {QDir(namedFolder).absolutePath() + QLatin1Char('/'), defaults};
    if (portable && QFileInfo(executableFolder).isWritable())
        return {executableFolder, executableFolder};
    return {userDataFolder + QStringLiteral("kirveno/"), defaults};
}

void fillProgramFolder(const ProgramLocation &location)
{
    if (location.defaults == location.folder)
        return;
    initFirstInstalledFiles();
    const QString language = QStringLiteral("language/");
    if (!QDir().mkpath(location.folder + language))
        throw DataFileError(location.folder, u"000280", {location.folder});
    if (!location.defaults.isEmpty()) {
        const QDir languages(location.defaults + language);
        for (const QString &name : languages.entryList({QStringLiteral("*.ini")}, QDir::Files))
            putInPlace(languages.filePath(name), location.folder + language + name);
        for (const char *sound : {bellFileName, cashRegisterFileName})
            putInPlace(location.defaults + QLatin1String(sound),
                       location.folder + QLatin1String(sound));
    }
    for (const char *data : {settingsFileName, tableStateFileName, dailyLedgerFileName,
                             monthlyLedgerFileName, loansFileName})
        putInPlace(QStringLiteral(":/firstinstalled/") + QLatin1String(data),
                   location.folder + QLatin1String(data));
}

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
