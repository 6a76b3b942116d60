#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kirveno {

// A read-only number field with up and down arrows beside it: numbers are entered by stepping,
// never by typing. The Up and Down keys step too. A step past one end stops there or wraps to the
// other end.
class ArrowField : public QWidget
{
    Q_OBJECT
public:
    enum class Ends { Wrap, Stop };

    ArrowField(int minimum, int maximum, Ends ends, int step = 1, QWidget *parent = nullptr);

    int value() const { return m_value; }
    // Sets the position and shows it as two digits.
    void setValue(int value);
    QString text() const;
    QLineEdit *field() const { return m_field; }
    QToolButton *upArrow() const { return m_up; }
    QToolButton *downArrow() const { return m_down; }

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(int direction);

    int m_minimum;
    int m_maximum;
    Ends m_ends;
    int m_step;
    int m_value;
    QLineEdit *m_field;
    QToolButton *m_up;
    QToolButton *m_down;
};

} // namespace kirveno
