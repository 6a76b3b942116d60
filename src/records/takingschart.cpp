#include "takingschart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QToolTip>
#include <QVBoxLayout>

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

} // namespace

TakingsChart::TakingsChart(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(470, 340);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QChart *TakingsChart::chart() const
{
    return m_view ? m_view->chart() : nullptr;
}

void TakingsChart::makeView()
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    chart->setTitleFont(pixelFont(13, true));
    chart->setMargins({4, 4, 8, 4});
    // The chart's panel lines up with the lists beside it.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(4);

    m_amounts = new QBarSet(QString());
    m_amounts->setColor(barColour);
    m_amounts->setBorderColor(barColour.darker(120));
    connect(m_amounts, &QBarSet::hovered, this, &TakingsChart::showAmount);
    auto *series = new QBarSeries;
    series->setBarWidth(0.7);
    series->append(m_amounts);
    chart->addSeries(series);

    // Axes of our own marks: the bars stand at 0, 1, 2, ..., and the amounts are labelled with
    // the program's amount texts.
    m_periods = labelledAxis();
    m_periods->setGridLineVisible(false);
    m_periods->setStartValue(-0.5);
    chart->addAxis(m_periods, Qt::AlignBottom);
    series->attachAxis(m_periods);
    m_values = labelledAxis();
    m_values->setStartValue(0);
    chart->addAxis(m_values, Qt::AlignLeft);
    series->attachAxis(m_values);

    m_view = new QChartView(chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    // Transparent around the chart's own rounded background, so the window's picture shows.
    m_view->setStyleSheet(QStringLiteral("background: transparent"));
    m_view->setFrameShape(QFrame::NoFrame);
    layout()->addWidget(m_view);
}

void TakingsChart::showBars(const QString &title, const QList<TakingsBar> &bars)
{
    if (!m_view)
        makeView();
    // The reports read the ledgers at every activation; mostly nothing has changed.
    else if (title == m_view->chart()->title() && bars == m_bars)
        return;
    m_bars = bars;
    m_view->chart()->setTitle(title);

    QList<qreal> amounts;
    Cents highest = 0;
    for (const TakingsBar &bar : bars) {
        // Whole hundredths: the double holds every amount of a café exactly.
        amounts.append(qreal(bar.amount));
        highest = std::max(highest, bar.amount);
    }
    m_amounts->remove(0, m_amounts->count());
    m_amounts->append(amounts);

    // Each of twelve months is named, upright; of a month's days as many as the width holds:
    // the first, every fifth and the last.
    clearLabels(m_periods);
    const qsizetype count = bars.size();
    const bool everyBar = count <= 12;
    m_periods->setLabelsAngle(everyBar ? -90 : 0);
    m_periods->setRange(-0.5, qreal(std::max<qsizetype>(count, 1)) - 0.5);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype day = i + 1;
        if (everyBar || day == 1 || day == count || (day % 5 == 0 && count - day >= 3))
            m_periods->append(bars[i].label, qreal(i));
    }

    clearLabels(m_values);
    const QList<Cents> marks = axisMarks(highest);
    m_values->setRange(0, qreal(marks.last()));
    for (Cents mark : marks)
        m_values->append(groupedAmount(mark), qreal(mark));
}

void TakingsChart::showAmount(bool hovered, int index)
{
    if (hovered && index >= 0 && index < m_bars.size())
        QToolTip::showText(
            QCursor::pos(),
            m_bars[index].label + QStringLiteral(": ") + groupedAmount(m_bars[index].amount), this);
    else
        QToolTip::hideText();
}

} // namespace kirveno
