#include "datafileerror.h"

#include <QDir>

namespace kirveno {

DataFileError::DataFileError(QString file, const QString &problem)
    : m_file(std::move(file))
    , m_problem(problem)
    , m_message(QStringLiteral("%1\n\n%2").arg(QDir::toNativeSeparators(m_file), problem))
    , m_utf8(m_message.toUtf8())
{}

void throwBadLine(const QString &file, int lineIndex, const QString &text, const QString &expected)
{
    throw DataFileError(file, QStringLiteral("Line %1 holds \"%2\", where %3 was expected. The "
                                             "file was left as it is.")
                                  .arg(lineIndex + 1)
                                  .arg(text, expected));
}

} // namespace kirveno
