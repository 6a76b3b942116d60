#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace kirveno::testing {

// A program folder in a temporary directory, holding the data files as first installed and the
// two language files; tests then change the files they are about.
class ProgramFolder
{
public:
    ProgramFolder();
    // In a temporary folder made from the template, such as "/dev/shm/name-XXXXXX".
    explicit ProgramFolder(const QString &folderTemplate);

    // The folder, with a trailing "/".
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString &name) const { return path() + name; }

    QStringList lines(const QString &name) const;
    void write(const QString &name, const QStringList &lines) const;
    QByteArray bytes(const QString &name) const;
    void writeBytes(const QString &name, const QByteArray &bytes) const;
    // Sets one line of a data file.
    void setLine(const QString &name, int index, const QString &text) const;
    // Puts an open session into zaman.dat.
    void openTable(int table, const QString &name, const QString &start,
                   const QString &limit = QStringLiteral("0"),
                   const QString &addition = QStringLiteral("0")) const;

private:
    QTemporaryDir m_dir;
};

} // namespace kirveno::testing
