#pragma once

#include <QLabel>

// The small picture controls of the board: row action pictures that sink by one pixel while
// pressed, and toolbar icons that lift by one pixel under the mouse.
namespace kirveno {

// Makes the program's pictures (":/pictures/...") available.
void initPictures();

class ActionImage : public QLabel
{
    Q_OBJECT
public:
    ActionImage(const QPixmap &picture, QPoint home, QWidget *parent);
    void returnHome() { move(m_home); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_home;
};

class ToolbarIcon : public QLabel
{
    Q_OBJECT
public:
    ToolbarIcon(const QPixmap &picture, QPoint home, QWidget *parent);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint m_home;
};

} // namespace kirveno
