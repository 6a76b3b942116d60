#include "reportswindow.h"

#include "board/programstate.h"
#include "platform/platform.h"
#include "reports.h"
#include "storage/atomicfile.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"
#include "takings.h"
#include "takingschart.h"
#include "widgets/layout.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
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

// The reports' picture is made for a narrower window: it keeps to the lower right corner, where
// its cup stands, and its mirror image carries it on to the left without an edge.
void widenBackground(QWidget &window)
{
    const QPixmap reports = picture(QStringLiteral("reports"));
    const QSize size = window.sizeHint();
    const QPoint corner(size.width() - reports.width(), size.height() - reports.height());
    QPixmap background(size);
    QPainter painter(&background);
    painter.drawPixmap(corner, reports);
    painter.drawImage(corner - QPoint(reports.width(), 0), reports.toImage().mirrored(true, false));
    painter.end();
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, background);
    window.setPalette(palette);
}

Cents totalOf(const QList<TakingsBar> &bars)
{
    Cents total = 0;
    for (const TakingsBar &bar : bars)
        total += bar.amount;
    return total;
}

} // namespace

ReportsWindow::ReportsWindow(ProgramState &state, QWidget *board)
    : RecordWindow(state, board, u"000024")
    , m_periodList(listOf(&m_periods, this))
    , m_entryList(listOf(&m_entries, this))
    , m_totalField(new QLineEdit(this))
    , m_chart(new TakingsChart(this))
    , m_exportButton(new QPushButton(state.text(u"000240"), this))
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

    auto *view = new QGridLayout;
    view->addWidget(m_periodList, 0, 0);
    view->addWidget(m_entryList, 0, 1);
    view->addWidget(m_chart, 0, 2);
    view->addWidget(m_totalField, 1, 1, Qt::AlignRight);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_removeButton);
    buttons->addWidget(m_closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addLayout(view);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    widenBackground(*this);

    connect(m_periodList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ReportsWindow::choosePeriod);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsWindow::exportView);
    connect(m_removeButton, &QPushButton::clicked, this, &ReportsWindow::removeEntry);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {m_exportButton, m_removeButton, m_closeButton})
        button->setAutoDefault(true); // Enter on a button presses it
    for (QWidget *keyed : std::initializer_list<QWidget *>{
             this, m_periodList, m_entryList, m_exportButton, m_removeButton, m_closeButton})
        keyed->installEventFilter(this);
}

QString ReportsWindow::dailyPath() const
{
    return m_state.path(dailyLedgerFileName);
}

QString ReportsWindow::monthlyPath() const
{
    return m_state.path(monthlyLedgerFileName);
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
    m_monthly.clear();
    if (!showDailyView()) {
        m_chart->showBars(QString(), {});
        return;
    }
    try {
        m_monthly = readLines(monthlyPath());
    } catch (const DataFileError &error) {
        m_chart->showBars(QString(), {});
        showError(error);
        return;
    }
    m_periods.setStringList(QStringList{todayText()} + monthKeys(m_monthly));
    showTwelveMonths();
}

bool ReportsWindow::showDailyView()
{
    m_month.clear();
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

void ReportsWindow::showTwelveMonths()
{
    try {
        const QList<TakingsBar> bars =
            twelveMonthBars(m_monthly, m_state.platform->now().date(), monthlyPath());
        m_chart->showBars(fillPlaces(m_state.text(u"000250"), {groupedAmount(totalOf(bars))}),
                          bars);
    } catch (const DataFileError &error) {
        m_chart->showBars(QString(), {});
        showError(error);
    }
}

void ReportsWindow::showMonth(const QString &month)
{
    m_month = month;
    m_entries.setStringList(monthDays(m_monthly, month));
    try {
        const Cents total = monthTotal(m_monthly, month, monthlyPath());
        m_totalField->setText(paddedGroupedAmount(total));
        m_chart->showBars(fillPlaces(m_state.text(u"000251"), {month, groupedAmount(total)}),
                          monthBars(m_monthly, month, monthlyPath()));
    } catch (const DataFileError &error) {
        m_chart->showBars(QString(), {});
        showError(error);
    }
}

void ReportsWindow::choosePeriod()
{
    const int row = selectedRow(m_periodList);
    if (row == 0 && showDailyView())
        showTwelveMonths();
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

void ReportsWindow::exportView()
{
    Platform &platform = *m_state.platform;
    try {
        // The view is read and checked before the operator is asked for a name.
        const QList<CsvRow> table =
            m_month.isEmpty() ? dailyTable(m_entries.stringList(), m_state.texts, dailyPath())
                              : monthTable(m_monthly, m_month, m_state.texts, monthlyPath());
        const QString period = m_month.isEmpty() ? m_entries.stringList().value(0) : m_month;
        const QString filter = m_state.text(u"000248") + QStringLiteral(" (*.csv);;")
                               + m_state.text(u"000183") + QStringLiteral(" (*)");
        const QString path =
            platform.saveFileName(this, filter, QStringLiteral("csv"), csvFileName(period));
        if (path.isEmpty())
            return;
        if (QFileInfo::exists(path)
            && !platform.ask(this, m_state.text(u"000143"),
                             fillPlaces(m_state.text(u"000249"), {path}), QuestionIcon::Question))
            return;
        writeFileAtomically(path, csvBytes(table, csvFormat(m_state.languageName)));
    } catch (const DataFileError &error) {
        showError(error);
    }
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
