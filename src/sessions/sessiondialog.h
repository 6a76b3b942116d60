#pragma once

#include "widgets/formdialog.h"

class QLabel;

namespace kirveno {

class BoardWindow;

// What the three table dialogs share beyond the program's dialog frame: the table they work on,
// named in their heading, and the board whose row they change.
class SessionDialog : public FormDialog
{
    Q_OBJECT
public:
    int table() const { return m_table; }

protected:
    SessionDialog(ProgramState &state, BoardWindow &board, const char16_t *titleKey);

    void setTable(int table);

    BoardWindow &m_board;

private:
    int m_table = 0;
    QLabel *m_tableNumber;
};

} // namespace kirveno
