#include "settingsfile.h"

#include "codepage.h"
#include "datafileerror.h"
#include "linefile.h"
#include "tablestate.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace kirveno {
namespace {

bool isDigits(const QString &text, int count)
{
    if (text.size() != count)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int number(const QString &text, int from, int count)
{
    return QStringView(text).mid(from, count).toInt();
}

int passwordLengthOf(const QString &line)
{
    return (number(line, 0, 2) - number(line, 6, 2)) / 4 - 10;
}

int passwordByteOf(const QString &line)
{
    const int k = number(line, 6, 2);
    const int n = number(line, 2, 4);
    return ((n - 98 * k) * 2) / 10 - 500;
}

QString randomDigits(QRandomGenerator &random, int count)
{
    QString digits;
    for (int i = 0; i < count; ++i)
        digits.append(QLatin1Char(char('0' + random.bounded(10))));
    return digits;
}

} // namespace

QRandomGenerator &passwordRandom()
{
    static QRandomGenerator random{quint32(QDateTime::currentMSecsSinceEpoch())};
    return random;
}

SettingsFile SettingsFile::fromLines(const QStringList &lines, const QString &file)
{
    if (lines.size() < SettingsLine::Count) {
        throw DataFileError(file, u"000194",
                            {QString::number(lines.size()), QString::number(SettingsLine::Count)});
    }
    // Only what the board reads at start-up is checked here, read as the board reads it; the
    // sound switch and the first-start flag take any text, and the password lines are checked
    // when a password window reads them.
    const QString &count = lines[SettingsLine::TableCount];
    bool countOk = false;
    if (QStringView(count).trimmed().toInt(&countOk) > tableSlots || !countOk)
        throwBadLine(file, SettingsLine::TableCount, count, u"000197");
    for (int price : {int(SettingsLine::HourlyPrice), int(SettingsLine::MinimumCharge)}) {
        if (!parseAmount(lines[price]))
            throwBadLine(file, price, lines[price], u"000198");
    }
    SettingsFile settings;
    settings.m_lines = lines;
    settings.m_file = file;
    return settings;
}

SettingsFile SettingsFile::load(const QString &path)
{
    return fromLines(readLines(path), path);
}

void SettingsFile::save(const QString &path) const
{
    writeLines(path, m_lines);
}

int SettingsFile::tableCount() const
{
    return std::max(6, QStringView(m_lines[SettingsLine::TableCount]).trimmed().toInt());
}

QString SettingsFile::password() const
{
    const QString &lengthLine = m_lines[SettingsLine::PasswordLength];
    const int length = isDigits(lengthLine, 8) ? passwordLengthOf(lengthLine) : -1;
    if (length < 0 || length > maxPasswordLength)
        throwBadLine(m_file, SettingsLine::PasswordLength, lengthLine, u"000199");
    QByteArray bytes;
    for (int i = 0; i < length; ++i) {
        const QString &line = m_lines[SettingsLine::PasswordFirst + i];
        const int byte = isDigits(line, 8) ? passwordByteOf(line) : -1;
        if (byte < 0 || byte > 255)
            throwBadLine(m_file, SettingsLine::PasswordFirst + i, line, u"000200");
        bytes.append(char(byte));
    }
    return decode1254(bytes);
}

void SettingsFile::setPassword(const QString &password, QRandomGenerator &random)
{
    Q_ASSERT(password.size() <= maxPasswordLength && fitsCodePage(password));
    const int length = int(password.size());
    const int r = random.bounded(10);
    m_lines[SettingsLine::PasswordLength] =
        QString::number(4 * length + r + 50) + randomDigits(random, 4) + QString::number(r + 10);
    m_lines[SettingsLine::Filler] = randomDigits(random, 8);
    for (int i = maxPasswordLength - 1; i >= 0; --i) {
        const int k = random.bounded(20, 50);
        const int c = i < length ? byteOf(password[i]) : random.bounded(255);
        m_lines[SettingsLine::PasswordFirst + i] =
            randomDigits(random, 2) + QString::number(5 * (c + 500) + 98 * k) + QString::number(k);
    }
}

} // namespace kirveno
