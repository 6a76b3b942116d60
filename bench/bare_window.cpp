// The yardstick for start-up: a bare Qt window of the board's size, started and shown the same
// way as the board, ended once painted.
#include "widgets/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(367, 259);
    kirveno::afterFirstPaint(window, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
