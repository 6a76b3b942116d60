#pragma once

#include <QWidget>

namespace kirveno {

class DataFileError;
struct ProgramState;

// What the reports and the loans window share: a window of the board that does not block it,
// the reports' picture behind it, centred whenever shown, and an activation each time it takes
// over from another window of the program.
class RecordWindow : public QWidget
{
    Q_OBJECT
public:
    // Reads the window's files again and starts over; see each window.
    virtual void activate() = 0;

protected:
    RecordWindow(ProgramState &state, QWidget *board, const char16_t *titleKey);

    void showEvent(QShowEvent *event) override;
    void showError(const DataFileError &error);

    ProgramState &m_state;
};

} // namespace kirveno
