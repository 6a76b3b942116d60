// The yardstick for start-up: a bare Qt window of the board's size (ten tables' rows), started
// and shown the same way as the board, ended once painted. With WIDTH HEIGHT it takes that size,
// to tell what the board's larger window costs by itself.
// bench_bare_window [WIDTH HEIGHT]
#include "widgets/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    const QStringList arguments = app.arguments();
    window.setFixedSize(arguments.size() == 3 ? QSize(arguments[1].toInt(), arguments[2].toInt())
                                              : QSize(367, 259));
    kirveno::afterFirstPaint(window, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
