// ayar.dat: SettingsFile::fromLines and what the program reads from an accepted file.

#include "board/tick.h"
#include "fuzzcheck.h"
#include "storage/codepage.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "storage/settingsfile.h"

#include <QRandomGenerator>
#include <optional>

using namespace kirveno;

namespace {

const QString fileName = QStringLiteral("ayar.dat");

void checkPasswordRoundTrip(const SettingsFile &settings, const QString &password, quint32 seed)
{
    if (password.size() > maxPasswordLength || !fitsCodePage(password))
        return;
    QRandomGenerator random(seed);
    SettingsFile changed = settings;
    changed.setPassword(password, random);
    FUZZ_CHECK(changed.password() == password);

    // Only the password's lines (5-13) and the filler (14) change.
    FUZZ_CHECK(changed.lines().size() == settings.lines().size());
    for (int i = 0; i < settings.lines().size(); ++i) {
        if (i < SettingsLine::PasswordFirst || i > SettingsLine::Filler)
            FUZZ_CHECK(changed.line(i) == settings.line(i));
    }

    // The file as saved is read back with the same password.
    std::optional<SettingsFile> reread;
    try {
        reread = SettingsFile::fromLines(splitLines(joinLines(changed.lines())), fileName);
    } catch (const DataFileError &) {
        FUZZ_CHECK(!"a file with a freshly set password is refused");
    }
    FUZZ_CHECK(reread->password() == password);
    FUZZ_CHECK(reread->tableCount() == settings.tableCount());
    FUZZ_CHECK(reread->line(SettingsLine::HourlyPrice) == settings.line(SettingsLine::HourlyPrice));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzz::bytesOf(data, size));
    std::optional<SettingsFile> accepted;
    try {
        accepted = SettingsFile::fromLines(lines, fileName);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == fileName);
        return 0;
    }
    const SettingsFile &settings = *accepted;
    FUZZ_CHECK(settings.lines() == lines);

    const int tables = settings.tableCount();
    FUZZ_CHECK(tables >= 6 && tables <= 30);
    const Tariff tariff = tariffOf(settings.line(SettingsLine::HourlyPrice),
                                   settings.line(SettingsLine::MinimumCharge));
    FUZZ_CHECK(tariff.hourlyPrice >= 0 && tariff.minimumCharge >= 0);
    (void)settings.soundOn();
    (void)settings.businessName();

    // The password lines are read only when a password window needs them; damaged ones are
    // refused then, naming the file.
    try {
        const QString password = settings.password();
        FUZZ_CHECK(password.size() <= maxPasswordLength);
        FUZZ_CHECK(fitsCodePage(password));
        checkPasswordRoundTrip(settings, password, 1);
    } catch (const DataFileError &error) {
        FUZZ_CHECK(error.file() == fileName);
    }

    // Texts of the file as new passwords.
    checkPasswordRoundTrip(settings, settings.businessName(), 2);
    checkPasswordRoundTrip(settings, settings.line(SettingsLine::Language), 3);
    return 0;
}
