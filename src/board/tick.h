#pragma once

#include "storage/money.h"

#include <QString>
#include <optional>

// What the clock shows for one open table: the time used, the money owed under the hourly price
// and the minimum charge, and the time left before a pre-paid limit.
namespace kirveno {

struct Tariff
{
    Cents hourlyPrice = 0;
    Cents minimumCharge = 0;
    // The minimum charge as the board shows it: the stored text with one leading "0" removed.
    QString minimumText;
};

// The tariff of the settings lines 2 (hourly price) and 3 (minimum charge).
Tariff tariffOf(const QString &hourlyPriceLine, const QString &minimumChargeLine);

// Minutes from start to now on a 24-hour dial; a start later than now ran past midnight.
int elapsedMinutes(int startMinutes, int nowMinutes);

// "HH:MM" with at least two digits for the hours.
QString durationText(int minutes);

// The owed amount cut to hundredths and then moved to a multiple of 0.05: a second decimal of
// 0-4 drops to 0, 5 stays, 6-9 rounds up to the next tenth.
Cents owedAmount(Cents hourlyPrice, int elapsed);

// The cost field: the minimum charge text while the owed amount is not above it, the owed
// amount otherwise (also from 100 on: a long session is billed as it ran).
QString costText(const Tariff &tariff, int elapsed);

// Whole minutes left of the pre-paid limit, never below 0; nothing without a limit (or without
// an hourly price to turn it into time).
std::optional<int> minutesLeft(Cents limit, Cents hourlyPrice, int elapsed);

// The board warns of a limit about to run out while the remaining field shows this many minutes
// or fewer (and more than none).
inline constexpr int limitWarningMinutes = 5;

struct RowFigures
{
    QString passed;
    QString cost;
    QString remaining; // empty without a limit
    bool limitUsedUp = false;
    bool limitRunningOut = false;
};

RowFigures rowFigures(const Tariff &tariff, int startMinutes, int nowMinutes, Cents limit);

} // namespace kirveno
