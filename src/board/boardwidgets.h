#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

// The small controls of the board: toolbar icons that lift by one pixel under the mouse, the
// rows' action pictures that sink by one pixel while pressed, and the fields of its figures.
namespace kirveno {

// A picture clicked as a button, with a pointing hand over it, at its home place on the board.
class PictureButton : public QWidget
{
    Q_OBJECT
public:
    PictureButton(const QPixmap &picture, QPoint home, QWidget *parent);
    void returnHome() { move(m_home); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QPoint home() const { return m_home; }

private:
    QPixmap m_picture;
    QPoint m_home;
};

class ToolbarIcon : public PictureButton
{
    Q_OBJECT
public:
    using PictureButton::PictureButton;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

// The column of table numbers beside the rows, 1 to the table count, on white, as a plain list
// of centred items shows them.
class TableNumbers : public QWidget
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 20;

    TableNumbers(int count, QWidget *parent);
    int count() const { return m_count; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_count;
};

// A read-only figure of the board's header (the date, the day, the time), drawn exactly as a
// read-only line edit with its frame draws it, but without the editing machinery.
class FigureField : public QWidget
{
    Q_OBJECT
public:
    explicit FigureField(QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// The rows of the board but for their numbers, in one widget: each row's three action pictures
// (open, edit, close), of which it shows one or two, clicked as buttons, with a pointing hand over
// them, sinking by one pixel while pressed; its name and its four figures, each in its cell drawn
// as a read-only, frameless line edit draws it. What it leaves unpainted (the grid between the
// cells, the pictures' surroundings) is the board's picture beneath, and the mouse passing over
// it there is on the background, as it is elsewhere. A name is only drawn until the operator
// first reaches for it: then the row's own name field is made on top, and the press or the menu
// goes on to it. One widget for the 30 rows instead of five widgets a row: Qt's cost for each
// widget was a good part of the start-up.
class RowControls : public QWidget
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 20;
    static constexpr int pictureCount = 3;
    static constexpr int cellCount = 4;

    // A picture, as its place in a row and what it shows.
    struct Picture
    {
        int x;
        QPixmap pixmap;
    };
    // A cell, as a place in a row and the way its figure is placed in it.
    struct Cell
    {
        int x;
        int width;
        Qt::Alignment alignment;
        QMargins textMargins;
    };

    // The first shownRows of the rows are on the board; the others hold their figures unseen.
    RowControls(std::array<Picture, pictureCount> pictures, Cell name,
                std::array<Cell, cellCount> cells, int rows, int shownRows, QWidget *parent);

    // Which of its pictures a row shows, a bit for each.
    void showPictures(int row, unsigned pictures);
    bool pictureShown(int row, int picture) const;
    // Where the picture lies now: one pixel lower and to the right while it is sunk.
    QRect pictureRect(int row, int picture) const;
    // Sunk pictures rise again once the mouse passes over the background.
    void returnPicturesHome();

    QString text(int row, int cell) const { return m_rows[row].texts[cell]; }
    void setText(int row, int cell, const QString &text);
    QRect cellRect(int row, int cell) const;

    // The row's name, drawn in the colours given (the window's own without them) until the row's
    // name field is made; from then on the field shows it.
    void setName(int row, const QString &name, const std::optional<QPalette> &colours);
    void nameFieldMade(int row);
    QRect nameRect(int row) const;

signals:
    void clicked(int row, int picture);
    // The operator reaches for a name that is only drawn: its field is to be made now.
    void nameWanted(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Row
    {
        unsigned pictures = 0;
        unsigned sunk = 0;
        std::array<QString, cellCount> texts;
        QString name;
        std::optional<QPalette> nameColours;
        bool nameDrawn = true;
    };
    struct PictureAt
    {
        int row;
        int picture;
    };

    // The row under the point, or -1 when there is none on the board.
    int shownRowAt(QPoint point) const;
    std::optional<PictureAt> pictureAt(QPoint point) const;
    bool onBackground(QPoint point) const;
    void setSunk(int row, int picture, bool sunk);
    void pointAt(QPoint point);
    // The row's name field under the point, made first if the name was only drawn.
    QWidget *nameFieldAt(QPoint point);
    void forward(QMouseEvent *event, QWidget *to);

    std::array<Picture, pictureCount> m_pictures;
    Cell m_name;
    std::array<Cell, cellCount> m_cells;
    QList<Row> m_rows;
    int m_shownRows;
    std::optional<PictureAt> m_pressed;
    bool m_pressedOnBackground = false;
    // The name field that a press on a drawn name went on to, with the rest of that press.
    QPointer<QWidget> m_pressedName;
};

} // namespace kirveno
