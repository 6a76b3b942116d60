#pragma once

#include "board/boardwidgets.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "programfolder.h"
#include "scriptedplatform.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace kirveno::testing {

// A program folder, the scripted platform and a board started on them.
struct BoardFixture
{
    ProgramFolder folder;
    ScriptedPlatform platform;
    ProgramState state;
    std::unique_ptr<BoardWindow> board;

    // Starts the board on the folder as the test has prepared it.
    BoardWindow &start()
    {
        state.load(folder.path(), platform);
        board = std::make_unique<BoardWindow>(state);
        return *board;
    }

    // Runs the steps while the next modal dialog is open; the dialog is then closed with Esc
    // unless a step closed it. Dropped with the board when no dialog opened.
    void whileOpen(const std::function<void(QDialog &)> &steps) const
    {
        QTimer::singleShot(0, board.get(), [steps] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            steps(*dialog);
            if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }

    void setClock(const QString &dateTime)
    {
        platform.setClock(dateTime);
        board->tick();
    }

    QString field(int table, int column) const
    {
        TableSlot &row = board->slot(table);
        return column == 0 ? row.nameField()->text() : row.figure(TableSlot::Figure(column - 1));
    }

    QStringList row(int table) const
    {
        return {field(table, 0), field(table, 1), field(table, 2), field(table, 3),
                field(table, 4)};
    }
};

// Clicks one of a row's action pictures in its middle, as the operator does.
inline void clickAction(const TableSlot &row, TableSlot::Action action)
{
    QWidget *controls = row.controls();
    QTest::mouseClick(controls, Qt::LeftButton, {},
                      controls->mapFromParent(row.actionGeometry(action).center()));
}

} // namespace kirveno::testing
