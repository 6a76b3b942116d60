#pragma once

#include <QDialog>

class QPushButton;
class QStackedWidget;
class QTextEdit;

namespace kirveno {

class BoardWindow;
struct ProgramState;

// Three pages of help from the text table (usage, tips and a page from the maker, one shown at
// a time) and a button to the maker's donation page. Esc closes it.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    HelpWindow(ProgramState &state, BoardWindow *board);

    // Opens on the page from the maker, with the focus on the donation button.
    void ask();

    QTextEdit *usagePage() const { return m_usage; }
    QTextEdit *tipsPage() const { return m_tips; }
    QTextEdit *makerPage() const { return m_maker; }
    QTextEdit *shownPage() const;
    QPushButton *usageButton() const { return m_usageButton; }
    QPushButton *tipsButton() const { return m_tipsButton; }
    QPushButton *makerButton() const { return m_makerButton; }
    QPushButton *donateButton() const { return m_donateButton; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QStackedWidget *m_pages;
    QTextEdit *m_usage;
    QTextEdit *m_tips;
    QTextEdit *m_maker;
    QPushButton *m_usageButton;
    QPushButton *m_tipsButton;
    QPushButton *m_makerButton;
    QPushButton *m_donateButton;
};

} // namespace kirveno
