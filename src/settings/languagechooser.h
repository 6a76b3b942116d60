#pragma once

#include <QDialog>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace kirveno {

class BoardWindow;
struct ProgramState;

// Chooses the language of the program among the language folder's files; a new choice is stored
// in ayar.dat and takes effect through a restart.
class LanguageChooser : public QDialog
{
    Q_OBJECT
public:
    LanguageChooser(ProgramState &state, BoardWindow &board);

    // Lists the language folder anew and runs the chooser.
    void ask();

    QTreeWidget *languageList() const { return m_list; }
    QLineEdit *chosenField() const { return m_chosen; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *translatorsButton() const { return m_translators; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();

    ProgramState &m_state;
    BoardWindow &m_board;
    QTreeWidget *m_list;
    QLineEdit *m_chosen;
    QProgressBar *m_progress;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_translators;
};

} // namespace kirveno
