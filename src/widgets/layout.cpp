#include "layout.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <algorithm>

namespace kirveno {

QLabel *boldLabel(const QString &text)
{
    auto *label = new QLabel(text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QWidget *pair(QWidget *left, const char *separator, QWidget *right)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(left);
    row->addWidget(boldLabel(QString::fromLatin1(separator)));
    row->addWidget(right);
    row->addStretch();
    return box;
}

namespace {

// The numbers of one of the 16-byte lines that the build's rawpicture tool writes; empty when
// the line is not there or does not hold as many.
QList<int> numbersAt(const QByteArray &data, qsizetype at, qsizetype count)
{
    const QList<QByteArray> fields = data.mid(at, 16).simplified().split(' ');
    QList<int> numbers;
    for (const QByteArray &field : fields) {
        bool ok = false;
        numbers.append(field.toInt(&ok));
        if (!ok)
            return {};
    }
    return data.size() >= at + 16 && numbers.size() == count ? numbers : QList<int>();
}

// Qt turns an 8-bit picture into a 32-bit copy before it draws it, a large one with threads it
// starts for the purpose. Drawn in stripes, and only where asked, the copies stay small and are
// made on this thread; made opaque, they are copied onto the window line by line rather than
// blended pixel by pixel as Qt's own copy, which keeps room for transparency, would be.
void drawBands(QPainter &painter, const QList<PictureBand> &bands, const QRect &area)
{
    constexpr int stripeRows = 32;
    for (const PictureBand &band : bands) {
        const QRect part = area & QRect(QPoint(0, band.top), band.image.size());
        if (part.isEmpty())
            continue;
        if (band.image.format() != QImage::Format_Indexed8) {
            painter.drawImage(part.topLeft(), band.image, part.translated(0, -band.top));
            continue;
        }
        // From a column on a 4-byte boundary, as an image's lines must start on one.
        const int left = part.left() / 4 * 4;
        for (int y = part.top(); y <= part.bottom(); y += stripeRows) {
            QImage stripe(band.image.constScanLine(y - band.top) + left, part.right() + 1 - left,
                          std::min(stripeRows, part.bottom() + 1 - y), band.image.bytesPerLine(),
                          QImage::Format_Indexed8);
            stripe.setColorTable(band.image.colorTable());
            painter.drawImage(left, y, stripe.convertToFormat(QImage::Format_RGB32));
        }
    }
}

} // namespace

QList<PictureBand> pictureBands(const QString &name)
{
    const QResource raw(QStringLiteral(":/pictures/%1.raw").arg(name));
    if (!raw.isValid()) {
        const QImage image(QStringLiteral(":/pictures/%1.jpg").arg(name));
        return image.isNull() ? QList<PictureBand>() : QList<PictureBand>{{0, image}};
    }
    // As the build's rawpicture tool writes them; stored uncompressed, the pixels are shown in
    // place from the program's file.
    const QByteArray data = raw.uncompressedData();
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    // An image's pixels must be 32-bit aligned; should the resource data not be, they are copied.
    const auto inPlace = [aligned = quintptr(bytes) % 4 == 0](const QImage &image) {
        return aligned ? image : image.copy();
    };
    const QList<int> size = numbersAt(data, 0, 3);
    if (size.isEmpty() || size[0] <= 0 || size[1] <= 0)
        return {};
    const int width = size[0];
    const int height = size[1];
    if (size[2] == 0) {
        if (data.size() != 16 + qsizetype(width) * height * 4)
            return {};
        return {{0, inPlace(QImage(bytes + 16, width, height, qsizetype(width) * 4,
                                   QImage::Format_RGB32))}};
    }
    const qsizetype stride = (qsizetype(width) + 3) / 4 * 4;
    constexpr qsizetype colourTable = qsizetype(256) * 4;
    QList<PictureBand> bands;
    qsizetype at = 16;
    int top = 0;
    for (int i = 0; i < size[2]; ++i) {
        const QList<int> band = numbersAt(data, at, 2);
        if (band.isEmpty() || band[0] != top || band[1] <= 0 || top + band[1] > height
            || data.size() < at + 16 + colourTable + band[1] * stride)
            return {};
        const auto *colours = reinterpret_cast<const QRgb *>(bytes + at + 16);
        QImage image(bytes + at + 16 + colourTable, width, band[1], stride,
                     QImage::Format_Indexed8);
        image.setColorTable(QList<QRgb>(colours, colours + 256));
        bands.append({top, inPlace(image)});
        top += band[1];
        at += 16 + colourTable + band[1] * stride;
    }
    return top == height && at == data.size() ? bands : QList<PictureBand>();
}

QPixmap picture(const QString &name)
{
    const QList<PictureBand> bands = pictureBands(name);
    if (bands.size() <= 1)
        return bands.isEmpty() ? QPixmap() : QPixmap::fromImage(bands.first().image);
    QPixmap whole(bands.first().image.width(), bands.last().top + bands.last().image.height());
    QPainter painter(&whole);
    drawBands(painter, bands, whole.rect());
    return whole;
}

PictureView::PictureView(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_bands(pictureBands(name))
{
    // Every pixel is the picture's: what lies behind need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!m_bands.isEmpty())
        setFixedSize(m_bands.first().image.width(),
                     m_bands.last().top + m_bands.last().image.height());
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &area : event->region())
        drawBands(painter, m_bands, area);
}

void setBackgroundPicture(QWidget &window, const QString &name)
{
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, picture(name));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace kirveno
