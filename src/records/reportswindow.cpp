#include "reportswindow.h"

#include "board/programstate.h"
#include "platform/platform.h"
#include "reports.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

namespace kirveno {
namespace {

constexpr int listHeight = 340;
constexpr int periodListWidth = 110;
// Room for a record whose total has grown past 100 (44 characters) without scrolling sideways.
constexpr int recordCharacters = 44;

QListView *listOf(QStringListModel *model, QWidget *parent)
{
    auto *list = new QListView(parent);
    list->setModel(model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Ten thousand records are laid out without measuring each of them.
    list->setUniformItemSizes(true);
    list->setFixedHeight(listHeight);
    return list;
}

int selectedRow(const QListView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace

ReportsWindow::ReportsWindow(ProgramState &state, QWidget *board)
    : RecordWindow(state, board, u"000024")
    , m_periodList(listOf(&m_periods, this))
    , m_entryList(listOf(&m_entries, this))
    , m_totalField(new QLineEdit(this))
    , m_removeButton(new QPushButton(state.text(u"000020"), this))
    , m_closeButton(new QPushButton(state.text(u"000017"), this))
{

    m_periodList->setFixedWidth(periodListWidth);
    // The ledger lines are fixed columns: a fixed-pitch font lines them up.
    QFont fixedPitch(QStringLiteral("DejaVu Sans Mono"));
    fixedPitch.setStyleHint(QFont::TypeWriter);
    fixedPitch.setFixedPitch(true);
    fixedPitch.setPixelSize(13);
    m_entryList->setFont(fixedPitch);
    m_entryList->setFixedWidth(
        QFontMetrics(fixedPitch).horizontalAdvance(QString(recordCharacters, QLatin1Char('0')))
        + m_entryList->verticalScrollBar()->sizeHint().width() + 4 * m_entryList->frameWidth());

    QFont bold = m_totalField->font();
    bold.setBold(true);
    m_totalField->setFont(bold);
    m_totalField->setReadOnly(true);
    m_totalField->setFocusPolicy(Qt::NoFocus);
    m_totalField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_totalField->setFixedWidth(140);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_periodList);
    lists->addWidget(m_entryList);
    auto *total = new QHBoxLayout;
    total->addStretch();
    total->addWidget(m_totalField);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_removeButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addLayout(lists);
    layout->addLayout(total);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_periodList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ReportsWindow::choosePeriod);
    connect(m_removeButton, &QPushButton::clicked, this, &ReportsWindow::removeEntry);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {m_removeButton, m_closeButton})
        button->setAutoDefault(true); // Enter on a button presses it
    for (QWidget *keyed : std::initializer_list<QWidget *>{this, m_periodList, m_entryList,
                                                           m_removeButton, m_closeButton})
        keyed->installEventFilter(this);
}

QString ReportsWindow::dailyPath() const
{
    return m_state.path(dailyLedgerFileName);
}

QString ReportsWindow::todayText() const
{
    return dateText(m_state.platform->now().date());
}

void ReportsWindow::activate()
{
    // Set first, so that a message box shown on the way gives the focus back to Close.
    m_closeButton->setFocus();
    m_periods.setStringList({});
    if (!showDailyView())
        return;
    try {
        m_monthly = readLines(m_state.path(monthlyLedgerFileName));
    } catch (const DataFileError &error) {
        m_monthly.clear();
        showError(error);
        return;
    }
    m_periods.setStringList(QStringList{todayText()} + monthKeys(m_monthly));
}

bool ReportsWindow::showDailyView()
{
    m_entries.setStringList({});
    m_totalField->clear();
    QStringList view;
    try {
        const QByteArray bytes = readBytes(dailyPath());
        view = dailyView(splitLines(bytes));
        // Written back as the view's lines only when that changes the file: otherwise every
        // activation would wait for the disk to take the same bytes.
        if (joinLines(view) != bytes)
            writeLines(dailyPath(), view);
    } catch (const DataFileError &error) {
        showError(error);
        return false;
    }
    m_entries.setStringList(view);
    showDailyTotal();
    return true;
}

void ReportsWindow::showDailyTotal()
{
    m_totalField->clear();
    try {
        m_totalField->setText(groupedAmount(dayTotal(m_entries.stringList(), dailyPath())));
    } catch (const DataFileError &error) {
        showError(error);
    }
}

void ReportsWindow::showMonth(const QString &month)
{
    m_entries.setStringList(monthDays(m_monthly, month));
    try {
        m_totalField->setText(
            paddedGroupedAmount(monthTotal(m_monthly, month, m_state.path(monthlyLedgerFileName))));
    } catch (const DataFileError &error) {
        showError(error);
    }
}

void ReportsWindow::choosePeriod()
{
    const int row = selectedRow(m_periodList);
    if (row == 0)
        showDailyView();
    else if (row > 0)
        showMonth(m_periods.stringList().at(row));
}

void ReportsWindow::removeEntry()
{
    const QStringList entries = m_entries.stringList();
    const int row = selectedRow(m_entryList);
    if (!mayRemove(entries, row, todayText())) {
        m_state.platform->notice(this, m_state.text(u"000139"));
        return;
    }
    if (row < 0)
        return;
    QStringList remaining = entries;
    remaining.removeAt(row);
    try {
        writeLines(dailyPath(), remaining);
    } catch (const DataFileError &error) {
        showError(error);
        return;
    }
    m_entries.removeRow(row);
    // The list would select the next record, and a second Backspace would remove it too.
    m_entryList->clearSelection();
    showDailyTotal();
}

bool ReportsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    if (key == Qt::Key_Backspace && watched == m_entryList) {
        removeEntry();
        return true;
    }
    return false;
}

} // namespace kirveno
