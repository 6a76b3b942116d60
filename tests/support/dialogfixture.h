#pragma once

#include "boardfixture.h"
#include "sessions/tabledialogs.h"

namespace kirveno::testing {

// A board with its open, edit and close dialogs, as the program wires them.
struct DialogFixture : BoardFixture
{
    std::unique_ptr<TableDialogs> dialogs;

    void startDialogs()
    {
        start();
        dialogs = std::make_unique<TableDialogs>(state, *board);
        board->setSessionDialogs(dialogs.get());
    }

    QStringList record(int table) const
    {
        return folder.lines(QStringLiteral("zaman.dat")).mid(4 * qsizetype(table), 4);
    }
};

} // namespace kirveno::testing
