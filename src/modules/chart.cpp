// The chart module: bar charts through Qt Charts.
#include "modules.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLayout>
#include <QToolTip>

namespace kirveno {
namespace {

// The blue of the cup in the reports' picture.
const QColor barColour(0x2b, 0x6a, 0x98);

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QCategoryAxis *labelledAxis()
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsFont(pixelFont(10));
    return axis;
}

void clearLabels(QCategoryAxis *axis)
{
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
}

class ChartsView : public BarChartView
{
public:
    explicit ChartsView(QWidget &parent)
    {
        auto *chart = new QChart;
        chart->setAnimationOptions(QChart::NoAnimation);
        chart->legend()->hide();
        chart->setTitleFont(pixelFont(13, true));
        chart->setMargins({4, 4, 8, 4});
        // The chart's panel lines up with what stands beside it.
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->setBackgroundRoundness(4);

        m_amounts = new QBarSet(QString());
        m_amounts->setColor(barColour);
        m_amounts->setBorderColor(barColour.darker(120));
        auto *series = new QBarSeries;
        series->setBarWidth(0.7);
        series->append(m_amounts);
        chart->addSeries(series);

        // Axes of our own marks: the bars stand at 0, 1, 2, ..., and the values are labelled
        // with the texts given.
        m_bars = labelledAxis();
        m_bars->setGridLineVisible(false);
        m_bars->setStartValue(-0.5);
        chart->addAxis(m_bars, Qt::AlignBottom);
        series->attachAxis(m_bars);
        m_values = labelledAxis();
        m_values->setStartValue(0);
        chart->addAxis(m_values, Qt::AlignLeft);
        series->attachAxis(m_values);

        m_view = new QChartView(chart, &parent);
        m_view->setRenderHint(QPainter::Antialiasing);
        // Transparent around the chart's own rounded background, so the window's picture shows.
        m_view->setStyleSheet(QStringLiteral("background: transparent"));
        m_view->setFrameShape(QFrame::NoFrame);
        parent.layout()->addWidget(m_view);
        QObject::connect(m_amounts, &QBarSet::hovered, m_view, [this](bool hovered, int index) {
            if (hovered && index >= 0 && index < m_pointerTexts.size())
                QToolTip::showText(QCursor::pos(), m_pointerTexts[index], m_view);
            else
                QToolTip::hideText();
        });
    }

    void show(const BarChart &shown) override
    {
        m_view->chart()->setTitle(shown.title);
        QList<qreal> values;
        m_pointerTexts.clear();
        for (const ChartBar &bar : shown.bars) {
            values.append(bar.value);
            m_pointerTexts.append(bar.pointerText);
        }
        m_amounts->remove(0, m_amounts->count());
        m_amounts->append(values);

        clearLabels(m_bars);
        m_bars->setLabelsAngle(shown.uprightLabels ? -90 : 0);
        m_bars->setRange(-0.5, qreal(std::max<qsizetype>(shown.bars.size(), 1)) - 0.5);
        for (qsizetype i = 0; i < shown.bars.size(); ++i) {
            if (!shown.bars[i].axisLabel.isEmpty())
                m_bars->append(shown.bars[i].axisLabel, qreal(i));
        }

        clearLabels(m_values);
        m_values->setRange(0, shown.valueMarks.last().value);
        for (const ChartMark &mark : shown.valueMarks)
            m_values->append(mark.label, mark.value);
    }

    QChart *chart() const override { return m_view->chart(); }

private:
    QChartView *m_view;
    QBarSet *m_amounts;
    QCategoryAxis *m_bars;
    QCategoryAxis *m_values;
    QStringList m_pointerTexts;
};

} // namespace
} // namespace kirveno

KIRVENO_MODULE_ENTRY kirveno::BarChartView *kirvenoMakeBarChartView(QWidget &parent)
{
    return new kirveno::ChartsView(parent);
}
