#include "recordwindow.h"

#include "board/boardwidgets.h"
#include "board/programstate.h"
#include "platform/platform.h"
#include "widgets/layout.h"
#include "widgets/windowactivation.h"

namespace kirveno {

RecordWindow::RecordWindow(ProgramState &state, QWidget *board, const char16_t *titleKey)
    : QWidget(board, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                         | Qt::WindowCloseButtonHint)
    , m_state(state)
{
    setWindowTitle(state.text(titleKey));
    setBackgroundPicture(*this, QStringLiteral("reports"));
    new WindowActivation(this, [this] { activate(); });
}

void RecordWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    centreOnScreen(*this);
}

void RecordWindow::showError(const DataFileError &error)
{
    m_state.platform->showError(this, m_state.message(error));
}

} // namespace kirveno
