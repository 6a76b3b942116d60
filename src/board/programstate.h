#pragma once

#include "settings/texttable.h"
#include "storage/programfiles.h"
#include "storage/settingsfile.h"
#include "storage/tablestate.h"

#include <functional>

class QWidget;

namespace kirveno {

class Platform;

// What every window shares: the program folder, the copies of the settings and of the table
// state, the texts in force and the platform. Made once by the entry point.
struct ProgramState
{
    // Completes a change that a kill interrupted, then reads ayar.dat, the language file it
    // names and zaman.dat. When ayar.dat or zaman.dat is missing nothing is loaded (the board
    // then ends the program with its message); a file that is there but damaged throws
    // DataFileError, which the texts read so far put into words.
    void load(const QString &programFolder, Platform &programPlatform);

    QString path(const char *fileName) const { return folder + QLatin1String(fileName); }
    QString text(QStringView key) const { return texts.text(key); }
    QString message(const DataFileError &error) const { return texts.message(error); }
    // Changes ayar.dat as it is now, not the copy read at the start (a restore answered "No" or
    // another window may have changed it since), and saves it; false after the message when the
    // file cannot be read or written.
    bool changeSettingsFile(QWidget *parent,
                            const std::function<void(SettingsFile &)> &change) const;

    // The board's title, by which a second start finds the first.
    QString boardTitle() const;

    QString folder; // ends with "/"
    Platform *platform = nullptr;
    bool loaded = false;
    SettingsFile settings;
    TableState tables;
    TextTable texts = TextTable::english();
    QString languageName;
};

// "Kirveno LT v1.4": the title of the program and the start of the board's title.
QString applicationTitle();

} // namespace kirveno
