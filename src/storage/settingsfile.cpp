#include "settingsfile.h"

#include "codepage.h"
#include "datafileerror.h"
#include "linefile.h"

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

bool isPrice(const QString &text)
{
    return text.size() == 5 && text[2] == QLatin1Char(',') && isDigits(text.left(2), 2)
           && isDigits(text.mid(3), 2);
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
        throw DataFileError(file, QStringLiteral("The file holds %1 lines; it must hold %2. The "
                                                 "file was left as it is.")
                                      .arg(lines.size())
                                      .arg(int(SettingsLine::Count)));
    }
    bool countOk = false;
    const int count = lines[SettingsLine::TableCount].toInt(&countOk);
    if (!countOk
        || !isDigits(lines[SettingsLine::TableCount], lines[SettingsLine::TableCount].size())
        || count > 30) {
        throwBadLine(file, SettingsLine::TableCount, lines[SettingsLine::TableCount],
                     QStringLiteral("a number of tables up to 30"));
    }
    for (int price : {int(SettingsLine::HourlyPrice), int(SettingsLine::MinimumCharge)}) {
        if (!isPrice(lines[price]))
            throwBadLine(file, price, lines[price], QStringLiteral("an amount such as 02,00"));
    }
    for (int flag : {int(SettingsLine::Sound), int(SettingsLine::FirstStart)}) {
        if (lines[flag] != QLatin1String("0") && lines[flag] != QLatin1String("1"))
            throwBadLine(file, flag, lines[flag], QStringLiteral("\"0\" or \"1\""));
    }
    const QString &lengthLine = lines[SettingsLine::PasswordLength];
    const int length = isDigits(lengthLine, 8) ? passwordLengthOf(lengthLine) : -1;
    if (length < 0 || length > maxPasswordLength)
        throwBadLine(file, SettingsLine::PasswordLength, lengthLine,
                     QStringLiteral("an encoded password length"));
    for (int i = 0; i < length; ++i) {
        const QString &line = lines[SettingsLine::PasswordFirst + i];
        const int byte = isDigits(line, 8) ? passwordByteOf(line) : -1;
        if (byte < 0 || byte > 255)
            throwBadLine(file, SettingsLine::PasswordFirst + i, line,
                         QStringLiteral("an encoded password character"));
    }
    SettingsFile settings;
    settings.m_lines = lines;
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
    return std::max(6, m_lines[SettingsLine::TableCount].toInt());
}

QString SettingsFile::password() const
{
    const int length = passwordLengthOf(m_lines[SettingsLine::PasswordLength]);
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(char(passwordByteOf(m_lines[SettingsLine::PasswordFirst + i])));
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
