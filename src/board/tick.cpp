#include "tick.h"

namespace kirveno {

Tariff tariffOf(const QString &hourlyPriceLine, const QString &minimumChargeLine)
{
    // Blanks around the amount (a hand-edited file) are not part of what the board shows.
    QString minimumText = minimumChargeLine.left(20).trimmed();
    if (minimumText.startsWith(QLatin1Char('0')))
        minimumText.remove(0, 1);
    return {parseAmount(hourlyPriceLine).value_or(0), parseAmount(minimumText).value_or(0),
            minimumText};
}

int elapsedMinutes(int startMinutes, int nowMinutes)
{
    return startMinutes <= nowMinutes ? nowMinutes - startMinutes
                                      : 1440 - startMinutes + nowMinutes;
}

QString durationText(int minutes)
{
    return twoDigits(minutes / 60) + QLatin1Char(':') + twoDigits(minutes % 60);
}

Cents owedAmount(Cents hourlyPrice, int elapsed)
{
    const Cents cut = hourlyPrice * elapsed / 60;
    const Cents secondDecimal = cut % 10;
    if (secondDecimal < 5)
        return cut - secondDecimal;
    if (secondDecimal > 5)
        return cut - secondDecimal + 10;
    return cut;
}

QString costText(const Tariff &tariff, int elapsed)
{
    const Cents owed = owedAmount(tariff.hourlyPrice, elapsed);
    return owed <= tariff.minimumCharge ? tariff.minimumText : plainAmount(owed);
}

std::optional<int> minutesLeft(Cents limit, Cents hourlyPrice, int elapsed)
{
    if (limit <= 0 || hourlyPrice <= 0)
        return std::nullopt;
    // The budget is limit * 60 / price minutes; rounding (budget - elapsed) half away from zero
    // on the exact fraction.
    const qint64 numerator = limit * 60 - qint64(elapsed) * hourlyPrice;
    if (numerator <= 0)
        return 0;
    return int((2 * numerator + hourlyPrice) / (2 * hourlyPrice));
}

RowFigures rowFigures(const Tariff &tariff, int startMinutes, int nowMinutes, Cents limit)
{
    const int elapsed = elapsedMinutes(startMinutes, nowMinutes);
    RowFigures figures{durationText(elapsed), costText(tariff, elapsed), QString(), false};
    if (const auto left = minutesLeft(limit, tariff.hourlyPrice, elapsed)) {
        figures.remaining = durationText(*left);
        figures.limitUsedUp = *left == 0;
        figures.limitRunningOut = *left > 0 && *left <= limitWarningMinutes;
    }
    return figures;
}

} // namespace kirveno
