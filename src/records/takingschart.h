#pragma once

#include "takings.h"

#include <QWidget>
#include <memory>

class QChart;

namespace kirveno {

class BarChartView;

// The bars of the takings beside the reports' lists: the exact amounts on a value axis marked in
// round amounts with the decimal comma, the period's total in the title.
class TakingsChart : public QWidget
{
    Q_OBJECT
public:
    explicit TakingsChart(QWidget *parent = nullptr);
    ~TakingsChart() override;

    // Shows the bars under the title. The chart itself, and the chart module with it, is made the
    // first time; when the module cannot be loaded the place stays empty and the reason is
    // logged.
    void showBars(const QString &title, const QList<TakingsBar> &bars);

    // Null until the first bars are shown.
    QChart *chart() const;

private:
    std::unique_ptr<BarChartView> m_view;
    bool m_tried = false;
    bool m_shown = false;
    QString m_title; // as shown, for a repeated showing that changes nothing
    QList<TakingsBar> m_bars;
};

} // namespace kirveno
