#pragma once

#include "storage/ledgers.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// The receipt of a closing, printed from the closing dialog: the business's name over the bill
// as the dialog shows it, and a line of thanks. It is laid out for the width of the page it is
// printed on: on a till roll one column the width of the paper, captions at the left and
// figures flush right; on a sheet a framed block of a receipt's size at the top.
namespace kirveno {

class TextTable;

struct Receipt
{
    struct Line
    {
        QString caption;
        QString value;
    };
    QString business;
    QList<Line> lines; // date, table, name, start, finish, addition
    Line total;
    QString thanks;
};

// The papers the closing dialog offers, in its order: the two common till roll widths and A4.
enum class ReceiptPaper { Roll80, Roll58, A4 };

// The receipt of a session as the closing dialog shows it, worded from the text table.
Receipt receiptOf(const TextTable &texts, const QString &business, QDate date, int tableNumber,
                  const ClosedSession &session, Cents addition);

// Sets the page for the paper: a roll is cut just below the receipt's last line, A4 is a sheet.
void setReceiptPage(QPagedPaintDevice &device, ReceiptPaper paper, const Receipt &receipt);

// Paints the receipt on the device's page (its paper may have been changed since it was set);
// false when the device cannot be painted on, such as a PDF file that cannot be written.
bool paintReceipt(QPagedPaintDevice &device, const Receipt &receipt);

} // namespace kirveno
