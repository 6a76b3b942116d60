// A small process around the single-instance guard for the two-process tests:
//   single_instance_probe TITLE hold      claims; prints "first" or ends with 0 when another runs,
//                                          prints "raised" when a later start asks it forward
//   single_instance_probe TITLE handover  claims, gives the claim up after 200 ms as a restart
//                                          does, prints "released" and goes on for 3 s
// It is a GUI application, as the program is, so that it claims on the desktop session of its
// Qt platform (QT_QPA_PLATFORM, DISPLAY ...).
#include "platform/singleinstance.h"

#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const auto say = [](const char *word) {
        std::printf("%s\n", word);
        std::fflush(stdout);
    };
    kirveno::SingleInstance guard(args[1]);
    if (!guard.claim([&] { say("raised"); }))
        return 0;
    say("first");
    if (args[2] == QLatin1String("handover")) {
        QTimer::singleShot(200, [&] {
            guard.release();
            say("released");
        });
        QTimer::singleShot(3200, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
