// The process the crash test kills: plays a café's operations on a program folder.
//   crash_worker FOLDER SEED START OPERATIONS [KILL_AT]
// START is an ISO date and time. The process prints "go" before its first operation. With KILL_AT
// it kills itself just before the KILL_AT-th step of its writes, after printing the step and the
// file on a line of its own.
#include "storage/atomicfile.h"
#include "support/sessionscript.h"

#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

void say(const QByteArray &line)
{
    (void)!::write(STDOUT_FILENO, line.constData(), size_t(line.size()));
}

long killAt = 0;
long stepsSeen = 0;

bool killAtChosenStep(kirveno::WriteStep step, const QString &path)
{
    if (++stepsSeen == killAt) {
        say(QByteArray(kirveno::writeStepName(step)) + " | " + QFileInfo(path).fileName().toUtf8()
            + '\n');
        std::raise(SIGKILL);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5)
        return 2;
    if (argc > 5) {
        killAt = std::atol(argv[5]);
        kirveno::setWriteStepHook(killAtChosenStep);
    }
    kirveno::testing::SessionScript script(
        QString::fromLocal8Bit(argv[1]), quint32(std::strtoul(argv[2], nullptr, 10)),
        QDateTime::fromString(QString::fromLatin1(argv[3]), Qt::ISODate));
    say("go\n");
    for (int i = std::atoi(argv[4]); i > 0; --i)
        script.step();
    return 0;
}
