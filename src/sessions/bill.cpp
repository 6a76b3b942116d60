#include "bill.h"

namespace kirveno {

std::optional<Bill> billOf(const QString &costText, const QString &additionText)
{
    const auto cost = parseAmount(costText);
    const auto addition = parseAmount(additionText);
    if (!cost || !addition)
        return std::nullopt;
    const Cents total = *cost + *addition;
    return Bill{total, paddedAmount(total), plainAmount(total)};
}

} // namespace kirveno
