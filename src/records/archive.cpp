#include "archive.h"

#include "storage/datafileerror.h"

#include <algorithm>

namespace kirveno {

bool isMarker(const QString &line, const char *fileName)
{
    return line.compare(QLatin1String(fileName), Qt::CaseInsensitive) == 0;
}

QStringList archiveLines(const QString &folder, const ArchivedFiles &files)
{
    QStringList lines;
    for (std::size_t file = 0; file < files.size(); ++file) {
        const QStringList &fileLines = files[file];
        for (qsizetype i = 0; i < fileLines.size(); ++i) {
            for (const char *name : archivedFileNames) {
                if (isMarker(fileLines[i], name))
                    throw DataFileError(folder + QLatin1String(archivedFileNames[file]), u"000231",
                                        {QString::number(i + 1), fileLines[i]});
            }
        }
        lines += fileLines;
        lines.append(QLatin1String(archivedFileNames[file]));
    }
    return lines;
}

ArchivedFiles splitArchive(const QString &archivePath, const QStringList &lines)
{
    ArchivedFiles files;
    qsizetype start = 0;
    for (std::size_t file = 0; file < files.size(); ++file) {
        const char *name = archivedFileNames[file];
        const auto marker = std::find_if(lines.begin(), lines.end(), [name](const QString &line) {
            return isMarker(line, name);
        });
        // The first marker of this name must come after the one before it.
        const qsizetype end = marker - lines.begin();
        if (marker == lines.end() || end < start)
            throw DataFileError(archivePath, u"000230", {QString::fromLatin1(name)});
        files[file] = lines.mid(start, end - start);
        start = end + 1;
    }
    return files;
}

} // namespace kirveno
