// The second yardstick for start-up: a Qt window of the board's size with one label, so that
// the fonts' first use is paid by the yardstick as by the board.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Kirveno LT"));
    window.setFixedSize(367, 259);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
