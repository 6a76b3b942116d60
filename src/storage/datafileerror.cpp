#include "datafileerror.h"

namespace kirveno {

DataFileError::DataFileError(QString file, const char16_t *key, QList<TextArg> args)
    : m_file(std::move(file))
{
    append(key, std::move(args));
}

void DataFileError::append(const char16_t *key, QList<TextArg> args)
{
    m_sentences.append({QString::fromUtf16(key), std::move(args)});
}

const char *DataFileError::what() const noexcept
{
    if (m_what.isEmpty()) {
        m_what = m_file.toUtf8();
        for (const Sentence &sentence : m_sentences)
            m_what += ' ' + sentence.key.toLatin1();
    }
    return m_what.constData();
}

void throwBadLine(const QString &file, int lineIndex, const QString &text,
                  const char16_t *expectedKey)
{
    throw DataFileError(file, u"000196",
                        {QString::number(lineIndex + 1), text, TextArg::phrase(expectedKey)});
}

} // namespace kirveno
