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
    // Raw pixels after a line "WIDTH HEIGHT", as the build's rawpicture tool writes them; stored
    // uncompressed, they are read in place in the program's file.
    const QByteArray data =
        QResource(QStringLiteral(":/pictures/%1.raw").arg(name)).uncompressedData();
    const qsizetype lineEnd = data.indexOf('\n');
    const QList<QByteArray> size = data.left(lineEnd).split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    if (lineEnd < 0 || width <= 0 || height <= 0
        || data.size() - lineEnd - 1 != qsizetype(width) * height * 4)
        return {};
    const QImage image(reinterpret_cast<const uchar *>(data.constData() + lineEnd + 1), width,
                       height, qsizetype(width) * 4, QImage::Format_RGB32);
    return QPixmap::fromImage(image);
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
