#include "boardwindow.h"

#include "boardwidgets.h"
#include "platform/platform.h"
#include "programstate.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "widgets/layout.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QUrl>

namespace kirveno {
namespace {

using Figure = TableSlot::Figure;

constexpr int boardWidth = 367;
constexpr int toolbarX[4] = {94, 134, 174, 214};

int clientHeight(int tableCount)
{
    return tableCount <= 6 ? 183 : 20 * tableCount + 59;
}

FigureField *headerField(QWidget *parent, QRect geometry)
{
    auto *field = new FigureField(parent);
    field->setGeometry(geometry);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

} // namespace

BoardWindow::BoardWindow(ProgramState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setWindowTitle(state.boardTitle());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, QColor(135, 206, 235));
    setPalette(sky);
    setAutoFillBackground(true);
    // Everything on the board is bold, in a size that leaves room for "23:59" in a 38-pixel
    // field; the board's children take the font from it (its dialogs and menus are windows of
    // their own and keep theirs).
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(11);
    setFont(bold);

    if (state.loaded) {
        m_tariff = tariffOf(state.settings.line(SettingsLine::HourlyPrice),
                            state.settings.line(SettingsLine::MinimumCharge));
        m_tableCount = state.settings.tableCount();
    }
    buildBanner();
    buildRows();
    setFixedSize(boardWidth, clientHeight(m_tableCount));
    centreOnScreen(*this);
    if (state.loaded)
        restoreOpenTables();

    // The board is activated when it is first shown and whenever it takes over from another of
    // the program's windows (not when the operator comes back from another program): when a
    // dialog or message box closes, and when the focus comes back from another window of ours.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        if (focus && focus == windowHandle() && m_lastFocus && m_lastFocus->type() != Qt::Popup
            && m_lastFocus->type() != Qt::ToolTip)
            requestActivation(); // a popup menu or a tooltip is not a window of its own
        m_lastFocus = focus;
    });
    // Also sees the mouse on the name fields (dragging) and on the background picture.
    qApp->installEventFilter(this);
    m_clock.setInterval(500);
    connect(&m_clock, &QTimer::timeout, this, &BoardWindow::tick);
    tick();
    m_clock.start();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::buildBanner()
{
    m_background = new PictureView(QStringLiteral("board"), this);
    m_background->move(0, 38);
    m_background->setMouseTracking(true);
    (new PictureView(QStringLiteral("banner"), this))->move(0, 0);

    m_dateField = headerField(this, QRect(2, 1, 89, 19));
    m_dayField = headerField(this, QRect(2, 21, 89, 19));
    m_timeField = headerField(this, QRect(303, 10, 56, 21));

    const char *const icons[4] = {"tool-reports", "tool-loans", "tool-settings", "tool-help"};
    const char16_t *const hints[4] = {u"000006", u"000007", u"000008", u"000009"};
    for (int i = 0; i < 4; ++i) {
        auto *icon =
            new ToolbarIcon(picture(QString::fromLatin1(icons[i])), QPoint(toolbarX[i], 4), this);
        icon->setToolTip(m_state.text(hints[i]));
        if (i == 2)
            connect(icon, &ToolbarIcon::clicked, this, [this] { popUp(settingsMenu(), 174); });
        else if (i == 3)
            connect(icon, &ToolbarIcon::clicked, this, [this] { popUp(helpMenu(), 214); });
        else
            connect(icon, &ToolbarIcon::clicked, this, [this, i] {
                if (m_commands)
                    m_commands->openGuarded(QLatin1String(i == 0 ? "4" : "7"));
            });
    }

    const char16_t *const headers[5] = {u"000001", u"000002", u"000003", u"000004", u"000005"};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(m_state.text(headers[i]), this);
        label->setGeometry(TableSlot::fieldX[i], 41, TableSlot::fieldWidth[i], 14);
        label->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
}

void BoardWindow::buildRows()
{
    m_rows = TableSlot::buildControls(this, m_tableCount);
    connect(m_rows, &RowControls::nameWanted, this, [this](int table) { slot(table).nameField(); });
    connect(m_rows, &RowControls::clicked, this, [this](int table, int action) {
        if (!m_dialogs)
            return;
        switch (TableSlot::Action(action)) {
        case TableSlot::Action::Open:
            m_dialogs->openTable(table);
            break;
        case TableSlot::Action::Edit:
            m_dialogs->editTable(table);
            break;
        case TableSlot::Action::Close:
            m_dialogs->closeTable(table);
            break;
        }
    });
    auto *numbers = new TableNumbers(m_tableCount, this);
    numbers->setGeometry(58, 56, 27, TableNumbers::rowHeight * m_tableCount + 4);
    for (int table = 0; table < tableSlots; ++table)
        m_slots[table] = std::make_unique<TableSlot>(this, m_rows, table, table < m_tableCount);
}

QMenu *BoardWindow::settingsMenu()
{
    if (!m_settingsMenu)
        buildMenus();
    return m_settingsMenu;
}

QMenu *BoardWindow::helpMenu()
{
    if (!m_helpMenu)
        buildMenus();
    return m_helpMenu;
}

void BoardWindow::buildMenus()
{
    const auto text = [this](const char16_t *key) {
        return m_state.text(key);
    };
    const auto command = [this](QAction *action, void (BoardCommands::*run)()) {
        connect(action, &QAction::triggered, this, [this, run] {
            if (m_commands)
                (m_commands->*run)();
        });
    };

    m_settingsMenu = new QMenu(this);
    QMenu *archive = m_settingsMenu->addMenu(text(u"000032"));
    command(archive->addAction(text(u"000033")), &BoardCommands::backUp);
    command(archive->addAction(text(u"000034")), &BoardCommands::restore);
    m_settingsMenu->addSeparator();
    command(m_settingsMenu->addAction(text(u"000035")), &BoardCommands::chooseLanguage);
    command(m_settingsMenu->addAction(text(u"000036")), &BoardCommands::changePassword);
    m_settingsMenu->addSeparator();
    command(m_settingsMenu->addAction(text(u"000037")), &BoardCommands::changeOptions);

    m_helpMenu = new QMenu(this);
    command(m_helpMenu->addAction(QIcon(picture(QStringLiteral("menu-help"))), text(u"000038")),
            &BoardCommands::showHelp);
    m_helpMenu->addSeparator();
    connect(m_helpMenu->addAction(QIcon(picture(QStringLiteral("menu-home"))), text(u"000039")),
            &QAction::triggered, this,
            [this] { m_state.platform->openUrl(QUrl(QLatin1String(makersWebSite))); });
    connect(m_helpMenu->addAction(QIcon(picture(QStringLiteral("menu-news"))), text(u"000040")),
            &QAction::triggered, this, [this] { openPage("en/news", "tr/haberler"); });
    connect(m_helpMenu->addAction(QIcon(picture(QStringLiteral("menu-update"))), text(u"000041")),
            &QAction::triggered, this, [this] { openPage("en/update", "tr/guncelleme"); });
    m_helpMenu->addSeparator();
    command(m_helpMenu->addAction(QIcon(picture(QStringLiteral("menu-about"))), text(u"000043")),
            &BoardCommands::showAbout);
}

void BoardWindow::openPage(const char *englishPage, const char *turkishPage) const
{
    const bool turkish =
        m_state.loaded && m_state.settings.line(SettingsLine::Language) == QLatin1String("turkish");
    m_state.platform->openUrl(
        QUrl(QLatin1String(makersWebSite) + QLatin1String(turkish ? turkishPage : englishPage)));
}

void BoardWindow::popUp(QMenu *menu, int x)
{
    const QRect frame = frameGeometry();
    menu->popup(QPoint(frame.left() + x, frame.top() + 45));
}

void BoardWindow::restoreOpenTables()
{
    for (int table = 0; table < tableSlots; ++table) {
        if (m_state.tables.isOpen(table)) {
            showOpenState(table);
            fillNameAndStart(table);
        }
    }
}

void BoardWindow::fillNameAndStart(int table)
{
    const TableRecord record = m_state.tables.record(table);
    slot(table).showName(record.name);
    slot(table).showFigure(Figure::Start, record.isOpen() ? record.start : QString());
}

bool BoardWindow::reloadTables()
{
    try {
        m_state.tables = TableState::load(m_state.path(tableStateFileName));
        return true;
    } catch (const DataFileError &error) {
        m_state.platform->showError(this, m_state.message(error));
        return false;
    }
}

bool BoardWindow::refreshRow(int table)
{
    if (!reloadTables())
        return false;
    TableSlot &row = slot(table);
    fillNameAndStart(table);
    if (m_state.tables.record(table).limit == QLatin1String("0"))
        row.showFigure(Figure::Remaining, QString());
    const QString remaining = row.figure(Figure::Remaining);
    // Amber, like red, waits for the clock's next tick to judge the new limit, unless the limit
    // is gone (the clock passes over a row without one).
    const bool runningOut =
        row.nameColour() == TableSlot::NameColour::RunningOut && !remaining.isEmpty();
    if (remaining != QLatin1String("00:00") && !runningOut)
        row.setNameColour(TableSlot::NameColour::Window);
    return true;
}

bool BoardWindow::refreshAllRows()
{
    if (!reloadTables())
        return false;
    for (int table = 0; table < tableSlots; ++table) {
        if (m_state.tables.isOpen(table)) {
            showOpenState(table);
            fillNameAndStart(table);
        } else {
            slot(table).clearFields();
        }
    }
    return true;
}

bool BoardWindow::clearRow(int table)
{
    TableSlot &row = slot(table);
    row.clearFields();
    row.setNameColour(TableSlot::NameColour::Window);
    return reloadTables();
}

QString BoardWindow::copyCost(int table)
{
    TableSlot &row = slot(table);
    // A table closed before the clock's first tick after it was opened has no cost shown yet.
    const int start = minutesOfClock(row.figure(Figure::Start));
    if (row.figure(Figure::Cost).isEmpty() && start >= 0) {
        const QTime now = m_state.platform->now().time();
        row.showFigure(Figure::Cost,
                       costText(m_tariff, elapsedMinutes(start, now.hour() * 60 + now.minute())));
    }
    return row.figure(Figure::Cost);
}

void BoardWindow::restart()
{
    m_state.platform->restartProgram(m_state.folder);
    close();
}

void BoardWindow::ringBell()
{
    if (m_state.loaded && m_state.settings.soundOn())
        m_state.platform->playSound(m_state.path(bellFileName));
}

void BoardWindow::tick()
{
    const QDateTime now = m_state.platform->now();
    m_timeField->setText(now.time().toString(QStringLiteral("HH:mm")));
    if (now.date() != m_shownDate) {
        m_shownDate = now.date();
        m_dateField->setText(dateText(m_shownDate));
        m_dayField->setText(m_state.platform->weekdayName(m_shownDate));
    }
    const int nowMinutes = now.time().hour() * 60 + now.time().minute();
    for (int table = 0; table < tableSlots; ++table)
        updateRow(table, nowMinutes);
    if (QLineEdit *name = slot(0).madeNameField())
        name->deselect();
}

void BoardWindow::updateRow(int table, int nowMinutes)
{
    TableSlot &row = slot(table);
    const int start = minutesOfClock(row.figure(Figure::Start));
    if (start < 0)
        return;
    const RowFigures figures = rowFigures(m_tariff, start, nowMinutes, m_state.tables.limit(table));
    row.showFigure(Figure::Passed, figures.passed);
    row.showFigure(Figure::Cost, figures.cost);
    row.showFigure(Figure::Remaining, figures.remaining);
    if (figures.remaining.isEmpty() || table == m_dragSource)
        return;
    if (figures.limitUsedUp) {
        if (row.nameColour() != TableSlot::NameColour::UsedUp)
            ringBell();
        row.setNameColour(TableSlot::NameColour::UsedUp);
    } else {
        row.setNameColour(figures.limitRunningOut ? TableSlot::NameColour::RunningOut
                                                  : TableSlot::NameColour::Window);
    }
}

void BoardWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shownBefore) {
        m_shownBefore = true;
        requestActivation();
    }
}

void BoardWindow::requestActivation()
{
    // Once, after the window that handed over has gone, however many signs of it arrive.
    if (m_activationPending)
        return;
    m_activationPending = true;
    QTimer::singleShot(0, this, [this] {
        m_activationPending = false;
        if (isVisible() && !QApplication::activeModalWidget())
            onActivated();
    });
}

void BoardWindow::onActivated()
{
    if (m_closing)
        return;
    for (const char *name : {settingsFileName, tableStateFileName, dailyLedgerFileName}) {
        // Without the files read at start-up the board holds nothing to work on either.
        if (!m_state.loaded || !QFileInfo::exists(m_state.path(name))) {
            m_closing = true;
            m_state.platform->notice(
                this,
                QStringLiteral(
                    "Program need a file. But this file is corrupted or removed. Try to install "
                    "again or contact with programme producer."));
            close();
            return;
        }
    }
    if (m_state.settings.line(SettingsLine::FirstStart) == QLatin1String("0")) {
        // Set before anything else is shown, so that the first start happens once even if the
        // program is closed right away or the chooser is cancelled. A file that cannot take it
        // is reported once; the first start is then over for this run all the same.
        m_state.settings.setLine(SettingsLine::FirstStart, QStringLiteral("1"));
        m_state.changeSettingsFile(this, [this](SettingsFile &settings) {
            settings.setLine(SettingsLine::FirstStart, QStringLiteral("1"));
            m_state.settings = settings;
        });
        if (m_commands)
            m_commands->chooseLanguage();
    }
}

bool BoardWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && qobject_cast<QDialog *>(watched) && isVisible()) {
        requestActivation();
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress
        && type != QEvent::MouseButtonRelease)
        return false;
    if (watched == m_background) {
        if (type == QEvent::MouseMove)
            m_rows->returnPicturesHome();
        return false;
    }
    int table = 0;
    while (table < tableSlots && slot(table).madeNameField() != watched)
        ++table;
    if (table == tableSlots)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            m_pressedName = table;
            m_pressPosition = mouse->globalPosition().toPoint();
        }
        return false;
    case QEvent::MouseMove:
        if (m_dragSource >= 0)
            return true;
        if (m_pressedName == table
            && (mouse->globalPosition().toPoint() - m_pressPosition).manhattanLength()
                   >= QApplication::startDragDistance()) {
            m_pressedName = -1;
            beginDrag(table);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        m_pressedName = -1;
        if (m_dragSource < 0)
            return false;
        endDrag(mouse->globalPosition().toPoint());
        return true;
    default:
        return false;
    }
}

void BoardWindow::beginDrag(int table)
{
    TableSlot &source = slot(table);
    source.setNameColour(TableSlot::NameColour::Dragged);
    if (source.figure(Figure::Start).isEmpty()) {
        m_state.platform->notice(this, m_state.text(u"000134"));
        source.setNameColour(TableSlot::NameColour::Window);
        return;
    }
    m_dragSource = table;
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
}

void BoardWindow::endDrag(QPoint globalPosition)
{
    const int source = m_dragSource;
    QApplication::restoreOverrideCursor();
    const QPoint point = mapFromGlobal(globalPosition);
    for (int table = 0; table < m_tableCount; ++table) {
        if (slot(table).nameGeometry().contains(point)) {
            // Still the drag source while the question is open, so that the clock leaves the
            // name green until the operator answers.
            moveSession(source, table);
            break;
        }
    }
    m_dragSource = -1;
    slot(source).setNameColour(TableSlot::NameColour::Window);
}

void BoardWindow::moveSession(int from, int to)
{
    if (from == to)
        return;
    const QString table = m_state.text(u"000012");
    const QString question = QStringLiteral("%1 %2 %3 %1 %4 %5")
                                 .arg(table, QString::number(from + 1), m_state.text(u"000136"),
                                      QString::number(to + 1), m_state.text(u"000137"));
    if (!m_state.platform->ask(this, m_state.text(u"000135"), question, QuestionIcon::Question))
        return;
    const bool targetFree = slot(to).figure(Figure::Start).isEmpty();
    m_state.tables.swap(from, to);
    try {
        m_state.tables.save(m_state.path(tableStateFileName));
    } catch (const DataFileError &error) {
        m_state.tables.swap(from, to);
        m_state.platform->showError(this, m_state.message(error));
        return;
    }
    if (targetFree)
        showClosedState(from);
    refreshAllRows();
    slot(to).setNameColour(TableSlot::NameColour::Window);
}

} // namespace kirveno
