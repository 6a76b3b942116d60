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
    // Sets the position and shows it as two digits (or as it is, after showPlainNumbers()).
    void setValue(int value);
    void showPlainNumbers();
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
    bool m_twoDigits = true;
    QLineEdit *m_field;
    QToolButton *m_up;
    QToolButton *m_down;
};

// Shows a stored amount ("05,50", or "0" for none) in its whole and hundredths fields.
void showAmount(const QString &stored, ArrowField &whole, ArrowField &hundredths);

} // namespace kirveno
