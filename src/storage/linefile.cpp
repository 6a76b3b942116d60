#include "linefile.h"

#include "codepage.h"
#include "datafileerror.h"

#include <QFile>
#include <QSaveFile>

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

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DataFileError(path,
                            QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw DataFileError(path,
                            QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
    return splitLines(bytes);
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const auto fail = [&](const QString &why) {
        throw DataFileError(path, QStringLiteral("The file cannot be written: %1. It was left as "
                                                 "it was.")
                                      .arg(why));
    };
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk, size limit) shows in write()'s result here
    // and not as a silent loss inside commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            fail(why);
        }
        done += n;
    }
    if (file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        fail(why);
    }
    if (!file.commit())
        fail(file.errorString());
}

void writeAllOrNothing(const QList<FileChange> &changes, LineWriter write)
{
    for (qsizetype done = 0; done < changes.size(); ++done) {
        try {
            write(changes[done].path, changes[done].after);
        } catch (const DataFileError &error) {
            QStringList notBack;
            for (qsizetype i = done - 1; i >= 0; --i) {
                try {
                    write(changes[i].path, changes[i].before);
                } catch (const DataFileError &) {
                    notBack.append(changes[i].path);
                }
            }
            if (notBack.isEmpty())
                throw;
            throw DataFileError(error.file(),
                                error.problem()
                                    + QStringLiteral("\n\nThese files were already written and "
                                                     "could not be put back: %1")
                                          .arg(notBack.join(QStringLiteral(", "))));
        }
    }
}

void writeLines(const QString &path, const QStringList &lines)
{
    // A line break inside a line would shift every later line of a file whose line order is
    // its format.
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            throw DataFileError(path, QStringLiteral("A line to be written holds a line break: "
                                                     "\"%1\". Nothing was written.")
                                          .arg(line.simplified()));
    }
    writeFileAtomically(path, joinLines(lines));
}

} // namespace kirveno
