#include "sessiondialog.h"

#include "board/boardwindow.h"
#include "board/programstate.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kirveno {

SessionDialog::SessionDialog(ProgramState &state, BoardWindow &board, const char16_t *titleKey)
    : FormDialog(state, &board, titleKey)
    , m_board(board)
    , m_tableNumber(new QLabel(this))
{
    auto *heading = new QLabel(state.text(u"000012"), this);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    heading->setFont(big);
    m_tableNumber->setFont(big);
    auto *headingRow = new QHBoxLayout;
    headingRow->addWidget(heading);
    headingRow->addWidget(m_tableNumber);
    headingRow->addStretch();
    addHeading(headingRow);
}

void SessionDialog::setTable(int table)
{
    m_table = table;
    m_tableNumber->setText(QString::number(table + 1));
}

} // namespace kirveno
