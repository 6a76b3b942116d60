#pragma once

#include "tableslot.h"
#include "tick.h"

#include <QDate>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <memory>

class QMenu;

namespace kirveno {

struct ProgramState;
class FigureField;
class RowControls;
class ToolbarIcon;

// The dialogs the row pictures open; each works on the table it is given.
class SessionDialogs
{
public:
    virtual ~SessionDialogs() = default;
    virtual void openTable(int table) = 0;
    virtual void editTable(int table) = 0;
    virtual void closeTable(int table) = 0;
};

// The maker's web site, whose pages the board and the help windows open.
inline constexpr auto makersWebSite = "https://www.kirveno.example/";

// The windows behind the board's toolbar icons and menu entries.
class BoardCommands
{
public:
    virtual ~BoardCommands() = default;
    // Through the password prompt: "4" the reports window, any other code the loans window.
    virtual void openGuarded(const QString &targetCode) = 0;
    virtual void changePassword() = 0;
    virtual void backUp() = 0;
    virtual void restore() = 0;
    virtual void chooseLanguage() = 0;
    virtual void changeOptions() = 0;
    virtual void showHelp() = 0;
    virtual void showAbout() = 0;
};

// The table board: the program's main window, one row per table, kept current by a 500 ms clock.
class BoardWindow : public QWidget
{
    Q_OBJECT
public:
    explicit BoardWindow(ProgramState &state, QWidget *parent = nullptr);
    ~BoardWindow() override;

    void setSessionDialogs(SessionDialogs *dialogs) { m_dialogs = dialogs; }
    void setCommands(BoardCommands *commands) { m_commands = commands; }
    int tableCount() const { return m_tableCount; }
    TableSlot &slot(int table) { return *m_slots[table]; }
    // The toolbar's two menus, made the first time one is needed.
    QMenu *settingsMenu();
    QMenu *helpMenu();

    // Slot operations, the only way the dialogs and the move change a row. The ones that
    // re-read zaman.dat report a file that cannot be read and return false.
    void showOpenState(int table) { slot(table).showOpenState(); }
    void showClosedState(int table) { slot(table).showClosedState(); }
    bool refreshRow(int table);
    bool refreshAllRows();
    bool clearRow(int table);
    // The money the table owes now, as its row shows it, for the closing dialog.
    QString copyCost(int table);
    void ringBell();

    // Starts the program anew from its folder and closes the board, which ends this process
    // once the command that asked has finished. For a change of the settings.
    void restart();

    // Opens a page of the maker's web site, the Turkish one only when the language setting is
    // exactly "turkish".
    void openPage(const char *englishPage, const char *turkishPage) const;

    // One clock tick: the header fields and every open row's figures.
    void tick();
    // Moves the session of table a onto table b (0-based) after asking; swaps when b is open.
    void moveSession(int from, int to);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBanner();
    void buildRows();
    void buildMenus();
    void restoreOpenTables();
    void fillNameAndStart(int table);
    void updateRow(int table, int nowMinutes);
    bool reloadTables();
    void requestActivation();
    void onActivated();
    void popUp(QMenu *menu, int x);
    void beginDrag(int table);
    void endDrag(QPoint globalPosition);

    ProgramState &m_state;
    SessionDialogs *m_dialogs = nullptr;
    BoardCommands *m_commands = nullptr;
    Tariff m_tariff;
    int m_tableCount = 6;
    RowControls *m_rows = nullptr;
    std::array<std::unique_ptr<TableSlot>, 30> m_slots;
    QWidget *m_background = nullptr;
    FigureField *m_timeField = nullptr;
    FigureField *m_dateField = nullptr;
    FigureField *m_dayField = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QTimer m_clock;
    bool m_shownBefore = false;
    bool m_activationPending = false;
    QPointer<QWindow> m_lastFocus;
    QDate m_shownDate;
    bool m_closing = false;
    int m_pressedName = -1;
    QPoint m_pressPosition;
    int m_dragSource = -1;
};

} // namespace kirveno
