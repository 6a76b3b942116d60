// The journal reader: a start reads whatever file lies under the journal's name, and only a
// whole journal of this program may change a data file.

#include "fuzzcheck.h"
#include "storage/journal.h"

using namespace kirveno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const auto files = parseJournal(bytes);
    if (!files)
        return 0;
    FUZZ_CHECK(!files->isEmpty());
    qsizetype held = 0;
    for (const JournalFile &file : *files) {
        // Never a file outside the folder, nor the journal itself.
        FUZZ_CHECK(!file.name.isEmpty() && !file.name.contains(QLatin1Char('/')));
        FUZZ_CHECK(file.name != QLatin1String(".") && file.name != QLatin1String(".."));
        FUZZ_CHECK(file.name != QLatin1String(journalFileName));
        held += file.bytes.size();
    }
    FUZZ_CHECK(held < bytes.size());
    // What the program writes for these files reads back as the same files.
    const auto again = parseJournal(journalBytes(*files));
    FUZZ_CHECK(again && again->size() == files->size());
    for (qsizetype i = 0; i < files->size(); ++i) {
        FUZZ_CHECK(again->at(i).name == files->at(i).name);
        FUZZ_CHECK(again->at(i).bytes == files->at(i).bytes);
    }
    return 0;
}
