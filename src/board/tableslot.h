#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace kirveno {

class ActionImage;
class FigureRow;

// One row of the board: three action pictures (open, edit, close) and five read-only fields
// (name, start, passed, remaining, cost), the last four in one FigureRow. Every one of the 30 slots
// exists for the whole run; those beyond the table count are never shown.
class TableSlot
{
public:
    enum class NameColour { Window, Dragged, RunningOut, UsedUp };
    enum class Action { Open, Edit, Close };
    enum class Figure { Start, Passed, Remaining, Cost };

    // The columns of the five fields (name, start, passed, remaining, cost) on the board.
    static constexpr int fieldX[5] = {87, 168, 207, 246, 285};
    static constexpr int fieldWidth[5] = {80, 38, 38, 38, 76};

    TableSlot(QWidget *board, int table, bool shown);

    void showOpenState();
    void showClosedState();
    bool isOpenState() const { return m_open; }

    QLineEdit *nameField() const { return m_name; }
    // The four figures after the name, in the order of Figure.
    FigureRow *figures() const { return m_figures; }
    QString figure(Figure which) const;
    void showFigure(Figure which, const QString &text);
    ActionImage *image(Action action) const { return m_images[int(action)]; }

    NameColour nameColour() const { return m_colour; }
    void setNameColour(NameColour colour);
    // Sets the name's text only when it differs, so that an unchanged row costs no repaint.
    static void show(QLineEdit *field, const QString &text);
    void clearFields();
    void returnImagesHome();

private:
    QLineEdit *m_name;
    FigureRow *m_figures;
    ActionImage *m_images[3];
    bool m_shown;
    bool m_open = false;
    NameColour m_colour = NameColour::Window;
};

} // namespace kirveno
