#include "money.h"

namespace kirveno {

std::optional<Cents> parseAmount(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    Cents whole = 0;
    Cents fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool comma = false;
    for (QChar c : text) {
        if (c == QLatin1Char(',') && !comma) {
            comma = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int digit = c.unicode() - '0';
        if (comma) {
            if (++fractionDigits > 2)
                return std::nullopt;
            fraction = fraction * 10 + digit;
        } else {
            if (++wholeDigits > 12)
                return std::nullopt;
            whole = whole * 10 + digit;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0)
        return std::nullopt;
    if (fractionDigits == 1)
        fraction *= 10;
    return whole * 100 + fraction;
}

namespace {

// The clock formats these twice a second for every open table: plain digit arithmetic, no
// format strings.
void appendNumber(QString &text, qint64 value, int minimumDigits)
{
    Q_ASSERT(value >= 0); // amounts and clock times are never negative
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0 || count < minimumDigits);
    while (count > 0)
        text.append(QLatin1Char(digits[--count]));
}

QString amountText(Cents cents, int wholeDigits)
{
    QString text;
    text.reserve(8);
    appendNumber(text, cents / 100, wholeDigits);
    text.append(QLatin1Char(','));
    appendNumber(text, cents % 100, 2);
    return text;
}

QString withThousands(QString amount)
{
    for (qsizetype at = amount.indexOf(QLatin1Char(',')) - 3; at > 0; at -= 3)
        amount.insert(at, QLatin1Char('.'));
    return amount;
}

} // namespace

QString twoDigits(int value)
{
    QString text;
    appendNumber(text, value, 2);
    return text;
}

QString paddedAmount(Cents cents)
{
    return amountText(cents, 2);
}

QString plainAmount(Cents cents)
{
    return amountText(cents, 1);
}

QString groupedAmount(Cents cents)
{
    return withThousands(plainAmount(cents));
}

QString paddedGroupedAmount(Cents cents)
{
    return withThousands(paddedAmount(cents));
}

QString storedAmount(Cents cents)
{
    return cents <= 0 ? QStringLiteral("0") : paddedAmount(cents);
}

QString amountFromParts(int whole, int hundredths)
{
    return storedAmount(Cents(whole) * 100 + hundredths);
}

AmountParts partsOfAmount(Cents cents)
{
    return {int(cents / 100), int(cents % 100)};
}

} // namespace kirveno
