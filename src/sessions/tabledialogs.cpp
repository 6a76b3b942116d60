#include "tabledialogs.h"

#include "board/programstate.h"
#include "closing.h"
#include "platform/platform.h"
#include "receipt.h"
#include "storage/datafileerror.h"
#include "widgets/arrowfield.h"
#include "widgets/layout.h"
#include "widgets/storedtextfield.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kirveno {
namespace {

constexpr int nameLength = 15;

ArrowField *hourArrows()
{
    return new ArrowField(0, 23, ArrowField::Ends::Wrap);
}
ArrowField *minuteArrows()
{
    return new ArrowField(0, 59, ArrowField::Ends::Wrap);
}
ArrowField *moneyArrows()
{
    return new ArrowField(0, 99, ArrowField::Ends::Stop);
}

QString amountOf(const ArrowField *whole, const ArrowField *hundredths)
{
    return amountFromParts(whole->value(), hundredths->value());
}

QString clockOf(const QString &hour, const QString &minute)
{
    return hour + QLatin1Char(':') + minute;
}

QString clockOf(const ArrowField *hour, const ArrowField *minute)
{
    return clockOf(hour->text(), minute->text());
}

} // namespace

SessionFieldsDialog::SessionFieldsDialog(ProgramState &state, BoardWindow &board,
                                         const char16_t *titleKey)
    : SessionDialog(state, board, titleKey)
    , m_name(new StoredTextField(nameLength, state))
    , m_hour(hourArrows())
    , m_minute(minuteArrows())
    , m_limitWhole(moneyArrows())
    , m_limitHundredths(moneyArrows())
{
    m_name->setFixedWidth(150);
    addRow(state.text(u"000013"), m_name);
    addRow(state.text(u"000014"), pair(m_hour, ":", m_minute));
    addRow(state.text(u"000015"), pair(m_limitWhole, ",", m_limitHundredths));
}

void SessionFieldsDialog::showFields(const QString &name, int startMinutes, const QString &limit)
{
    m_name->setText(name);
    m_hour->setValue(startMinutes / 60);
    m_minute->setValue(startMinutes % 60);
    showAmount(limit, *m_limitWhole, *m_limitHundredths);
    m_name->setFocus();
    m_name->selectAll();
}

TableRecord SessionFieldsDialog::record(const QString &addition) const
{
    return {m_name->text(), clockOf(m_hour, m_minute), amountOf(m_limitWhole, m_limitHundredths),
            addition};
}

bool SessionFieldsDialog::writeRecord(const TableRecord &record)
{
    try {
        writeTableRecord(m_state.path(tableStateFileName), table(), record);
        return true;
    } catch (const DataFileError &error) {
        showError(error);
        return false;
    }
}

OpenTableDialog::OpenTableDialog(ProgramState &state, BoardWindow &board)
    : SessionFieldsDialog(state, board, u"000147")
{}

void OpenTableDialog::prepare(int table)
{
    setTable(table);
    const QTime now = m_state.platform->now().time();
    showFields(QStringLiteral("Kirveno"), now.hour() * 60 + now.minute(), QStringLiteral("0"));
}

void OpenTableDialog::accept()
{
    if (!writeRecord(record(QStringLiteral("0"))))
        return;
    QDialog::accept();
    if (m_board.refreshRow(table()))
        m_board.showOpenState(table());
}

EditTableDialog::EditTableDialog(ProgramState &state, BoardWindow &board)
    : SessionFieldsDialog(state, board, u"000148")
    , m_additionWhole(moneyArrows())
    , m_additionHundredths(moneyArrows())
    , m_closeTable(new QPushButton(state.text(u"000021")))
{
    addRow(state.text(u"000016"), pair(m_additionWhole, ",", m_additionHundredths));
    addButton(m_closeTable);
    connect(m_closeTable, &QPushButton::clicked, this, [this] { done(CloseRequested); });
}

bool EditTableDialog::prepare(int table)
{
    setTable(table);
    TableRecord stored;
    try {
        stored = TableState::load(m_state.path(tableStateFileName)).record(table);
    } catch (const DataFileError &error) {
        showError(error);
        return false;
    }
    showAmount(stored.addition, *m_additionWhole, *m_additionHundredths);
    showFields(stored.name, std::max(0, minutesOfClock(stored.start)), stored.limit);
    return true;
}

void EditTableDialog::accept()
{
    if (!writeRecord(record(amountOf(m_additionWhole, m_additionHundredths))))
        return;
    m_board.refreshRow(table());
    QDialog::accept();
}

CloseTableDialog::CloseTableDialog(ProgramState &state, BoardWindow &board)
    : SessionDialog(state, board, u"000149")
    , m_name(shownField(150))
    , m_startHour(shownField(30))
    , m_startMinute(shownField(30))
    , m_finishHour(shownField(30))
    , m_finishMinute(shownField(30))
    , m_addition(shownField(60))
    , m_total(shownField(80))
    , m_paper(new QComboBox)
    , m_print(new QPushButton(state.text(u"000260")))
{
    for (QLineEdit *field : {m_startHour, m_startMinute, m_finishHour, m_finishMinute})
        field->setAlignment(Qt::AlignCenter);
    m_addition->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont big = m_total->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_total->setFont(big);
    addRow(state.text(u"000013"), m_name);
    addRow(state.text(u"000014"), pair(m_startHour, ":", m_startMinute));
    addRow(QStringLiteral("Finish"), pair(m_finishHour, ":", m_finishMinute));
    addRow(state.text(u"000016"), m_addition);
    addRow(state.text(u"000150"), m_total);

    // The paper is chosen here, not in the print dialog, whose own list has no till rolls; the
    // choice stays for the next closings of the run. Enter and Esc keep confirming and cancelling:
    // the list passes them on, and the button is never the default.
    m_paper->addItem(state.text(u"000262"), int(ReceiptPaper::Roll80));
    m_paper->addItem(state.text(u"000263"), int(ReceiptPaper::Roll58));
    m_paper->addItem(state.text(u"000264"), int(ReceiptPaper::A4));
    m_print->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, &CloseTableDialog::printReceipt);
    auto *receipt = new QWidget;
    auto *receiptRow = new QHBoxLayout(receipt);
    receiptRow->setContentsMargins(0, 0, 0, 0);
    receiptRow->addWidget(m_paper);
    receiptRow->addWidget(m_print);
    addRow(state.text(u"000261"), receipt);
}

bool CloseTableDialog::prepare(int table)
{
    setTable(table);
    const QString cost = m_board.copyCost(table);
    TableRecord record;
    try {
        record = TableState::load(m_state.path(tableStateFileName)).record(table);
    } catch (const DataFileError &error) {
        showError(error);
        return false;
    }
    const auto bill = billOf(cost, record.addition);
    if (!bill) {
        showError(fillPlaces(m_state.text(u"000208"), {cost, QString::number(table + 1)}));
        return false;
    }
    m_bill = *bill;
    m_name->setText(record.name);
    m_startHour->setText(record.start.left(2));
    m_startMinute->setText(record.start.mid(3, 2));
    const QDateTime now = m_state.platform->now();
    m_finishDate = now.date();
    m_finishHour->setText(twoDigits(now.time().hour()));
    m_finishMinute->setText(twoDigits(now.time().minute()));
    m_addition->setText(record.addition);
    m_total->setText(m_bill.shown);
    okButton()->setFocus();
    return true;
}

ClosedSession CloseTableDialog::shownSession() const
{
    return {m_name->text(), clockOf(m_startHour->text(), m_startMinute->text()),
            clockOf(m_finishHour->text(), m_finishMinute->text()), m_bill.total};
}

void CloseTableDialog::printReceipt()
{
    const Receipt receipt =
        receiptOf(m_state.texts, m_state.settings.businessName(), m_finishDate, table() + 1,
                  shownSession(), parseAmount(m_addition->text()).value_or(0));
    const auto paper = ReceiptPaper(m_paper->currentData().toInt());
    m_state.platform->print(
        this, m_state.text(u"000261") + QLatin1Char(' ') + QString::number(table() + 1),
        [&](QPagedPaintDevice &page, const QString &destination) {
            // After the print dialog, which puts the printer's own paper in place, and at the
            // resolution of the printer chosen, so that a roll is cut right below the last line.
            setReceiptPage(page, paper, receipt);
            if (!paintReceipt(page, receipt))
                showError(fillPlaces(m_state.text(u"000268"), {destination}));
        });
    okButton()->setFocus();
}

void CloseTableDialog::accept()
{
    Closing closing = Closing::Booked;
    try {
        closing =
            closeTable(m_state.folder, table(), shownSession(), m_state.platform->now().date());
    } catch (const DataFileError &error) {
        showError(error);
        return;
    }
    if (closing == Closing::TableNotOpen) {
        m_state.platform->notice(
            this, fillPlaces(m_state.text(u"000207"), {QString::number(table() + 1)}));
        QDialog::reject();
    } else {
        if (m_state.settings.soundOn())
            m_state.platform->playSound(m_state.path(cashRegisterFileName));
        QDialog::accept();
    }
    m_board.clearRow(table());
    m_board.showClosedState(table());
}

TableDialogs::TableDialogs(ProgramState &state, BoardWindow &board)
    : m_open([&state, &board] { return new OpenTableDialog(state, board); })
    , m_edit([&state, &board] { return new EditTableDialog(state, board); })
    , m_close([&state, &board] { return new CloseTableDialog(state, board); })
{}

void TableDialogs::openTable(int table)
{
    m_open->prepare(table);
    m_open->exec();
}

void TableDialogs::editTable(int table)
{
    if (m_edit->prepare(table) && m_edit->exec() == EditTableDialog::CloseRequested)
        closeTable(table);
}

void TableDialogs::closeTable(int table)
{
    if (m_close->prepare(table))
        m_close->exec();
}

} // namespace kirveno
