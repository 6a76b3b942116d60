#pragma once

#include "bill.h"
#include "board/boardwindow.h"
#include "sessiondialog.h"
#include "storage/ledgers.h"
#include "storage/tablestate.h"
#include "widgets/onfirstuse.h"

#include <QPointer>

class QComboBox;
class QLineEdit;

namespace kirveno {

class ArrowField;
class StoredTextField;

// The fields the opening and the editing dialog share: the name, the start time and the
// pre-paid limit of a session.
class SessionFieldsDialog : public SessionDialog
{
    Q_OBJECT
public:
    StoredTextField *nameField() const { return m_name; }
    ArrowField *hourField() const { return m_hour; }
    ArrowField *minuteField() const { return m_minute; }
    ArrowField *limitWholeField() const { return m_limitWhole; }
    ArrowField *limitHundredthsField() const { return m_limitHundredths; }

protected:
    SessionFieldsDialog(ProgramState &state, BoardWindow &board, const char16_t *titleKey);

    // Fills the fields; the name gets the focus, selected, so that typing replaces it.
    void showFields(const QString &name, int startMinutes, const QString &limit);
    // The record the fields make, with the given addition.
    TableRecord record(const QString &addition) const;
    // Writes the record into zaman.dat as the file is now; false after a message.
    bool writeRecord(const TableRecord &record);

private:
    StoredTextField *m_name;
    ArrowField *m_hour;
    ArrowField *m_minute;
    ArrowField *m_limitWhole;
    ArrowField *m_limitHundredths;
};

// Starts a session on a closed table: a name, a start time (now, by default) and an optional
// pre-paid limit.
class OpenTableDialog : public SessionFieldsDialog
{
    Q_OBJECT
public:
    OpenTableDialog(ProgramState &state, BoardWindow &board);
    // Resets every field for the table; the dialog is then shown.
    void prepare(int table);

    void accept() override;
};

// Changes a running session: name, start time, limit and addition; or hands it over to closing.
class EditTableDialog : public SessionFieldsDialog
{
    Q_OBJECT
public:
    // The result of exec() when the operator chose to close the table instead.
    static constexpr int CloseRequested = 2;

    EditTableDialog(ProgramState &state, BoardWindow &board);
    // Loads the table's record from zaman.dat; false (after a message) when it cannot be read.
    bool prepare(int table);

    ArrowField *additionWholeField() const { return m_additionWhole; }
    ArrowField *additionHundredthsField() const { return m_additionHundredths; }
    QPushButton *closeTableButton() const { return m_closeTable; }

    void accept() override;

private:
    ArrowField *m_additionWhole;
    ArrowField *m_additionHundredths;
    QPushButton *m_closeTable;
};

// Bills a session, books it in the daily ledger and frees the table.
class CloseTableDialog : public SessionDialog
{
    Q_OBJECT
public:
    CloseTableDialog(ProgramState &state, BoardWindow &board);
    // Reads the record and computes the bill as of now; false (after a message) when it cannot.
    bool prepare(int table);

    const Bill &bill() const { return m_bill; }
    QLineEdit *nameField() const { return m_name; }
    QLineEdit *totalField() const { return m_total; }
    QLineEdit *additionField() const { return m_addition; }
    QLineEdit *finishHourField() const { return m_finishHour; }
    QLineEdit *finishMinuteField() const { return m_finishMinute; }
    QComboBox *paperField() const { return m_paper; }
    QPushButton *printButton() const { return m_print; }

    void accept() override;

private:
    // The session as the dialog shows it, the one confirming books.
    ClosedSession shownSession() const;
    // Prints the receipt of the bill shown; changes nothing, and the dialog stays open.
    void printReceipt();

    Bill m_bill;
    QDate m_finishDate;
    QLineEdit *m_name;
    QLineEdit *m_startHour;
    QLineEdit *m_startMinute;
    QLineEdit *m_finishHour;
    QLineEdit *m_finishMinute;
    QLineEdit *m_addition;
    QLineEdit *m_total;
    QComboBox *m_paper;
    QPushButton *m_print;
};

// The board's row pictures lead here. The dialogs are the board's children and live as long as
// it does.
class TableDialogs : public SessionDialogs
{
public:
    TableDialogs(ProgramState &state, BoardWindow &board);

    void openTable(int table) override;
    void editTable(int table) override;
    void closeTable(int table) override;

    OpenTableDialog &openDialog() { return *m_open; }
    EditTableDialog &editDialog() { return *m_edit; }
    CloseTableDialog &closeDialog() { return *m_close; }

private:
    OnFirstUse<OpenTableDialog> m_open;
    OnFirstUse<EditTableDialog> m_edit;
    OnFirstUse<CloseTableDialog> m_close;
};

} // namespace kirveno
