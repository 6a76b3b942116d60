// What the reports window reads of gunluk.dat and aylik.dat: the input as each of the two
// ledgers. The daily view, its total and the months, their days and totals.

#include "fuzzcheck.h"
#include "records/reports.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"

#include <QSet>
#include <optional>

using namespace kirveno;

namespace {

const QString dailyName = QStringLiteral("/cafe/gunluk.dat");
const QString monthlyName = QStringLiteral("/cafe/aylik.dat");

std::optional<Cents> dayTotalOf(const QStringList &daily)
{
    try {
        return dayTotal(daily, dailyName);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == dailyName);
        return std::nullopt;
    }
}

// A total shown reads back as the amount it shows.
void checkShown(Cents total)
{
    for (QString shown : {groupedAmount(total), paddedGroupedAmount(total)}) {
        FUZZ_CHECK(!shown.endsWith(QLatin1Char('.')) && !shown.startsWith(QLatin1Char('.')));
        FUZZ_CHECK(parseAmount(shown.remove(QLatin1Char('.'))) == total);
    }
}

void checkDaily(const QStringList &lines)
{
    const QStringList view = dailyView(lines);
    FUZZ_CHECK(!view.isEmpty() && view.first() == lines.value(0));
    FUZZ_CHECK(dailyView(view) == view);
    qsizetype next = 1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty()) {
            FUZZ_CHECK(next < view.size() && view[next] == lines[i]);
            ++next;
        }
    }
    FUZZ_CHECK(next == view.size());

    // Dropping the empty lines never changes the day's total, nor whether it can be read.
    const std::optional<Cents> total = dayTotalOf(view);
    FUZZ_CHECK(total == dayTotalOf(lines));
    if (total) {
        FUZZ_CHECK(*total >= 0);
        checkShown(*total);
    }

    // Never the date line; a record only while the date line is today's.
    FUZZ_CHECK(!mayRemove(view, 0, view.first()));
    FUZZ_CHECK(mayRemove(view, 1, view.first()));
    FUZZ_CHECK(!mayRemove(view, 1, view.first() + QLatin1Char('x')));
}

void checkMonthly(const QStringList &lines)
{
    const QStringList keys = monthKeys(lines);
    FUZZ_CHECK(QSet<QString>(keys.begin(), keys.end()).size() == keys.size());
    qsizetype daysWithAMonth = 0;
    for (qsizetype i = 1; i < lines.size(); ++i)
        daysWithAMonth += lines[i].size() >= 4;
    qsizetype daysListed = 0;
    for (const QString &month : keys) {
        FUZZ_CHECK(!month.isEmpty() && month.size() <= 7);
        const QStringList days = monthDays(lines, month);
        FUZZ_CHECK(!days.isEmpty());
        daysListed += days.size();
        std::optional<Cents> sum = 0;
        for (const QString &day : days) {
            FUZZ_CHECK(day.mid(3, 7) == month);
            try {
                if (sum)
                    *sum += monthlyLineAmount(day, 1, monthlyName);
            } catch (const DataFileError &error) {
                FUZZ_CHECK(error.file() == monthlyName);
                sum.reset();
            }
        }
        try {
            const Cents total = monthTotal(lines, month, monthlyName);
            FUZZ_CHECK(sum == total);
            checkShown(total);
        } catch (const DataFileError &error) {
            FUZZ_CHECK(error.file() == monthlyName);
            FUZZ_CHECK(!sum);
        }
    }
    FUZZ_CHECK(daysListed == daysWithAMonth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzz::bytesOf(data, size));
    checkDaily(lines);
    checkMonthly(lines);
    return 0;
}
