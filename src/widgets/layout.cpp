#include "layout.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QResource>
#include <QScreen>

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

QPixmap picture(const QString &name)
{
    // Raw pixels after a 16-byte line "WIDTH HEIGHT", as the build's rawpicture tool writes them;
    // stored uncompressed, they are shown in place from the program's file.
    const QByteArray data =
        QResource(QStringLiteral(":/pictures/%1.raw").arg(name)).uncompressedData();
    constexpr qsizetype header = 16;
    const QList<QByteArray> size = data.left(header).simplified().split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    if (size.size() != 2 || width <= 0 || height <= 0
        || data.size() - header != qsizetype(width) * height * 4)
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(data.constData() + header);
    const QImage image(pixels, width, height, qsizetype(width) * 4, QImage::Format_RGB32);
    // An image's pixels must be 32-bit aligned; should the resource data not be, they are copied.
    return QPixmap::fromImage(quintptr(pixels) % 4 == 0 ? image : image.copy());
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
