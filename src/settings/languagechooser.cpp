#include "languagechooser.h"

#include "board/boardwidgets.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "languages.h"
#include "platform/platform.h"
#include "storage/datafileerror.h"
#include "widgets/layout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace kirveno {

LanguageChooser::LanguageChooser(ProgramState &state, BoardWindow &board)
    : QDialog(&board, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_board(board)
    , m_list(new QTreeWidget)
    , m_chosen(new QLineEdit)
    , m_progress(new QProgressBar)
    , m_ok(new QPushButton(state.text(u"000018")))
    , m_cancel(new QPushButton(state.text(u"000019")))
    , m_translators(new QPushButton(state.text(u"000046")))
{
    setWindowTitle(state.text(u"000035"));
    setBackgroundPicture(*this, QStringLiteral("reports"));

    m_list->setColumnCount(3);
    m_list->setHeaderLabels({state.text(u"000151"), state.text(u"000044"), state.text(u"000045")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int column = 0; column < 3; ++column)
        m_list->setColumnWidth(column, std::array{100, 120, 330}[column]);
    m_list->setFixedSize(570, 200);
    m_chosen->setReadOnly(true);
    m_chosen->setEnabled(false);
    m_chosen->setFixedWidth(150);
    m_progress->setRange(0, 100);
    m_progress->hide();

    auto *current = new QHBoxLayout;
    current->addWidget(boldLabel(state.text(u"000047") + QStringLiteral("  :")));
    current->addWidget(m_chosen);
    current->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_translators);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_list);
    layout->addLayout(current);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_translators, &QPushButton::clicked, this,
            [this] { m_board.openPage("en/translators", "tr/cevirmenler"); });
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { m_chosen->setText(item->text(0)); });
    // Enter in the list chooses as OK does.
    connect(m_list, &QTreeWidget::itemActivated, this, &QDialog::accept);
}

void LanguageChooser::ask()
{
    fillList();
    exec();
}

void LanguageChooser::fillList()
{
    m_list->clear();
    const QList<LanguageFile> languages =
        languageFiles(m_state.folder + QStringLiteral("language/"));
    if (languages.isEmpty())
        return;
    m_progress->setValue(10);
    m_progress->show();
    const qsizetype count = languages.size();
    for (qsizetype i = 0; i < count; ++i) {
        m_progress->setValue(count == 1 ? 25 : int(25 + i * (65 / (count - 1))));
        const LanguageFile &file = languages[i];
        new QTreeWidgetItem(m_list, {file.language, file.local, file.writer});
    }
    m_chosen->setText(m_state.languageName);
    m_progress->setValue(100);
    m_progress->hide();
    m_ok->setFocus();
}

void LanguageChooser::accept()
{
    const QString chosen = m_chosen->text().toLower();
    if (chosen.isEmpty() || chosen == m_state.settings.line(SettingsLine::Language)) {
        reject();
        return;
    }
    if (!m_state.platform->ask(this, m_state.text(u"000143"), m_state.text(u"000152"),
                               QuestionIcon::Question))
        return;
    if (!m_state.changeSettingsFile(this, [&](SettingsFile &settings) {
            settings.setLine(SettingsLine::Language, chosen);
        }))
        return;
    QDialog::accept();
    m_board.restart();
}

void LanguageChooser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

} // namespace kirveno
