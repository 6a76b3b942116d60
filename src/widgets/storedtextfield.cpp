#include "storedtextfield.h"

#include "platform/platform.h"
#include "storage/codepage.h"

namespace kirveno {

StoredTextField::StoredTextField(int maxLength, Platform &platform, QWidget *parent)
    : QLineEdit(parent)
    , m_platform(platform)
{
    setMaxLength(maxLength);
    connect(this, &QLineEdit::textChanged, this, &StoredTextField::checkEdit);
}

void StoredTextField::checkEdit(const QString &text)
{
    if (fitsDataLine(text)) {
        m_accepted = text;
        return;
    }
    QString refused;
    for (QChar c : text) {
        if (!fitsDataLine(QStringView(&c, 1)) && c.isPrint())
            refused.append(c);
    }
    setText(m_accepted);
    m_platform.notice(this, refused.isEmpty()
                                ? QStringLiteral("Line breaks and tabs cannot be stored in the "
                                                 "program's files and were not taken.")
                                : QStringLiteral("The characters \"%1\" cannot be stored in the "
                                                 "program's files and were not taken.")
                                      .arg(refused));
}

} // namespace kirveno
