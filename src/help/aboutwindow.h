#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kirveno {

class BoardWindow;
struct ProgramState;

// The product, its version and maker, a link to the maker's web site, and what the machine is:
// its operating system and its memory. A borderless window.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    AboutWindow(ProgramState &state, BoardWindow *board);

    // Asks the platform anew for the system and the memory, and shows the window.
    void ask();

    QLabel *versionLine() const { return m_version; }
    QLabel *webLink() const { return m_link; }
    QLabel *systemLine() const { return m_system; }
    QLabel *memoryLine() const { return m_memory; }
    QPushButton *okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProgramState &m_state;
    QLabel *m_version;
    QLabel *m_link;
    QLabel *m_system;
    QLabel *m_memory;
    QPushButton *m_ok;
};

} // namespace kirveno
