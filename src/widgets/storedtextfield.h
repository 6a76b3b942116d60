#pragma once

#include <QLineEdit>

namespace kirveno {

struct ProgramState;

// A text field whose text is stored in a data file: it holds at most maxLength characters and
// refuses, with a message, any character the code page of the data files cannot hold.
class StoredTextField : public QLineEdit
{
    Q_OBJECT
public:
    StoredTextField(int maxLength, const ProgramState &state, QWidget *parent = nullptr);

private:
    void checkEdit(const QString &text);

    const ProgramState &m_state;
    QString m_accepted; // the text before the edit being checked
};

} // namespace kirveno
