#pragma once

#include "recordwindow.h"

#include <QStringListModel>

class QLineEdit;
class QListView;
class QPushButton;

namespace kirveno {

// The takings: today's daily ledger with its total, or the days of one month with the month's
// total, chosen in the period list. The only place where a booked session can be removed, and
// only from today's ledger. Shown beside the board without blocking it; every time it takes
// over from another window of the program it reads both ledgers again and starts over in the
// daily view.
class ReportsWindow : public RecordWindow
{
    Q_OBJECT
public:
    ReportsWindow(ProgramState &state, QWidget *board);

    // Reads both ledgers again: the daily view, the months in the period list, none of them
    // chosen, the focus on Close.
    void activate() override;

    QListView *periodList() const { return m_periodList; }
    QListView *entryList() const { return m_entryList; }
    QLineEdit *totalField() const { return m_totalField; }
    QPushButton *removeButton() const { return m_removeButton; }
    QPushButton *closeButton() const { return m_closeButton; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString dailyPath() const;
    QString todayText() const;
    bool showDailyView();
    void showDailyTotal();
    void showMonth(const QString &month);
    void choosePeriod();
    void removeEntry();

    QStringListModel m_periods;
    QStringListModel m_entries;
    QStringList m_monthly; // as read at the last activation, for every month chosen until the next
    QListView *m_periodList;
    QListView *m_entryList;
    QLineEdit *m_totalField;
    QPushButton *m_removeButton;
    QPushButton *m_closeButton;
};

} // namespace kirveno
