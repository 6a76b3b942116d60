#include "app/programwindows.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"

#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

// Every entry of the board's menus and its two guarded icons lead to a window of their own.
class TestProgramWindows : public QObject
{
    Q_OBJECT

private slots:
    void everyBoardEntryWorks()
    {
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
        f.start();
        ProgramWindows windows(f.state, *f.board);
        QList<QAction *> entries;
        for (QMenu *menu : {f.board->settingsMenu(), f.board->helpMenu()}) {
            for (QAction *action : menu->actions()) {
                if (action->menu())
                    entries += action->menu()->actions();
                else if (!action->isSeparator())
                    entries.append(action);
            }
        }
        QCOMPARE(entries.size(), 10);
        QStringList opened;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened.append(dialog->windowTitle());
                dialog->close();
            }
        });
        poll.start(5);
        for (QAction *action : entries) {
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
            action->trigger();
        }
        // Backup and Restore go straight to the platform's file dialogs; the pages open in the
        // browser.
        QCOMPARE(opened, (QStringList{"Language Settings", "Password Settings", "Options", "Help",
                                      "About"}));
        QCOMPARE(f.platform.filters.size(), 2);
        QCOMPARE(f.platform.urls.size(), 3);
    }
};

QTEST_MAIN(TestProgramWindows)
#include "test_programwindows.moc"
