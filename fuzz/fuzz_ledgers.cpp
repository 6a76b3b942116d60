// gunluk.dat and aylik.dat: the booked totals of the daily ledger, its day total, and booking a
// closed session on a program folder whose daily ledger holds the input.

#include "fuzzcheck.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"
#include "storage/money.h"

#include <QTemporaryDir>
#include <optional>

using namespace kirveno;

namespace {

const QDate today(2026, 12, 7);
const QByteArray monthlyBytes = QByteArrayLiteral("Kirveno LT monthly ledger\r\n"
                                                  "06.12.2026 ---- 45,50\r\n");

struct Folder
{
    QTemporaryDir dir;
    LedgerPaths paths;

    Folder()
    {
        FUZZ_CHECK(dir.isValid());
        paths = {dir.filePath(QStringLiteral("gunluk.dat")),
                 dir.filePath(QStringLiteral("aylik.dat"))};
    }
};

Folder &folder()
{
    static Folder instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QStringList lines = splitLines(bytes);
    const QString &dailyName = folder().paths.daily;

    // Each record's booked total on its own, and the day's total over the records.
    Cents sum = 0;
    bool readable = true;
    for (int i = 0; i < lines.size(); ++i) {
        try {
            const Cents amount = dailyRecordAmount(lines[i], i, dailyName);
            FUZZ_CHECK(amount >= 0);
            FUZZ_CHECK(amount == 0 || parseAmount(paddedAmount(amount)) == amount);
            if (lines[i].size() <= 37)
                FUZZ_CHECK(amount == 0);
            if (i > 0)
                sum += amount;
        } catch (const DataFileError &error) {
            FUZZ_CHECK(error.file() == dailyName);
            FUZZ_CHECK(lines[i].size() > 37);
            if (i > 0)
                readable = false;
        }
    }
    std::optional<Cents> total;
    try {
        total = dayTotal(lines, dailyName);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == dailyName);
    }
    FUZZ_CHECK(total.has_value() == readable);
    FUZZ_CHECK(!total || *total == sum);

    // Booking a session on the ledgers as found.
    const Folder &f = folder();
    fuzz::putFile(f.paths.daily, bytes);
    fuzz::putFile(f.paths.monthly, monthlyBytes);
    const ClosedSession session{QStringLiteral("Masa 3"), QStringLiteral("21:07"),
                                QStringLiteral("23:15"), 550};
    const QString record = dailyRecord(session);
    const bool sameDay = !lines.isEmpty() && lines.first() == dateText(today);
    try {
        commitChange(bookingChanges(f.paths, session, today));
    } catch (const DataFileError &error) {
        // Refused before anything was written.
        FUZZ_CHECK(!sameDay && !readable);
        FUZZ_CHECK(error.file() == dailyName);
        FUZZ_CHECK(fuzz::fileBytes(f.paths.daily) == bytes);
        FUZZ_CHECK(fuzz::fileBytes(f.paths.monthly) == monthlyBytes);
        return 0;
    }
    FUZZ_CHECK(sameDay || readable);
    const QStringList daily = readLines(f.paths.daily);
    const QStringList monthly = readLines(f.paths.monthly);
    FUZZ_CHECK(!daily.isEmpty() && daily.last() == record);
    FUZZ_CHECK(dailyRecordAmount(daily.last(), int(daily.size() - 1), dailyName) == 550);
    if (sameDay) {
        FUZZ_CHECK(daily.mid(0, daily.size() - 1) == lines);
        FUZZ_CHECK(fuzz::fileBytes(f.paths.monthly) == monthlyBytes);
    } else {
        FUZZ_CHECK(daily == QStringList({dateText(today), record}));
        FUZZ_CHECK(monthly.size() == 3);
        FUZZ_CHECK(monthly.last() == monthlyLine(lines.value(0), *total));
    }
    return 0;
}
