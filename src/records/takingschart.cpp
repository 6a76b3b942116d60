#include "takingschart.h"

#include "modules/modules.h"

#include <QVBoxLayout>

namespace kirveno {

TakingsChart::TakingsChart(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(470, 340);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TakingsChart::~TakingsChart() = default;

QChart *TakingsChart::chart() const
{
    return m_view ? m_view->chart() : nullptr;
}

void TakingsChart::showBars(const QString &title, const QList<TakingsBar> &bars)
{
    if (!m_tried) {
        m_tried = true;
        QString error;
        if (MakeBarChartView *make = chartModule(error))
            m_view.reset(make(*this));
        else
            qWarning("The takings chart is not available: %s", qPrintable(error));
    }
    // The reports read the ledgers at every activation; mostly nothing has changed.
    if (!m_view || (m_shown && title == m_title && bars == m_bars))
        return;
    m_shown = true;
    m_title = title;
    m_bars = bars;

    BarChart shown{title, {}, bars.size() <= 12, {}};
    // Each of twelve months is named, upright; of a month's days as many as the width holds:
    // the first, every fifth and the last.
    const qsizetype count = bars.size();
    Cents highest = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype day = i + 1;
        const bool labelled =
            shown.uprightLabels || day == 1 || day == count || (day % 5 == 0 && count - day >= 3);
        // Whole hundredths: the double holds every amount of a café exactly.
        shown.bars.append({double(bars[i].amount), labelled ? bars[i].label : QString(),
                           bars[i].label + QStringLiteral(": ") + groupedAmount(bars[i].amount)});
        highest = std::max(highest, bars[i].amount);
    }
    for (Cents mark : axisMarks(highest))
        shown.valueMarks.append({double(mark), groupedAmount(mark)});
    m_view->show(shown);
}

} // namespace kirveno
