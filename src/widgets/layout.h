#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

// Small pieces of layout that the program's windows share.
namespace kirveno {

// A caption in bold, as every field's caption is.
QLabel *boldLabel(const QString &text);

// hh ":" mm or whole "," hundredths beside each other.
QWidget *pair(QWidget *left, const char *separator, QWidget *right);

// One of the program's pictures by its name ("board", "reports", ...); null when it is missing.
QPixmap picture(const QString &name);

// Shows one of the program's pictures behind the window's controls.
void setBackgroundPicture(QWidget &window, const QString &name);

// Puts the window in the middle of the screen; the windows do so whenever they are shown.
void centreOnScreen(QWidget &window);

} // namespace kirveno
