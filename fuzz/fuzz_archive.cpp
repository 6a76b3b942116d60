// The archive split: a restore reads whatever file the operator chooses, and writes the three
// files only from an archive, each with exactly the lines before its marker.

#include "fuzzcheck.h"
#include "records/archive.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"

using namespace kirveno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzz::bytesOf(data, size));
    // Where the first marker of each name lies, or -1.
    qsizetype first[3];
    for (std::size_t file = 0; file < 3; ++file) {
        first[file] = -1;
        for (qsizetype i = 0; i < lines.size() && first[file] < 0; ++i) {
            if (isMarker(lines[i], archivedFileNames[file]))
                first[file] = i;
        }
    }
    const bool archive = first[0] >= 0 && first[1] > first[0] && first[2] > first[1];

    ArchivedFiles files;
    try {
        files = splitArchive(QStringLiteral("/x/chosen.kva"), lines);
    } catch (const DataFileError &) {
        FUZZ_CHECK(!archive);
        return 0;
    }
    FUZZ_CHECK(archive);
    // The files with their markers are the archive up to its last marker.
    QStringList joined;
    for (std::size_t file = 0; file < 3; ++file) {
        joined += files[file];
        joined.append(lines[first[file]]);
    }
    FUZZ_CHECK(joined == lines.mid(0, first[2] + 1));
    // No file holds the marker that ends it.
    for (std::size_t file = 0; file < 3; ++file) {
        for (const QString &line : files[file])
            FUZZ_CHECK(!isMarker(line, archivedFileNames[file]));
    }
    // Files that a backup accepts come back from their archive as they are.
    try {
        FUZZ_CHECK(splitArchive(QStringLiteral("/x/again.kva"),
                                splitLines(joinLines(archiveLines(QStringLiteral("/x/"), files))))
                   == files);
    } catch (const DataFileError &) {
        // A line equal to an earlier file's marker: the backup refuses it.
    }
    return 0;
}
