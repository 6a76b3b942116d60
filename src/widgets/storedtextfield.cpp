#include "storedtextfield.h"

#include "board/programstate.h"
#include "platform/platform.h"
#include "storage/codepage.h"

namespace kirveno {

StoredTextField::StoredTextField(int maxLength, const ProgramState &state, QWidget *parent)
    : QLineEdit(parent)
    , m_state(state)
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
    m_state.platform->notice(this, refused.isEmpty()
                                       ? m_state.text(u"000209")
                                       : fillPlaces(m_state.text(u"000210"), {refused}));
}

} // namespace kirveno
