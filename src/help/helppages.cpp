#include "helppages.h"

#include "settings/texttable.h"

#include <utility>
#include <vector>

namespace kirveno {
namespace {

// The keys of a page as runs of numbers, first to last.
std::vector<std::pair<int, int>> keyRuns(HelpPage page)
{
    switch (page) {
    case HelpPage::Usage:
        return {{76, 90}, {100, 111}};
    case HelpPage::Tips:
        return {{112, 133}};
    case HelpPage::FromMaker:
        break;
    }
    return {{63, 75}};
}

QString key(int number)
{
    return QStringLiteral("%1").arg(number, 6, 10, QLatin1Char('0'));
}

} // namespace

QStringList helpPageLines(const TextTable &texts, HelpPage page)
{
    QStringList lines;
    for (const auto &[first, last] : keyRuns(page)) {
        for (int number = first; number <= last; ++number) {
            if (page == HelpPage::FromMaker && number == 73)
                lines.append(texts.text(u"000157"));
            const QString text = texts.text(key(number));
            if (!text.isEmpty())
                lines.append(text);
        }
    }
    return lines;
}

} // namespace kirveno
