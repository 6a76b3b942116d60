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
    if (fitsCodePage(text)) {
        m_accepted = text;
        return;
    }
    QString refused;
    for (QChar c : text) {
        if (byteOf(c) < 0)
            refused.append(c);
    }
    setText(m_accepted);
    m_platform.notice(this, QStringLiteral("The characters \"%1\" cannot be stored in the "
                                           "program's files and were not taken.")
                                .arg(refused));
}

} // namespace kirveno
