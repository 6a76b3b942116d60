#include "sessionscript.h"

#include "board/tick.h"
#include "sessions/bill.h"
#include "sessions/closing.h"
#include "storage/programfiles.h"
#include "storage/settingsfile.h"
#include "storage/tablestate.h"

namespace kirveno::testing {
namespace {

QString clockText(const QDateTime &time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

int minutesOf(const QDateTime &time)
{
    return time.time().hour() * 60 + time.time().minute();
}

} // namespace

SessionScript::SessionScript(QString folder, quint32 seed, QDateTime start)
    : m_folder(std::move(folder))
    , m_seed(seed)
    , m_random(seed)
    , m_clock(std::move(start))
{}

void SessionScript::step()
{
    m_clock = m_clock.addSecs(qint64(60) * m_random.bounded(1, 240));
    const QString tablePath = m_folder + QLatin1String(tableStateFileName);
    TableState tables = TableState::load(tablePath);
    const int table = int(m_random.bounded(tableSlots));
    const auto amount = [this] {
        return m_random.bounded(3) == 0 ? QStringLiteral("0")
                                        : storedAmount(m_random.bounded(1, 1000));
    };
    if (!tables.isOpen(table)) {
        // The opening dialog.
        writeTableRecord(tablePath, table,
                         {QStringLiteral("S%1-%2").arg(m_seed).arg(++m_opened), clockText(m_clock),
                          amount(), QStringLiteral("0")});
        return;
    }
    const TableRecord record = tables.record(table);
    switch (m_random.bounded(3)) {
    case 0: { // the editing dialog
        TableRecord edited = record;
        edited.limit = amount();
        edited.addition = amount();
        writeTableRecord(tablePath, table, edited);
        return;
    }
    case 1: { // the board's move, from its copy of the file
        tables.swap(table, int(m_random.bounded(tableSlots)));
        tables.save(tablePath);
        return;
    }
    default: { // the closing dialog
        const SettingsFile settings =
            SettingsFile::load(m_folder + QLatin1String(settingsFileName));
        const Tariff tariff = tariffOf(settings.line(SettingsLine::HourlyPrice),
                                       settings.line(SettingsLine::MinimumCharge));
        const QString cost =
            costText(tariff, elapsedMinutes(minutesOfClock(record.start), minutesOf(m_clock)));
        const Bill bill = *billOf(cost, record.addition);
        closeTable(m_folder, table, {record.name, record.start, clockText(m_clock), bill.total},
                   m_clock.date());
    }
    }
}

} // namespace kirveno::testing
