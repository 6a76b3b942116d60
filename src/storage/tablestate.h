#pragma once

#include "money.h"

#include <QStringList>

// zaman.dat: 30 table records of four lines (name, start HH:MM, limit, addition); a closed
// table has "0" in all four. Table index r (0-29) owns lines 4r to 4r+3.
namespace kirveno {

inline constexpr int tableSlots = 30;
inline constexpr int linesPerTable = 4;
inline constexpr int tableStateLines = tableSlots * linesPerTable;

struct TableRecord
{
    QString name = QStringLiteral("0");
    QString start = QStringLiteral("0"); // HH:MM, or "0" when the table is closed
    QString limit = QStringLiteral("0");
    QString addition = QStringLiteral("0");

    bool isOpen() const { return start != QLatin1String("0"); }
    friend bool operator==(const TableRecord &, const TableRecord &) = default;
};

class TableState
{
public:
    // All tables closed.
    TableState();
    // Checks the lines' forms; throws DataFileError naming the file and the line otherwise.
    static TableState fromLines(const QStringList &lines, const QString &file);
    static TableState load(const QString &path);
    void save(const QString &path) const;

    const QStringList &lines() const { return m_lines; }
    TableRecord record(int table) const;
    void setRecord(int table, const TableRecord &record);
    void close(int table) { setRecord(table, TableRecord{}); }
    bool isOpen(int table) const;
    // The pre-paid limit of a table in hundredths, 0 for none.
    Cents limit(int table) const;
    // Exchanges the two tables' records line by line.
    void swap(int a, int b);

private:
    QStringList m_lines;
};

// Sets one table's record in the file as it is now, keeping whatever the others hold there.
void writeTableRecord(const QString &path, int table, const TableRecord &record);

// Minutes since midnight of an "HH:MM" text whose digits are in range, or -1.
int minutesOfClock(QStringView hhmm);

} // namespace kirveno
