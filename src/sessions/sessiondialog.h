#pragma once

#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kirveno {

class DataFileError;

class ArrowField;
class BoardWindow;
struct ProgramState;

// What the three table dialogs share: the board's picture behind them, the table heading, the
// OK and Cancel buttons and the keys (Enter confirms, Esc cancels; on Cancel both cancel).
class SessionDialog : public QDialog
{
    Q_OBJECT
public:
    int table() const { return m_table; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    SessionDialog(ProgramState &state, BoardWindow &board, const char16_t *titleKey);

    // Adds a captioned row to the form.
    void addRow(const QString &caption, QWidget *content);
    // hh ":" mm or whole "," hundredths beside each other.
    static QWidget *pair(QWidget *left, const char *separator, QWidget *right);
    static QLineEdit *shownField(int width);
    void addButton(QPushButton *button);
    void setTable(int table);
    void showEvent(QShowEvent *event) override;
    // Reports a failed command without closing the dialog.
    void showError(const QString &message);
    void showError(const DataFileError &error);

    ProgramState &m_state;
    BoardWindow &m_board;

private:
    int m_table = 0;
    QLabel *m_tableNumber;
    QGridLayout *m_form;
    QWidget *m_buttons;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace kirveno
