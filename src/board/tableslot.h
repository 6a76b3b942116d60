#pragma once

#include <QPalette>
#include <QRect>
#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace kirveno {

class RowControls;

// One row of the board: its name, three action pictures (open, edit, close) and four figures
// (start, passed, remaining, cost), which one RowControls draws for all the rows, and the name
// field, a read-only line edit made when the operator (or the program) first reaches for it.
// Every one of the 30 slots exists for the whole run; those beyond the table count are never
// shown.
class TableSlot
{
public:
    enum class NameColour { Window, Dragged, RunningOut, UsedUp };
    enum class Action { Open, Edit, Close };
    enum class Figure { Start, Passed, Remaining, Cost };

    // The columns of the five fields (name, start, passed, remaining, cost) on the board.
    static constexpr int fieldX[5] = {87, 168, 207, 246, 285};
    static constexpr int fieldWidth[5] = {80, 38, 38, 38, 76};

    // The pictures and figures of all the slots, the first shownRows of them on the board; made
    // before the slots, so that the names and numbers lie on top of it.
    static RowControls *buildControls(QWidget *board, int shownRows);
    TableSlot(QWidget *board, RowControls *controls, int table, bool shown);

    void showOpenState();
    void showClosedState();
    bool isOpenState() const { return m_open; }

    // The name field, made now if it was not yet.
    QLineEdit *nameField();
    // The name field if it has been made, else nothing.
    QLineEdit *madeNameField() const { return m_name; }
    // Where the name lies on the board.
    QRect nameGeometry() const;
    void showName(const QString &name);
    RowControls *controls() const { return m_controls; }
    QString figure(Figure which) const;
    void showFigure(Figure which, const QString &text);
    // Where the figure's cell lies on the board.
    QRect figureGeometry(Figure which) const;
    bool actionShown(Action action) const;
    // Where the action's picture lies on the board now (lower while it is sunk).
    QRect actionGeometry(Action action) const;

    NameColour nameColour() const { return m_colour; }
    void setNameColour(NameColour colour);
    void clearFields();

private:
    // The name's colours other than the window's own.
    std::optional<QPalette> nameColours() const;
    void fillNameField();

    QWidget *m_board;
    QLineEdit *m_name = nullptr;
    QString m_nameText;
    RowControls *m_controls;
    int m_table;
    bool m_shown;
    bool m_open = false;
    NameColour m_colour = NameColour::Window;
};

} // namespace kirveno
