#include "receipt.h"

#include "settings/texttable.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace kirveno {
namespace {

constexpr qreal mmPerInch = 25.4;

// Sizes in millimetres.
struct Roll
{
    qreal width;
    qreal margin; // at either side; what is left is what till printers of the width print on
};
constexpr Roll roll80{80, 4};
constexpr Roll roll58{58, 5};
constexpr qreal rollTop = 3;
constexpr qreal rollBottom = 8; // below the last line, to tear the receipt off
constexpr qreal sheetMargin = 15;
// On a sheet the receipt is a framed block of a till receipt's width at the top, not a strip
// and not a poster.
constexpr qreal sheetColumn = 90;
constexpr qreal framePadding = 6;

// Where the receipt goes on a page and in what size of type: the narrower the column, the
// smaller the type, so that a caption and its value share a line even on a 58 mm roll.
struct Column
{
    QRectF rect; // its height is not used: the receipt takes what it needs
    qreal bodyPoints;
    bool framed;
};

Column columnFor(qreal pageWidth, qreal dpi)
{
    const qreal mm = dpi / mmPerInch;
    if (pageWidth < 60 * mm)
        return {QRectF(0, 0, pageWidth, 0), 8.5, false};
    if (pageWidth < 100 * mm)
        return {QRectF(0, 0, pageWidth, 0), 10, false};
    return {QRectF((pageWidth - sheetColumn * mm) / 2, framePadding * mm, sheetColumn * mm, 0), 11,
            true};
}

QFont bodyType(qreal points)
{
    QFont font;
    font.setPointSizeF(points);
    return font;
}

QFont boldType(const QFont &body, qreal scale)
{
    QFont font = body;
    font.setPointSizeF(body.pointSizeF() * scale);
    font.setBold(true);
    return font;
}

// Goes down the column putting the receipt's parts one under the other. It measures only, or
// paints as well when it has a painter, so that the page fitted to a receipt and the receipt
// painted on it come from the same layout.
class ColumnWriter
{
public:
    ColumnWriter(const QPaintDevice &device, QPainter *painter, const Column &column)
        : m_device(device)
        , m_painter(painter)
        , m_column(column.rect)
        , m_body(bodyType(column.bodyPoints))
        , m_y(column.rect.top())
    {}

    const QFont &body() const { return m_body; }
    qreal bottom() const { return m_y; }

    // Lines of the body's height.
    void space(qreal lines) { m_y += lines * QFontMetricsF(m_body, &m_device).lineSpacing(); }

    void centred(const QString &text, const QFont &font)
    {
        block(text, font, Qt::AlignHCenter | Qt::TextWordWrap);
    }

    // The caption at the left and the value at the right of one line; when the two do not fit
    // beside each other, the value goes under its caption, still at the right.
    void line(const Receipt::Line &line, const QFont &font)
    {
        const QFontMetricsF metrics(font, &m_device);
        const qreal gap = metrics.horizontalAdvance(QStringLiteral("  "));
        if (metrics.horizontalAdvance(line.caption) + gap + metrics.horizontalAdvance(line.value)
            > m_column.width()) {
            block(line.caption, font, Qt::AlignLeft | Qt::TextWordWrap);
            block(line.value, font, Qt::AlignRight | Qt::TextWordWrap);
        } else {
            const QRectF row(m_column.left(), m_y, m_column.width(), metrics.lineSpacing());
            if (m_painter) {
                m_painter->setFont(font);
                m_painter->drawText(row, Qt::AlignLeft | Qt::AlignVCenter, line.caption);
                m_painter->drawText(row, Qt::AlignRight | Qt::AlignVCenter, line.value);
            }
            m_y += row.height();
        }
        // A little air between the lines, which thermal print runs together.
        m_y += metrics.lineSpacing() * 0.15;
    }

    void rule(Qt::PenStyle style)
    {
        const qreal middle = m_y + QFontMetricsF(m_body, &m_device).lineSpacing() / 2;
        if (m_painter) {
            // A hairline of a tenth of the type's size: thin on a roll, still seen on a sheet.
            m_painter->setPen(
                QPen(Qt::black, m_body.pointSizeF() / 10 * m_device.logicalDpiY() / 72, style));
            m_painter->drawLine(QPointF(m_column.left(), middle),
                                QPointF(m_column.right(), middle));
            m_painter->setPen(Qt::black);
        }
        space(1);
    }

private:
    void block(const QString &text, const QFont &font, int flags)
    {
        const QRectF room(m_column.left(), m_y, m_column.width(), 1e6);
        if (m_painter) {
            m_painter->setFont(font);
            m_painter->drawText(room, flags, text);
        }
        m_y += QFontMetricsF(font, &m_device).boundingRect(room, flags, text).height();
    }

    const QPaintDevice &m_device;
    QPainter *m_painter;
    QRectF m_column;
    QFont m_body;
    qreal m_y;
};

// The receipt down the column; returns where it ends.
qreal layOut(const Receipt &receipt, const QPaintDevice &device, QPainter *painter,
             const Column &column)
{
    ColumnWriter writer(device, painter, column);
    writer.centred(receipt.business, boldType(writer.body(), 1.4));
    writer.rule(Qt::DashLine);
    for (const Receipt::Line &line : receipt.lines)
        writer.line(line, writer.body());
    writer.rule(Qt::SolidLine);
    writer.line(receipt.total, boldType(writer.body(), 1.3));
    writer.rule(Qt::SolidLine);
    writer.space(0.5);
    QFont thanks = writer.body();
    thanks.setItalic(true);
    writer.centred(receipt.thanks, thanks);
    return writer.bottom();
}

} // namespace

Receipt receiptOf(const TextTable &texts, const QString &business, QDate date, int tableNumber,
                  const ClosedSession &session, Cents addition)
{
    return {business,
            {{texts.text(u"000265"), dateText(date)},
             {texts.text(u"000012"), QString::number(tableNumber)},
             {texts.text(u"000013"), session.name},
             {texts.text(u"000014"), session.start},
             {texts.text(u"000266"), session.finish},
             {texts.text(u"000016"), plainAmount(addition)}},
            {texts.text(u"000150"), plainAmount(session.total)},
            texts.text(u"000267")};
}

void setReceiptPage(QPagedPaintDevice &device, ReceiptPaper paper, const Receipt &receipt)
{
    if (paper == ReceiptPaper::A4) {
        device.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(sheetMargin, sheetMargin, sheetMargin, sheetMargin),
                        QPageLayout::Millimeter));
        return;
    }
    const Roll roll = paper == ReceiptPaper::Roll80 ? roll80 : roll58;
    const qreal dpi = device.logicalDpiY();
    const qreal columnWidth = (roll.width - 2 * roll.margin) * dpi / mmPerInch;
    const qreal receiptHeight = layOut(receipt, device, nullptr, columnFor(columnWidth, dpi));
    const qreal height = std::ceil(receiptHeight * mmPerInch / dpi) + rollTop + rollBottom;
    device.setPageLayout(QPageLayout(QPageSize(QSizeF(roll.width, height), QPageSize::Millimeter,
                                               QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait,
                                     QMarginsF(roll.margin, rollTop, roll.margin, rollBottom),
                                     QPageLayout::Millimeter));
}

bool paintReceipt(QPagedPaintDevice &device, const Receipt &receipt)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int dpi = device.logicalDpiY();
    const Column column = columnFor(device.pageLayout().paintRectPixels(dpi).width(), dpi);
    if (column.framed) {
        const qreal padding = framePadding * dpi / mmPerInch;
        const qreal bottom = layOut(receipt, device, nullptr, column);
        painter.setPen(QPen(Qt::darkGray, 0.3 * dpi / mmPerInch));
        painter.drawRect(QRectF(column.rect.topLeft(), QPointF(column.rect.right(), bottom))
                             .adjusted(-padding, -padding, padding, padding));
        painter.setPen(Qt::black);
    }
    layOut(receipt, device, &painter, column);
    return painter.end();
}

} // namespace kirveno
