// The second yardstick for start-up: a Qt window of the board's size with one label, so that
// the fonts' first use is paid by the yardstick as by the board.
#include "widgets/firstpaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Kirveno LT"));
    window.setFixedSize(367, 259);
    kirveno::afterFirstPaint(window, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
