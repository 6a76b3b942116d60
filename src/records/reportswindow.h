#pragma once

#include "recordwindow.h"

#include <QStringListModel>

class QLineEdit;
class QListView;
class QPushButton;

namespace kirveno {

class TakingsChart;

// The takings: today's daily ledger with its total, or the days of one month with the month's
// total, chosen in the period list, beside a chart of the last twelve months or of the month's
// days; the view shown can be exported for the accountant. The only place where a booked session
// can be removed, and only from today's ledger. Shown beside the board without blocking it; every
// time it takes over from another window of the program it reads both ledgers again and starts over
// in the daily view.
class ReportsWindow : public RecordWindow
{
    Q_OBJECT
public:
    ReportsWindow(ProgramState &state, QWidget *board);

    // Reads both ledgers again: the daily view with the last twelve months' chart, the months in
    // the period list, none of them chosen, the focus on Close.
    void activate() override;

    QListView *periodList() const { return m_periodList; }
    QListView *entryList() const { return m_entryList; }
    QLineEdit *totalField() const { return m_totalField; }
    QPushButton *exportButton() const { return m_exportButton; }
    QPushButton *removeButton() const { return m_removeButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    TakingsChart *chart() const { return m_chart; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString dailyPath() const;
    QString monthlyPath() const;
    QString todayText() const;
    bool showDailyView();
    void showDailyTotal();
    void showTwelveMonths();
    void showMonth(const QString &month);
    void choosePeriod();
    void removeEntry();
    void exportView();

    QStringListModel m_periods;
    QStringListModel m_entries;
    QStringList m_monthly; // as read at the last activation, for every month chosen until the next
    QString m_month;       // the month shown, empty in the daily view
    QListView *m_periodList;
    QListView *m_entryList;
    QLineEdit *m_totalField;
    TakingsChart *m_chart;
    QPushButton *m_exportButton;
    QPushButton *m_removeButton;
    QPushButton *m_closeButton;
};

} // namespace kirveno
