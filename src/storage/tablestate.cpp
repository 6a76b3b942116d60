#include "tablestate.h"

#include "datafileerror.h"
#include "linefile.h"

namespace kirveno {
namespace {

bool isStoredAmount(const QString &text)
{
    return text == QLatin1String("0")
           || (text.size() == 5 && text[2] == QLatin1Char(',') && parseAmount(text).has_value());
}

} // namespace

int minutesOfClock(QStringView hhmm)
{
    if (hhmm.size() != 5 || hhmm[2] != QLatin1Char(':'))
        return -1;
    const auto digit = [&](int i) {
        const QChar c = hhmm[i];
        return c.isDigit() && c.unicode() < 128 ? c.unicode() - '0' : -100;
    };
    const int hours = digit(0) * 10 + digit(1);
    const int minutes = digit(3) * 10 + digit(4);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return -1;
    return hours * 60 + minutes;
}

TableState::TableState()
    : m_lines(tableStateLines, QStringLiteral("0"))
{}

TableState TableState::fromLines(const QStringList &lines, const QString &file)
{
    if (lines.size() < tableStateLines) {
        throw DataFileError(file, u"000195",
                            {QString::number(lines.size()), QString::number(tableStateLines)});
    }
    for (int table = 0; table < tableSlots; ++table) {
        const int first = table * linesPerTable;
        const QString &start = lines[first + 1];
        if (start != QLatin1String("0") && minutesOfClock(start) < 0)
            throwBadLine(file, first + 1, start, u"000201");
        for (int k = 2; k < linesPerTable; ++k) {
            if (!isStoredAmount(lines[first + k]))
                throwBadLine(file, first + k, lines[first + k], u"000202");
        }
    }
    TableState state;
    state.m_lines = lines;
    return state;
}

TableState TableState::load(const QString &path)
{
    return fromLines(readLines(path), path);
}

void TableState::save(const QString &path) const
{
    writeLines(path, m_lines);
}

void writeTableRecord(const QString &path, int table, const TableRecord &record)
{
    TableState tables = TableState::load(path);
    tables.setRecord(table, record);
    tables.save(path);
}

TableRecord TableState::record(int table) const
{
    const int first = table * linesPerTable;
    return {m_lines[first], m_lines[first + 1], m_lines[first + 2], m_lines[first + 3]};
}

void TableState::setRecord(int table, const TableRecord &record)
{
    const int first = table * linesPerTable;
    m_lines[first] = record.name;
    m_lines[first + 1] = record.start;
    m_lines[first + 2] = record.limit;
    m_lines[first + 3] = record.addition;
}

bool TableState::isOpen(int table) const
{
    return m_lines[table * linesPerTable + 1] != QLatin1String("0");
}

Cents TableState::limit(int table) const
{
    return parseAmount(m_lines[table * linesPerTable + 2]).value_or(0);
}

void TableState::swap(int a, int b)
{
    for (int k = 0; k < linesPerTable; ++k)
        m_lines.swapItemsAt(b * linesPerTable + k, a * linesPerTable + k);
}

} // namespace kirveno
