#include "modules.h"

#include <QCoreApplication>
#include <QLibrary>
#include <dlfcn.h>

namespace kirveno {
namespace {

// The entry point of a module: in the program already when it was linked in (as the tests link
// every module), else from the module's file beside the program (a program folder or a build)
// or in the installed one (<prefix>/lib/kirveno/modules), loaded once and kept for the run.
QFunctionPointer moduleEntry(const char *module, const char *entry, QString &error)
{
    if (void *linked = dlsym(RTLD_DEFAULT, entry))
        return reinterpret_cast<QFunctionPointer>(linked);
    error.clear();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString fileName = QStringLiteral("libkirveno-%1.so").arg(QLatin1String(module));
    for (const QString &folder :
         {programFolder, programFolder + QStringLiteral("/../lib/kirveno/modules")}) {
        QLibrary library(folder + QLatin1Char('/') + fileName);
        if (library.load()) {
            if (QFunctionPointer function = library.resolve(entry))
                return function;
        }
        error += (error.isEmpty() ? QString() : QStringLiteral("\n")) + library.errorString();
    }
    return nullptr;
}

template<typename Entry> Entry *entryOf(const char *module, const char *entry, QString &error)
{
    return reinterpret_cast<Entry *>(moduleEntry(module, entry, error));
}

} // namespace

MakeSoundPlayer *soundModule(QString &error)
{
    return entryOf<MakeSoundPlayer>("sound", "kirvenoMakeSoundPlayer", error);
}

Print *printModule(QString &error)
{
    return entryOf<Print>("printing", "kirvenoPrint", error);
}

MakeBarChartView *chartModule(QString &error)
{
    return entryOf<MakeBarChartView>("chart", "kirvenoMakeBarChartView", error);
}

} // namespace kirveno
