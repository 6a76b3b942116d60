#include "helpwindow.h"

#include "board/boardwidgets.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "helppages.h"
#include "widgets/layout.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

namespace kirveno {
namespace {

QTextEdit *page(const ProgramState &state, HelpPage which, Qt::Alignment alignment,
                Qt::ScrollBarPolicy scrollBar)
{
    auto *text = new QTextEdit;
    text->setReadOnly(true);
    text->setLineWrapMode(QTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(scrollBar);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(helpPageLines(state.texts, which).join(QLatin1Char('\n')));
    QTextCursor all(text->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat aligned;
    aligned.setAlignment(alignment);
    all.mergeBlockFormat(aligned);
    text->setFixedSize(470, 195);
    return text;
}

} // namespace

HelpWindow::HelpWindow(ProgramState &state, BoardWindow *board)
    : QDialog(board, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
    , m_pages(new QStackedWidget)
    , m_usage(page(state, HelpPage::Usage, Qt::AlignLeft, Qt::ScrollBarAlwaysOn))
    , m_tips(page(state, HelpPage::Tips, Qt::AlignLeft, Qt::ScrollBarAlwaysOn))
    , m_maker(page(state, HelpPage::FromMaker, Qt::AlignHCenter, Qt::ScrollBarAlwaysOff))
    , m_usageButton(new QPushButton(state.text(u"000056")))
    , m_tipsButton(new QPushButton(state.text(u"000057")))
    , m_makerButton(new QPushButton(state.text(u"000058")))
    , m_donateButton(new QPushButton(state.text(u"000156")))
{
    setWindowTitle(state.text(u"000038"));
    setBackgroundPicture(*this, QStringLiteral("reports"));

    for (QTextEdit *text : {m_usage, m_tips, m_maker})
        m_pages->addWidget(text);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_usageButton, m_tipsButton, m_makerButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_donateButton);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(buttons);
    layout->addWidget(m_pages);

    connect(m_usageButton, &QPushButton::clicked, this,
            [this] { m_pages->setCurrentWidget(m_usage); });
    connect(m_tipsButton, &QPushButton::clicked, this,
            [this] { m_pages->setCurrentWidget(m_tips); });
    connect(m_makerButton, &QPushButton::clicked, this,
            [this] { m_pages->setCurrentWidget(m_maker); });
    connect(m_donateButton, &QPushButton::clicked, this,
            [board] { board->openPage("en/donate", "tr/bagis"); });
}

void HelpWindow::ask()
{
    m_pages->setCurrentWidget(m_maker);
    m_donateButton->setFocus();
    exec();
}

QTextEdit *HelpWindow::shownPage() const
{
    return qobject_cast<QTextEdit *>(m_pages->currentWidget());
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

} // namespace kirveno
