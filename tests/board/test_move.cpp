#include "storage/settingsfile.h"
#include "support/boardfixture.h"
#include "support/mouse.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString zaman = QStringLiteral("zaman.dat");

struct MoveFixture : BoardFixture
{
    MoveFixture()
    {
        folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
        platform.setClock(QStringLiteral("07.12.2026 10:30"));
    }

    BoardWindow &startShown()
    {
        start();
        board->show();
        return *board;
    }

    void drag(int from, int onto)
    {
        dragOnto(board->slot(from).nameField(), board->slot(onto).nameField());
    }
};

} // namespace

class TestMove : public QObject
{
    Q_OBJECT

private slots:
    void moveToAFreeTable()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"), QStringLiteral("00,50"));
        BoardWindow &board = f.startShown();
        const QStringList before = f.folder.lines(zaman);
        f.platform.answers = {true};
        f.drag(1, 4);
        QCOMPARE(f.platform.questions,
                 QStringList{"Quesiton | Table 2 and Table 5 will change. Accept?"});
        const QStringList after = f.folder.lines(zaman);
        QCOMPARE(after.mid(16, 4), before.mid(4, 4));
        QCOMPARE(after.mid(4, 4), before.mid(16, 4));
        for (int i = 0; i < 120; ++i) {
            if ((i < 4 || i > 7) && (i < 16 || i > 19))
                QCOMPARE(after[i], before[i]);
        }
        QCOMPARE(f.row(4).mid(0, 2), (QStringList{"Ali", "10:00"}));
        QVERIFY(board.slot(4).isOpenState());
        QCOMPARE(f.row(1), (QStringList{"", "", "", "", ""}));
        QVERIFY(!board.slot(1).isOpenState());
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Window);
        // The moved session counts on from its own start.
        board.tick();
        QCOMPARE(f.row(4).mid(2), (QStringList{"00:30", "00:30", "1,00"}));
    }

    // The clock goes on behind the question; it must not take the green from the dragged name.
    void theDraggedNameStaysGreenUntilTheQuestionIsAnswered_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void theDraggedNameStaysGreenUntilTheQuestionIsAnswered()
    {
        QFETCH(bool, answer);
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"));
        BoardWindow &board = f.startShown();
        QList<TableSlot::NameColour> seen;
        f.platform.whileAsking = [&] {
            f.setClock(QStringLiteral("07.12.2026 10:31"));
            seen = {board.slot(1).nameColour(), board.slot(4).nameColour()};
        };
        f.platform.answers = {answer};
        f.drag(1, 4);
        QCOMPARE(seen, (QList{TableSlot::NameColour::Dragged, TableSlot::NameColour::Window}));
        for (int table : {1, 4})
            QCOMPARE(board.slot(table).nameColour(), TableSlot::NameColour::Window);
    }

    void twoOpenTablesChangePlaces()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"));
        f.folder.openTable(4, QStringLiteral("Veli"), QStringLiteral("23:10"));
        BoardWindow &board = f.startShown();
        f.platform.answers = {true};
        f.drag(1, 4);
        QCOMPARE(f.row(1).mid(0, 2), (QStringList{"Veli", "23:10"}));
        QCOMPARE(f.row(4).mid(0, 2), (QStringList{"Ali", "10:00"}));
        QVERIFY(board.slot(1).isOpenState());
        QVERIFY(board.slot(4).isOpenState());
        board.tick();
        QCOMPARE(f.field(1, 2), QStringLiteral("11:20")); // past midnight, from its own start
    }

    void noAndDropOnItselfChangeNothing()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"));
        BoardWindow &board = f.startShown();
        const QByteArray before = f.folder.bytes(zaman);
        f.platform.answers = {false};
        f.drag(1, 4);
        QCOMPARE(f.platform.questions.size(), 1);
        f.drag(1, 1);
        QCOMPARE(f.platform.questions.size(), 1);
        QCOMPARE(f.folder.bytes(zaman), before);
        QCOMPARE(f.field(1, 0), QStringLiteral("Ali"));
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Window);
    }

    // Names are drawn until the operator reaches for one: the press makes the row's name field on
    // the spot and goes on to it, so that the field has the focus and the drag moves the session
    // as from any field; the drop needs no field of its own. A right press gets the field's menu.
    void theOperatorReachesForADrawnName()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"));
        f.folder.openTable(2, QStringLiteral("Veli"), QStringLiteral("10:10"));
        BoardWindow &board = f.startShown();
        for (int table = 0; table < tableSlots; ++table)
            QVERIFY(!board.slot(table).madeNameField());
        QWidget *controls = board.slot(1).controls();
        const auto nameOf = [&](int table) {
            return controls->mapFromParent(board.slot(table).nameGeometry().center());
        };

        f.platform.answers = {true};
        sendMouse(controls, QEvent::MouseButtonPress, nameOf(1));
        QLineEdit *name = board.slot(1).madeNameField();
        QVERIFY(name);
        QCOMPARE(board.focusWidget(), name);
        QCOMPARE(name->text(), QStringLiteral("Ali"));
        sendMouse(controls, QEvent::MouseMove, nameOf(1) + QPoint(12, 12));
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Dragged);
        sendMouse(controls, QEvent::MouseMove, nameOf(4));
        sendMouse(controls, QEvent::MouseButtonRelease, nameOf(4));
        QCOMPARE(f.platform.questions,
                 QStringList{"Quesiton | Table 2 and Table 5 will change. Accept?"});
        QVERIFY(!board.slot(4).madeNameField());
        QCOMPARE(f.row(4).mid(0, 2), (QStringList{"Ali", "10:00"}));
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Window);

        QContextMenuEvent rightPress(QContextMenuEvent::Mouse, nameOf(2),
                                     controls->mapToGlobal(nameOf(2)));
        QApplication::sendEvent(controls, &rightPress);
        QVERIFY(board.slot(2).madeNameField());
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        menu->close();
    }

    void draggingShowsGreenAndAClosedTableCannotMove()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"));
        BoardWindow &board = f.startShown();
        QLineEdit *name = board.slot(1).nameField();
        sendMouse(name, QEvent::MouseButtonPress, QPoint(5, 5));
        sendMouse(name, QEvent::MouseMove, QPoint(25, 15));
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Dragged);
        board.tick(); // the clock leaves the drag colour alone
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Dragged);
        sendMouse(name, QEvent::MouseButtonRelease, QPoint(25, 15));
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::Window);
        QVERIFY(f.platform.questions.isEmpty());

        const QByteArray before = f.folder.bytes(zaman);
        f.drag(3, 1);
        QCOMPARE(f.platform.notices, QStringList{"Cant move empty tables."});
        QVERIFY(f.platform.questions.isEmpty());
        QCOMPARE(board.slot(3).nameColour(), TableSlot::NameColour::Window);
        QCOMPARE(f.folder.bytes(zaman), before);
    }

    void aUsedUpSessionRingsAgainAfterAMove()
    {
        MoveFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("09:00"),
                           QStringLiteral("01,00"));
        BoardWindow &board = f.startShown();
        QCOMPARE(board.slot(1).nameColour(), TableSlot::NameColour::UsedUp);
        QCOMPARE(f.platform.sounds.size(), 1);
        f.platform.answers = {true};
        f.drag(1, 7);
        QCOMPARE(board.slot(7).nameColour(), TableSlot::NameColour::Window);
        board.tick();
        QCOMPARE(board.slot(7).nameColour(), TableSlot::NameColour::UsedUp);
        QCOMPARE(f.platform.sounds.size(), 2);
        board.tick();
        QCOMPARE(f.platform.sounds.size(), 2);
    }
};

QTEST_MAIN(TestMove)
#include "test_move.moc"
