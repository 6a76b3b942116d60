#pragma once

#include "money.h"

#include <QStringList>

class QRandomGenerator;

// ayar.dat: 17 lines addressed by number. Lines after the 17th are kept as they are.
namespace kirveno {

namespace SettingsLine {
enum : int {
    BusinessName = 0,
    TableCount = 1,
    HourlyPrice = 2,
    MinimumCharge = 3,
    Sound = 4,
    PasswordFirst = 5, // 5-12: the password's characters, one a line
    PasswordLength = 13,
    Filler = 14,
    Language = 15,
    FirstStart = 16,
    Count = 17
};
}

inline constexpr int maxPasswordLength = 8;

class SettingsFile
{
public:
    // Checks the line count and the forms of the lines the board reads at start-up; throws
    // DataFileError naming the file and the line otherwise.
    static SettingsFile fromLines(const QStringList &lines, const QString &file);
    static SettingsFile load(const QString &path);
    void save(const QString &path) const;

    const QStringList &lines() const { return m_lines; }
    const QString &line(int number) const { return m_lines[number]; }
    void setLine(int number, const QString &text) { m_lines[number] = text; }

    QString businessName() const { return m_lines[SettingsLine::BusinessName]; }
    // The number of rows the board shows: the stored count (blanks around it ignored), at least 6.
    int tableCount() const;
    bool soundOn() const { return m_lines[SettingsLine::Sound] == QLatin1String("1"); }

    // The stored password, decoded from lines 5-13. Throws DataFileError naming the file and the
    // line when they do not hold an encoded password: a damaged file never lets anyone in.
    QString password() const;
    // Encodes the password into lines 5-14 with fresh random digits. The text must fit the
    // code page and hold at most eight characters.
    void setPassword(const QString &password, QRandomGenerator &random);

private:
    QStringList m_lines;
    QString m_file;
};

// The generator for the password's random digits, seeded once from the clock, so that every
// save draws new digits.
QRandomGenerator &passwordRandom();

} // namespace kirveno
