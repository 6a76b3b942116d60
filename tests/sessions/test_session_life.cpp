#include "board/boardwidgets.h"
#include "sessions/tabledialogs.h"
#include "storage/settingsfile.h"
#include "support/dialogfixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

// Answers the modal dialog the next click opens with one key.
void answerNextDialog(Qt::Key key)
{
    QTimer::singleShot(0, [key] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, key);
    });
}

// A board with its dialogs, shown, on a folder past its first start.
struct LifeFixture : DialogFixture
{
    LifeFixture()
    {
        folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
        folder.write(QStringLiteral("gunluk.dat"), {"07.12.2026"});
    }

    BoardWindow &startShown()
    {
        startDialogs();
        board->show();
        return *board;
    }
};

} // namespace

class TestSessionLife : public QObject
{
    Q_OBJECT

private slots:
    // Open table 4 at 21:07, let the clock run to 23:15, close it from the board.
    void aWholeSessionThroughTheBoard()
    {
        LifeFixture f;
        f.platform.setClock(QStringLiteral("07.12.2026 21:07"));
        BoardWindow &board = f.startShown();
        QVERIFY(QTest::qWaitForWindowActive(&board));

        answerNextDialog(Qt::Key_Return);
        clickAction(board.slot(3), TableSlot::Action::Open);
        QCOMPARE(f.folder.lines(QStringLiteral("zaman.dat")).mid(12, 4),
                 (QStringList{"Kirveno", "21:07", "0", "0"}));
        QVERIFY(board.slot(3).isOpenState());

        for (const char *time : {"07.12.2026 22:00", "07.12.2026 23:00", "07.12.2026 23:15"})
            f.setClock(QString::fromLatin1(time));
        QCOMPARE(f.row(3), (QStringList{"Kirveno", "21:07", "02:08", "", "4,30"}));

        answerNextDialog(Qt::Key_Return);
        clickAction(board.slot(3), TableSlot::Action::Close);
        QCOMPARE(f.folder.lines(QStringLiteral("gunluk.dat")),
                 (QStringList{"07.12.2026", "Kirveno        21:07 ---- 23:15 ---- 04,30-"}));
        QCOMPARE(f.platform.sounds, QStringList{f.folder.file(QStringLiteral("yazarkasa01.wav"))});
        QCOMPARE(f.folder.lines(QStringLiteral("zaman.dat")),
                 QStringList(120, QStringLiteral("0")));
        QCOMPARE(f.row(3), (QStringList{"", "", "", "", ""}));
        QVERIFY(!board.slot(3).isOpenState());
        QVERIFY(f.platform.errors.isEmpty());
        QVERIFY(board.isVisible());
    }

    // The first closing on a new date moves the finished day into the monthly ledger.
    void closingOnANewDateRollsTheDayOver()
    {
        LifeFixture f;
        f.folder.write(QStringLiteral("gunluk.dat"),
                       {"06.12.2026", "A              10:00 ---- 11:00 ---- 05,50-",
                        "B              12:00 ---- 18:00 ---- 12,00-"});
        f.folder.openTable(0, QStringLiteral("Late"), QStringLiteral("23:30"));
        f.platform.setClock(QStringLiteral("07.12.2026 00:30"));
        BoardWindow &board = f.startShown();
        answerNextDialog(Qt::Key_Return);
        clickAction(board.slot(0), TableSlot::Action::Close);
        QCOMPARE(f.folder.lines(QStringLiteral("aylik.dat")),
                 (QStringList{"Kirveno LT monthly ledger", "06.12.2026 ---- 17,50"}));
        QCOMPARE(f.folder.lines(QStringLiteral("gunluk.dat")),
                 (QStringList{"07.12.2026", "Late           23:30 ---- 00:30 ---- 02,00-"}));
    }

    // Edit's "Close the Table" goes on to the bill of the same table.
    void editHandsOverToClosing()
    {
        LifeFixture f;
        f.folder.write(QStringLiteral("gunluk.dat"), {"07.12.2026"});
        f.folder.openTable(5, QStringLiteral("Ali"), QStringLiteral("10:00"));
        f.platform.setClock(QStringLiteral("07.12.2026 11:00"));
        BoardWindow &board = f.startShown();
        QTimer::singleShot(0, [&] {
            f.dialogs->editDialog().closeTableButton()->click();
            answerNextDialog(Qt::Key_Return);
        });
        clickAction(board.slot(5), TableSlot::Action::Edit);
        QCOMPARE(f.folder.lines(QStringLiteral("gunluk.dat")).last(),
                 QStringLiteral("Ali            10:00 ---- 11:00 ---- 02,00-"));
        QVERIFY(!board.slot(5).isOpenState());
    }
};

QTEST_MAIN(TestSessionLife)
#include "test_session_life.moc"
