#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

// Small pieces of layout that the program's windows share.
namespace kirveno {

// A caption in bold, as every field's caption is.
QLabel *boldLabel(const QString &text);

// hh ":" mm or whole "," hundredths beside each other.
QWidget *pair(QWidget *left, const char *separator, QWidget *right);

// One of the program's pictures by its name ("board", "reports", ...), as it is built in:
// horizontal bands, shown in place from the program's file (the later windows' JPEG pictures are
// decoded). Most pictures are one band; the board's gradient is cut into bands of at most 256
// colours, a quarter of its 32-bit pixels. Empty when the picture is missing.
struct PictureBand
{
    int top;
    QImage image;
};
QList<PictureBand> pictureBands(const QString &name);

// The picture whole, for labels, buttons and brushes (put together when it is cut into bands);
// null when it is missing.
QPixmap picture(const QString &name);

// A picture that draws its bands as they are built in, at its own size, for the board's large
// background that is on screen all day.
class PictureView : public QWidget
{
public:
    PictureView(const QString &name, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<PictureBand> m_bands;
};

// Shows one of the program's pictures behind the window's controls.
void setBackgroundPicture(QWidget &window, const QString &name);

// Puts the window in the middle of the screen; the windows do so whenever they are shown.
void centreOnScreen(QWidget &window);

} // namespace kirveno
