#include "storedtextfield.h"

#include "platform/platform.h"
#include "storage/codepage.h"

namespace kirveno {

StoredTextField::StoredTextField(int maxLength, Platform &platform, QWidget *parent)
    : QLineEdit(parent)
    , m_platform(platform)
{
    setMaxLength(maxLength);
    // What the operator types or pastes is checked; a text the program sets from a file is
    // taken as it is.
    connect(this, &QLineEdit::textEdited, this, &StoredTextField::checkEdit);
    // Told after textEdited; reads the field, which a refused edit has already put back.
    connect(this, &QLineEdit::textChanged, this, [this] { m_accepted = QLineEdit::text(); });
}

void StoredTextField::checkEdit(const QString &text)
{
    if (fitsDataLine(text))
        return;
    QString refused;
    for (QChar c : text) {
        if (!fitsDataLine(QStringView(&c, 1)) && c.isPrint())
            refused.append(c);
    }
    setText(m_accepted); // takes back just this edit
    m_platform.notice(this, refused.isEmpty()
                                ? QStringLiteral("Line breaks and tabs cannot be stored in the "
                                                 "program's files and were not taken.")
                                : QStringLiteral("The characters \"%1\" cannot be stored in the "
                                                 "program's files and were not taken.")
                                      .arg(refused));
}

} // namespace kirveno
