// borc.dat: LoansFile::fromLines, and adding, replacing and removing a loan of an accepted file.

#include "fuzzcheck.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "storage/loans.h"

#include <optional>

using namespace kirveno;

namespace {

const QString fileName = QStringLiteral("borc.dat");

// The lines as written and read back, refused or not.
std::optional<LoansFile> reread(const LoansFile &loans)
{
    try {
        return LoansFile::fromLines(splitLines(joinLines(loans.lines())), fileName);
    } catch (const DataFileError &) {
        return std::nullopt;
    }
}

void checkWritten(const LoansFile &loans)
{
    const std::optional<LoansFile> again = reread(loans);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(again->lines() == loans.lines());
    FUZZ_CHECK(again->loans() == loans.loans());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzz::bytesOf(data, size));
    std::optional<LoansFile> accepted;
    try {
        accepted = LoansFile::fromLines(lines, fileName);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == fileName);
        return 0;
    }
    const LoansFile &loans = *accepted;
    const QStringList written = loans.lines();

    // A file with loans is written back line for line; one without keeps just its header.
    if (loans.isEmpty())
        FUZZ_CHECK(written.size() == 1 && (lines.isEmpty() || written[0] == lines[0]));
    else
        FUZZ_CHECK(written == lines);
    FUZZ_CHECK(written.size() == 1 + 3 * loans.loans().size());
    for (const Loan &loan : loans.loans()) {
        FUZZ_CHECK(!loan.name.isEmpty());
        FUZZ_CHECK(loan.amount >= 0 && loan.amount <= 9999);
    }
    checkWritten(loans);

    // A loan added goes after the last one.
    const Loan added{QStringLiteral("Çağlar"), 9995, QString()};
    LoansFile appended = loans;
    appended.append(added);
    FUZZ_CHECK(appended.lines().mid(0, written.size()) == written);
    FUZZ_CHECK(appended.lines().mid(written.size())
               == (QStringList{added.name, QStringLiteral("99,95"), QString()}));
    checkWritten(appended);

    if (loans.isEmpty())
        return 0;
    const int last = int(loans.loans().size()) - 1;
    for (const int k : {0, last / 2, last}) {
        // Replacing loan k changes its three lines and no other.
        LoansFile replaced = loans;
        replaced.replace(k, added);
        QStringList expected = written;
        expected[3 * k + 1] = added.name;
        expected[3 * k + 2] = QStringLiteral("99,95");
        expected[3 * k + 3] = QString();
        FUZZ_CHECK(replaced.lines() == expected);
        checkWritten(replaced);

        // Removing it moves the later ones up.
        LoansFile removed = loans;
        removed.remove(k);
        expected = written;
        expected.remove(3 * k + 1, 3);
        FUZZ_CHECK(removed.lines() == expected);
        checkWritten(removed);
    }
    return 0;
}
