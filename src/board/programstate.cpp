#include "programstate.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kirveno {

ProgramState ProgramState::load(const QString &folder, Platform &platform)
{
    ProgramState state;
    state.folder = folder;
    state.platform = &platform;
    state.texts = TextTable::builtInEnglish();
    state.languageName = state.texts.text(u"Language");
    if (!QFileInfo::exists(state.path(settingsFileName))
        || !QFileInfo::exists(state.path(tableStateFileName)))
        return state;
    state.settings = SettingsFile::load(state.path(settingsFileName));
    ActiveTexts active = loadActiveTexts(folder, state.settings.line(SettingsLine::Language));
    state.texts = std::move(active.table);
    state.languageName = std::move(active.languageName);
    state.tables = TableState::load(state.path(tableStateFileName));
    state.loaded = true;
    return state;
}

QString applicationTitle()
{
    return QLatin1String(programName) + QStringLiteral(" v") + QLatin1String(programVersion);
}

QString ProgramState::boardTitle() const
{
    QString title = applicationTitle();
    if (loaded)
        title += QStringLiteral("     ") + settings.businessName();
    return title;
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

} // namespace kirveno
