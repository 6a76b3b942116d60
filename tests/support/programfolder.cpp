#include "programfolder.h"

#include "storage/linefile.h"

#include <QDir>
#include <QFile>

#ifndef KIRVENO_ASSETS
#error "KIRVENO_ASSETS names the assets folder"
#endif

namespace kirveno::testing {

ProgramFolder::ProgramFolder()
    : ProgramFolder(QDir::tempPath() + QStringLiteral("/kirveno-XXXXXX"))
{}

ProgramFolder::ProgramFolder(const QString &folderTemplate)
    : m_dir(folderTemplate)
{
    const QString assets = QStringLiteral(KIRVENO_ASSETS "/");
    for (const char *name : {"ayar.dat", "zaman.dat", "gunluk.dat", "aylik.dat", "borc.dat"})
        QFile::copy(assets + QStringLiteral("data/") + QLatin1String(name),
                    file(QLatin1String(name)));
    QDir(path()).mkdir(QStringLiteral("language"));
    for (const char *name : {"english.ini", "turkish.ini"})
        QFile::copy(assets + QStringLiteral("language/") + QLatin1String(name),
                    file(QStringLiteral("language/") + QLatin1String(name)));
    // The installed files are read-only in the source tree's checkout on some machines.
    for (const QString &entry : QDir(path()).entryList(QDir::Files))
        QFile::setPermissions(file(entry), QFile::ReadOwner | QFile::WriteOwner);
}

QStringList ProgramFolder::lines(const QString &name) const
{
    return readLines(file(name));
}

void ProgramFolder::write(const QString &name, const QStringList &lines) const
{
    writeLines(file(name), lines);
}

QByteArray ProgramFolder::bytes(const QString &name) const
{
    QFile f(file(name));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void ProgramFolder::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void ProgramFolder::setLine(const QString &name, int index, const QString &text) const
{
    QStringList all = lines(name);
    all[index] = text;
    write(name, all);
}

void ProgramFolder::openTable(int table, const QString &name, const QString &start,
                              const QString &limit, const QString &addition) const
{
    QStringList all = lines(QStringLiteral("zaman.dat"));
    const qsizetype first = 4 * qsizetype(table);
    all[first] = name;
    all[first + 1] = start;
    all[first + 2] = limit;
    all[first + 3] = addition;
    write(QStringLiteral("zaman.dat"), all);
}

} // namespace kirveno::testing
