#include "archivecommands.h"

#include "archive.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/platform.h"
#include "storage/datafileerror.h"
#include "storage/journal.h"
#include "storage/linefile.h"
#include "storage/loans.h"
#include "storage/settingsfile.h"

namespace kirveno {

namespace {

// The same for both dialogs: the program's archives, or any file.
QString archiveFilter(const ProgramState &state)
{
    return state.text(u"000182") + QStringLiteral(" (*.kva);;") + state.text(u"000183")
           + QStringLiteral(" (*)");
}

const auto archiveSuffix = QStringLiteral("kva");

} // namespace

ArchiveCommands::ArchiveCommands(ProgramState &state, BoardWindow &board)
    : m_state(state)
    , m_board(board)
{}

void ArchiveCommands::backUp()
{
    Platform &platform = *m_state.platform;
    try {
        // The files are read and checked before the operator is asked for a name.
        ArchivedFiles files;
        for (std::size_t file = 0; file < files.size(); ++file)
            files[file] = readLines(m_state.path(archivedFileNames[file]));
        const QStringList archive = archiveLines(m_state.folder, files);

        const QString path = platform.saveFileName(&m_board, archiveFilter(m_state), archiveSuffix,
                                                   QStringLiteral("archive.kva"));
        if (path.isEmpty())
            return;
        // Asked whether or not a file of that name is there.
        const QString question = m_state.text(u"000184") + QLatin1Char(' ')
                                 + m_state.text(u"000185") + QLatin1Char(' ')
                                 + m_state.text(u"000186");
        if (!platform.ask(&m_board, m_state.text(u"000143"), question, QuestionIcon::Question))
            return;
        writeLines(path, archive);
    } catch (const DataFileError &error) {
        platform.showError(&m_board, m_state.message(error));
    }
}

void ArchiveCommands::restore()
{
    Platform &platform = *m_state.platform;
    const QString path = platform.openFileName(&m_board, archiveFilter(m_state), archiveSuffix);
    if (path.isEmpty())
        return;
    try {
        const ArchivedFiles files = splitArchive(path, readLines(path));
        // Settings or loans that the program could not read would stop it at the next start
        // or in the loans window: refused here, before anything is written.
        SettingsFile::fromLines(files[0], path);
        LoansFile::fromLines(files[2], path);
        QList<FileChange> change;
        for (std::size_t file = 0; file < files.size(); ++file)
            change.append({m_state.path(archivedFileNames[file]), files[file]});
        commitChange(change);
    } catch (const DataFileError &error) {
        platform.showError(&m_board, m_state.message(error));
        return;
    }
    if (platform.ask(&m_board, m_state.text(u"000145"), m_state.text(u"000146"),
                     QuestionIcon::Question))
        m_board.restart();
}

} // namespace kirveno
