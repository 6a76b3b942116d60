#include "layout.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
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

void setBackgroundPicture(QWidget &window, const QString &picture)
{
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, QPixmap(picture));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace kirveno
