#pragma once

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kirveno {

class DataFileError;
struct ProgramState;

// What the program's modal dialogs share: the board's picture behind them, a form of captioned
// rows, the OK and Cancel buttons and the keys (Enter confirms, Esc cancels; on Cancel both
// cancel), centred on the screen whenever shown.
class FormDialog : public QDialog
{
    Q_OBJECT
public:
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

protected:
    FormDialog(ProgramState &state, QWidget *parent, const char16_t *titleKey);

    // Adds a captioned row to the form.
    void addRow(const QString &caption, QWidget *content);
    static QLineEdit *shownField(int width);
    // Adds a button before OK.
    void addButton(QPushButton *button);
    // Puts a heading above the form.
    void addHeading(QLayout *heading);
    void showEvent(QShowEvent *event) override;
    // Reports a failed command without closing the dialog.
    void showError(const QString &message);
    void showError(const DataFileError &error);

    ProgramState &m_state;

private:
    QGridLayout *m_form;
    QWidget *m_buttons;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace kirveno
