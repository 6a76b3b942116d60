#pragma once

#include <QPixmap>
#include <QWidget>

// The small controls of the board: row action pictures that sink by one pixel while pressed,
// toolbar icons that lift by one pixel under the mouse, and the fields of its figures.
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

class ActionImage : public PictureButton
{
    Q_OBJECT
public:
    using PictureButton::PictureButton;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
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

// Frameless figures side by side in one widget, each in its cell drawn as a read-only, frameless
// line edit draws it, the gaps between the cells left to what lies beneath. A row of the
// board holds its four figures in one, so that a board of 30 rows starts with 90 widgets fewer.
class FigureRow : public QWidget
{
    Q_OBJECT
public:
    // A cell, as a place in the row and the way its figure is placed in it.
    struct Cell
    {
        int x;
        int width;
        Qt::Alignment alignment;
        QMargins textMargins;
    };

    FigureRow(QList<Cell> cells, QWidget *parent);

    QString text(int cell) const { return m_texts[cell]; }
    void setText(int cell, const QString &text);
    // Where the cell lies in the parent.
    QRect cellGeometry(int cell) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect cellRect(int cell) const;

    QList<Cell> m_cells;
    QList<QString> m_texts;
};

} // namespace kirveno
