#pragma once

#include "takings.h"

#include <QWidget>

class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;

namespace kirveno {

// The bars of the takings beside the reports' lists: the exact amounts on a value axis marked in
// round amounts with the decimal comma, the period's total in the title.
class TakingsChart : public QWidget
{
    Q_OBJECT
public:
    explicit TakingsChart(QWidget *parent = nullptr);

    // Shows the bars under the title. The chart itself is made the first time: the window that
    // holds one is made when the program starts and may never be shown.
    void showBars(const QString &title, const QList<TakingsBar> &bars);

    // Null until the first bars are shown.
    QChart *chart() const;

private:
    void makeView();
    void showAmount(bool hovered, int index);

    QChartView *m_view = nullptr;
    QBarSet *m_amounts = nullptr;
    QCategoryAxis *m_periods = nullptr;
    QCategoryAxis *m_values = nullptr;
    QList<TakingsBar> m_bars; // as shown, for the amount under the pointer
};

} // namespace kirveno
