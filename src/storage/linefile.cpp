#include "linefile.h"

#include "atomicfile.h"
#include "codepage.h"
#include "datafileerror.h"
#include "journal.h"

#include <QFile>
#include <QFileInfo>

namespace kirveno {

QStringList splitLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype begin = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(decode1254(bytes.sliced(begin, i - begin)));
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        begin = i + 1;
    }
    if (begin < size)
        lines.append(decode1254(bytes.sliced(begin)));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(total);
    for (const QString &line : lines) {
        bytes.append(encode1254(line));
        bytes.append("\r\n", 2);
    }
    return bytes;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(path, u"000191", {file.errorString()});
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw DataFileError(path, u"000191", {file.errorString()});
    return bytes;
}

QStringList readLines(const QString &path)
{
    return splitLines(readBytes(path));
}

QByteArray bytesToWrite(const QString &path, const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            throw DataFileError(path, u"000193", {line.simplified()});
    }
    return joinLines(lines);
}

void writeLines(const QString &path, const QStringList &lines)
{
    refuseWhileUnfinished(QFileInfo(path).absolutePath());
    writeFileAtomically(path, bytesToWrite(path, lines));
}

} // namespace kirveno
