#pragma once

#include "recordwindow.h"
#include "storage/loans.h"

class QListWidget;
class QPushButton;

namespace kirveno {

class ArrowField;
class StoredTextField;

// The customers who owe money: a list of their names, one loan shown at a time, and the
// commands that add, edit and remove loans, each written to borc.dat at once. The window lives
// as long as the board and stays beside it, without blocking it.
class LoansWindow : public RecordWindow
{
    Q_OBJECT
public:
    LoansWindow(ProgramState &state, QWidget *board);

    // Re-reads borc.dat and shows the first loan in view mode. Runs whenever the window takes
    // over from another window of the program, so that an add or an edit left there is dropped
    // and a file restored meanwhile is shown.
    void activate() override;

    QListWidget *loanList() const { return m_loanList; }
    StoredTextField *nameField() const { return m_name; }
    StoredTextField *noteField() const { return m_note; }
    ArrowField *wholeArrows() const { return m_whole; }
    ArrowField *hundredthsArrows() const { return m_hundredths; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *closeButton() const { return m_close; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Mode { View, Add, Edit };

    void setMode(Mode mode);
    // Lists the names (one empty item when there are no loans) and selects the given one.
    void fillList(int selected);
    // The loan of the selected item; empty fields when there are no loans.
    void showSelectedLoan();
    void startAdding();
    void startEditing();
    void confirm();
    void cancel();
    void removeSelected();
    // Writes the changed loans and takes them as the window's own; false after a message.
    bool store(const LoansFile &changed);

    LoansFile m_file;
    Mode m_mode = Mode::View;
    QListWidget *m_loanList;
    StoredTextField *m_name;
    ArrowField *m_whole;
    ArrowField *m_hundredths;
    StoredTextField *m_note;
    QPushButton *m_add;
    QPushButton *m_edit;
    QPushButton *m_remove;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_close;
};

} // namespace kirveno
