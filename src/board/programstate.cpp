#include "programstate.h"

#include "platform/platform.h"
#include "storage/datafileerror.h"

#include <QFileInfo>

namespace kirveno {

void ProgramState::load(const QString &programFolder, Platform &programPlatform)
{
    folder = programFolder;
    platform = &programPlatform;
    texts = TextTable::english();
    recoverProgramFolder(folder);
    if (!QFileInfo::exists(path(settingsFileName))
        || !QFileInfo::exists(path(tableStateFileName))) {
        languageName = texts.text(u"Language");
        return;
    }
    settings = SettingsFile::load(path(settingsFileName));
    ActiveTexts active = loadActiveTexts(folder, settings.line(SettingsLine::Language));
    texts = std::move(active.table);
    languageName = std::move(active.languageName);
    tables = TableState::load(path(tableStateFileName));
    loaded = true;
}

bool ProgramState::changeSettingsFile(QWidget *parent,
                                      const std::function<void(SettingsFile &)> &change) const
{
    try {
        const QString file = path(settingsFileName);
        SettingsFile changed = SettingsFile::load(file);
        change(changed);
        changed.save(file);
        return true;
    } catch (const DataFileError &error) {
        platform->showError(parent, message(error));
        return false;
    }
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

} // namespace kirveno
