// zaman.dat: TableState::fromLines, the records of an accepted file, moving a session, and the
// board's figures and the bill of every open table.

#include "board/tick.h"
#include "fuzzcheck.h"
#include "sessions/bill.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "storage/tablestate.h"

#include <optional>

using namespace kirveno;

namespace {

const QString fileName = QStringLiteral("zaman.dat");

struct PriceLines
{
    const char *hourly;
    const char *minimum;
};

// Settings lines 2 and 3 as the program stores them, including no price at all.
constexpr PriceLines prices[] = {
    {"02,00", "00,50"},
    {"00,00", "00,00"},
    {"99,99", "10,00"},
    {"00,01", "99,99"},
};

bool isDuration(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 2 || text.size() - colon != 3)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != colon && !text[i].isDigit())
            return false;
    }
    return text.mid(colon + 1).toInt() < 60;
}

void checkFigures(const TableRecord &record, Cents limit, int startMinutes)
{
    for (const PriceLines &lines : prices) {
        const Tariff tariff = tariffOf(QLatin1String(lines.hourly), QLatin1String(lines.minimum));
        for (const int now : {0, startMinutes, (startMinutes + 1439) % 1440, 719, 1439}) {
            const RowFigures figures = rowFigures(tariff, startMinutes, now, limit);
            FUZZ_CHECK(isDuration(figures.passed));
            FUZZ_CHECK(parseAmount(figures.cost).has_value());
            const bool timed = limit > 0 && tariff.hourlyPrice > 0;
            FUZZ_CHECK(figures.remaining.isEmpty() != timed);
            if (timed)
                FUZZ_CHECK(isDuration(figures.remaining));
            FUZZ_CHECK(!figures.limitUsedUp || figures.remaining == QLatin1String("00:00"));

            // Closing the table: its cost and its addition always make a bill.
            const std::optional<Bill> bill = billOf(figures.cost, record.addition);
            FUZZ_CHECK(bill.has_value());
            FUZZ_CHECK(bill->total >= 0);
            FUZZ_CHECK(parseAmount(bill->booked) == bill->total);
            FUZZ_CHECK(parseAmount(bill->shown) == bill->total);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzz::bytesOf(data, size));
    std::optional<TableState> accepted;
    try {
        accepted = TableState::fromLines(lines, fileName);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == fileName);
        return 0;
    }
    TableState &state = *accepted;
    FUZZ_CHECK(state.lines() == lines);

    int firstOpen = -1;
    int lastOpen = -1;
    for (int table = 0; table < tableSlots; ++table) {
        const TableRecord record = state.record(table);
        FUZZ_CHECK(record.isOpen() == state.isOpen(table));
        const Cents limit = state.limit(table);
        const Cents addition = parseAmount(record.addition).value_or(0);
        FUZZ_CHECK(limit >= 0 && limit <= 9999);
        FUZZ_CHECK(addition >= 0 && addition <= 9999);
        FUZZ_CHECK(limit == parseAmount(record.limit).value_or(-1));
        FUZZ_CHECK(addition == parseAmount(record.addition).value_or(-1));
        if (!record.isOpen())
            continue;
        if (firstOpen < 0)
            firstOpen = table;
        lastOpen = table;
        const int start = minutesOfClock(record.start);
        FUZZ_CHECK(start >= 0 && start < 1440);
        checkFigures(record, limit, start);
    }

    // Moving a session to another table and back.
    const QStringList before = state.lines();
    const int a = firstOpen >= 0 ? firstOpen : 0;
    const int b = lastOpen >= 0 && lastOpen != a ? lastOpen : tableSlots - 1 - a;
    const TableRecord recordA = state.record(a);
    const TableRecord recordB = state.record(b);
    state.swap(a, b);
    FUZZ_CHECK(state.record(a) == recordB && state.record(b) == recordA);
    FUZZ_CHECK(state.lines().size() == before.size());
    try {
        (void)TableState::fromLines(splitLines(joinLines(state.lines())), fileName);
    } catch (const DataFileError &) {
        FUZZ_CHECK(!"the file is refused after two tables were swapped");
    }
    state.swap(b, a);
    FUZZ_CHECK(state.lines() == before);
    state.swap(a, a);
    FUZZ_CHECK(state.lines() == before);

    // Closing a table leaves an acceptable file.
    state.close(a);
    FUZZ_CHECK(!state.isOpen(a) && state.limit(a) == 0
               && state.record(a).addition == QLatin1String("0"));
    try {
        (void)TableState::fromLines(state.lines(), fileName);
    } catch (const DataFileError &) {
        FUZZ_CHECK(!"the file is refused after a table was closed");
    }
    return 0;
}
