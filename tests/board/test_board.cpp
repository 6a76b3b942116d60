#include "board/boardwidgets.h"
#include "board/boardwindow.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"
#include "support/mouse.h"
#include "widgets/layout.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSet>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    // The pictures are built into the program, the board's as raw pixels (its large one cut into
    // bands of 256 colours) and the later windows' as JPEG: each comes out whole, with the very
    // pixels Qt decodes from its JPEG file, whether put together or drawn band by band, and a
    // name that is not a picture gives nothing.
    void everyPictureIsBuiltIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const std::pair<const char *, QSize> pictures[] = {
            {"board", {361, 621}},       {"banner", {361, 41}},      {"reports", {600, 481}},
            {"about", {160, 200}},       {"action-open", {18, 18}},  {"action-edit", {18, 18}},
            {"action-close", {18, 18}},  {"tool-reports", {33, 33}}, {"tool-loans", {33, 33}},
            {"tool-settings", {33, 33}}, {"tool-help", {33, 33}},    {"menu-help", {16, 16}},
            {"menu-home", {16, 16}},     {"menu-news", {16, 16}},    {"menu-update", {16, 16}},
            {"menu-about", {16, 16}},    {"sound-on", {32, 32}},     {"sound-off", {32, 32}},
            {"no-such-picture", {0, 0}},
        };
        for (const auto &[name, size] : pictures)
            QTest::newRow(name) << QString::fromLatin1(name) << size;
    }

    void everyPictureIsBuiltIn()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = picture(name).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size);
        if (size.isEmpty())
            return;
        const QImage decoded = QImage(QStringLiteral(KIRVENO_ASSETS "/pictures/%1.jpg").arg(name))
                                   .convertToFormat(QImage::Format_RGB32);
        QVERIFY(image == decoded);
        PictureView view(name, nullptr);
        QCOMPARE(view.size(), size);
        QVERIFY(view.grab().toImage().convertToFormat(QImage::Format_RGB32) == decoded);

        // Repainted in parts, as the clock's changes ask (across the bands, from columns off any
        // boundary): the parts as the picture has them, and nothing beside them.
        const QRegion parts =
            QRegion(1, size.height() * 9 / 20, size.width() / 3, size.height() / 10 + 1)
            + QRegion(size.width() - 5, 0, 5, size.height());
        QImage painted(size, QImage::Format_RGB32);
        painted.fill(Qt::black);
        view.render(&painted, parts.boundingRect().topLeft(), parts, QWidget::RenderFlags());
        for (const QRect &part : parts)
            QVERIFY(painted.copy(part) == decoded.copy(part));
        QCOMPARE(painted.pixel(0, 0), QColor(Qt::black).rgb());
        QCOMPARE(painted.pixel(size.width() / 2, 0), QColor(Qt::black).rgb());
    }

    void rowsAndHeightFollowTheTableCount_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("numberColumnHeight");
        QTest::newRow("3 shows six") << "3" << 6 << 183 << 124;
        QTest::newRow("-3 shows six") << "-3" << 6 << 183 << 124;
        QTest::newRow("6") << "6" << 6 << 183 << 124;
        QTest::newRow("8 between blanks") << " 8 " << 8 << 219 << 164;
        QTest::newRow("7") << "7" << 7 << 199 << 144;
        QTest::newRow("30") << "30" << 30 << 659 << 604;
    }

    void rowsAndHeightFollowTheTableCount()
    {
        QFETCH(QString, count);
        QFETCH(int, rows);
        QFETCH(int, height);
        QFETCH(int, numberColumnHeight);
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::TableCount, count);
        BoardWindow &board = f.start();
        board.show();
        QCOMPARE(board.size(), QSize(367, height));
        QCOMPARE(board.tableCount(), rows);
        auto *numbers = board.findChild<TableNumbers *>();
        QCOMPARE(numbers->count(), rows);
        QCOMPARE(numbers->height(), numberColumnHeight);
        for (int table = 0; table < tableSlots; ++table) {
            TableSlot &slot = board.slot(table);
            QCOMPARE(slot.nameField()->isVisible(), table < rows);
            QCOMPARE(slot.actionShown(TableSlot::Action::Open), table < rows);
            QVERIFY(!slot.actionShown(TableSlot::Action::Edit));
        }
    }

    // The password lines are not the board's: damaged, they never stop the café.
    void aDamagedPasswordLineDoesNotStopTheBoard()
    {
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::PasswordLength,
                         QStringLiteral("9x"));
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
        f.folder.openTable(2, QStringLiteral("Ali"), QStringLiteral("09:05"));
        BoardWindow &board = f.start();
        board.show();
        QVERIFY(f.state.loaded);
        QVERIFY(board.slot(2).isOpenState());
        QVERIFY(f.platform.errors.isEmpty());
        QVERIFY(f.platform.notices.isEmpty());
    }

    void layoutOfARow()
    {
        BoardFixture f;
        const QFont application = QApplication::font();
        BoardWindow &board = f.start();
        // The board's bold is its own: the dialogs and messages keep the application's font.
        QCOMPARE(QApplication::font(), application);
        QVERIFY(!QApplication::font().bold());
        TableSlot &row = board.slot(3);
        QCOMPARE(row.nameField()->geometry(), QRect(87, 116, 80, 19));
        QCOMPARE(row.figureGeometry(TableSlot::Figure::Start), QRect(168, 116, 38, 19));
        QCOMPARE(row.figureGeometry(TableSlot::Figure::Passed), QRect(207, 116, 38, 19));
        QCOMPARE(row.figureGeometry(TableSlot::Figure::Remaining), QRect(246, 116, 38, 19));
        QCOMPARE(row.figureGeometry(TableSlot::Figure::Cost), QRect(285, 116, 76, 19));
        QCOMPARE(row.actionGeometry(TableSlot::Action::Open), QRect(1, 116, 18, 18));
        QCOMPARE(row.actionGeometry(TableSlot::Action::Close), QRect(39, 116, 18, 18));
        QVERIFY(row.nameField()->isReadOnly());
        QVERIFY(row.controls()->font().bold());
        QVERIFY(row.nameField()->font().bold());
        QCOMPARE(board.windowTitle(), QStringLiteral("Kirveno LT v1.4     My Cafe"));
        QVERIFY(!(board.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QStringList headers = {"Table Name", "S.T.", "P.T.", "R.T", "Table Cost"};
        for (const QString &header : headers) {
            bool found = false;
            for (QLabel *label : board.findChildren<QLabel *>())
                found = found || (label->text() == header && label->font().bold());
            QVERIFY2(found, qPrintable(header));
        }
    }

    void openTablesAreRestored()
    {
        BoardFixture f;
        f.folder.openTable(1, QStringLiteral("Ayşe"), QStringLiteral("09:05"));
        // Beyond the ten tables shown: still loaded, kept and counted.
        f.folder.openTable(25, QStringLiteral("Hidden"), QStringLiteral("08:00"),
                           QStringLiteral("02,00"));
        f.platform.setClock(QStringLiteral("07.12.2026 09:35"));
        BoardWindow &board = f.start();
        QCOMPARE(f.row(1), (QStringList{"Ayşe", "09:05", "00:30", "", "1,00"}));
        QVERIFY(board.slot(1).isOpenState());
        QCOMPARE(f.row(0), (QStringList{"", "", "", "", ""}));
        QVERIFY(!board.slot(0).isOpenState());
        QCOMPARE(f.row(25), (QStringList{"Hidden", "08:00", "01:35", "00:00", "3,20"}));
        QCOMPARE(board.slot(25).nameField()->cursorPosition(), 0); // long names show their start
        QVERIFY(!board.slot(25).nameField()->isVisible());
        // Hidden rows ring too: their limit ran out 35 minutes ago.
        QCOMPARE(f.platform.sounds.size(), 1);
        // Refreshing everything keeps the hidden record.
        QVERIFY(board.refreshAllRows());
        QCOMPARE(f.field(25, 0), QStringLiteral("Hidden"));
        QCOMPARE(f.folder.lines(QStringLiteral("zaman.dat"))[100], QStringLiteral("Hidden"));
    }

    void minimumChargeLosesOneLeadingZero_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("00,50") << "00,50"
                               << "0,50";
        QTest::newRow("01,50") << "01,50"
                               << "1,50";
        QTest::newRow("10,00") << "10,00"
                               << "10,00";
        QTest::newRow("blanks around it") << " 01,50 "
                                          << "1,50";
    }

    void minimumChargeLosesOneLeadingZero()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::MinimumCharge, stored);
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"));
        f.platform.setClock(QStringLiteral("07.12.2026 10:00"));
        f.start();
        QCOMPARE(f.field(0, 4), shown);
    }

    void headerShowsDateDayAndTime()
    {
        BoardFixture f;
        f.platform.clock = QDateTime(QDate(2026, 12, 7), QTime(21, 7, 42));
        BoardWindow &board = f.start();
        QStringList header;
        for (FigureField *field : board.findChildren<FigureField *>()) {
            if (field->y() < 41)
                header << field->text();
        }
        QCOMPARE(header, (QStringList{"07.12.2026", "Monday", "21:07"}));
    }

    // A row's name and figures look exactly as read-only, frameless line edits in their places
    // would, the name in its colours and a long one showing its beginning, with what lies beneath
    // left showing between them; the name's own field, once made, looks the same.
    void aRowLooksLikeReadOnlyLineEdits()
    {
        BoardFixture f;
        const QString name = QStringLiteral("Ali Veli Yılmazoğlu");
        f.folder.openTable(2, name, QStringLiteral("09:05"), QStringLiteral("02,00"));
        f.platform.setClock(QStringLiteral("07.12.2026 10:35"));
        BoardWindow &board = f.start();
        TableSlot &row = board.slot(2);
        QCOMPARE(row.nameColour(), TableSlot::NameColour::UsedUp);
        const QRect cells = row.nameGeometry() | row.figureGeometry(TableSlot::Figure::Cost);
        QWidget parent;
        parent.setFont(board.font());
        parent.setPalette(board.palette());
        QWidget edits(&parent);
        edits.resize(cells.size());
        const auto addEdit = [&](const QString &text, const QRect &place, Qt::Alignment alignment,
                                 const QMargins &margins) {
            auto *edit = new QLineEdit(text, &edits);
            edit->setReadOnly(true);
            edit->setFrame(false);
            edit->setAlignment(alignment);
            edit->setTextMargins(margins);
            edit->setGeometry(place.translated(-cells.topLeft()));
            edit->setCursorPosition(0);
            return edit;
        };
        QLineEdit *nameEdit = addEdit(name, row.nameGeometry(), Qt::AlignLeft | Qt::AlignVCenter,
                                      QMargins(2, 0, 2, 0));
        QPalette red = nameEdit->palette();
        red.setColor(QPalette::Base, QColor(255, 0, 0));
        red.setColor(QPalette::Text, Qt::white);
        nameEdit->setPalette(red);
        const Qt::Alignment alignments[4] = {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
                                             Qt::AlignRight | Qt::AlignVCenter};
        for (int cell = 0; cell < 4; ++cell) {
            addEdit(row.figure(TableSlot::Figure(cell)),
                    row.figureGeometry(TableSlot::Figure(cell)), alignments[cell],
                    cell < 3 ? QMargins(-1, 0, -1, 0) : QMargins(2, 0, 2, 0));
        }
        QCOMPARE(row.controls()->grab(cells.translated(-row.controls()->pos())).toImage(),
                 edits.grab().toImage());

        const QImage drawn = board.grab(cells).toImage();
        QCOMPARE(f.row(2), (QStringList{name, "09:05", "01:30", "00:00", "3,00"}));
        QVERIFY(row.madeNameField());
        QCOMPARE(board.grab(cells).toImage(), drawn);
    }

    // The bell rings once when the limit runs out, only with the sound switch at "1".
    void bellRingsOncePerExhaustion_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<int>("rings");
        QTest::newRow("sound on") << "1" << 1;
        QTest::newRow("sound off") << "0" << 0;
    }

    void bellRingsOncePerExhaustion()
    {
        QFETCH(QString, sound);
        QFETCH(int, rings);
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::HourlyPrice,
                         QStringLiteral("01,50"));
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Sound, sound);
        f.folder.openTable(4, QStringLiteral("Kirveno"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"));
        f.platform.setClock(QStringLiteral("07.12.2026 10:20"));
        BoardWindow &board = f.start();
        QCOMPARE(f.field(4, 3), QStringLiteral("01:00"));
        QCOMPARE(board.slot(4).nameColour(), TableSlot::NameColour::Window);
        f.setClock(QStringLiteral("07.12.2026 11:19"));
        QVERIFY(f.platform.sounds.isEmpty());
        f.setClock(QStringLiteral("07.12.2026 11:20"));
        QCOMPARE(f.field(4, 3), QStringLiteral("00:00"));
        QCOMPARE(board.slot(4).nameColour(), TableSlot::NameColour::UsedUp);
        board.tick();
        f.setClock(QStringLiteral("07.12.2026 11:21"));
        QCOMPARE(board.slot(4).nameColour(), TableSlot::NameColour::UsedUp);
        QCOMPARE(f.platform.sounds.size(), rings);
        if (rings)
            QCOMPARE(f.platform.sounds.first(), f.folder.file(QStringLiteral("zil01.wav")));
    }

    // Amber from the moment the remaining field shows 00:05, red and the bell at 00:00. Limit
    // 02,00 at 01,50 an hour: 80 minutes from 10:00.
    void amberBeforeTheLimitRunsOut_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("rings");
        QTest::newRow("6 minutes left") << "02,00"
                                        << "11:14"
                                        << "00:06" << int(TableSlot::NameColour::Window) << 0;
        QTest::newRow("5 minutes left") << "02,00"
                                        << "11:15"
                                        << "00:05" << int(TableSlot::NameColour::RunningOut) << 0;
        QTest::newRow("1 minute left") << "02,00"
                                       << "11:19"
                                       << "00:01" << int(TableSlot::NameColour::RunningOut) << 0;
        QTest::newRow("0 minutes left") << "02,00"
                                        << "11:20"
                                        << "00:00" << int(TableSlot::NameColour::UsedUp) << 1;
        QTest::newRow("no limit") << "0"
                                  << "11:15"
                                  << "" << int(TableSlot::NameColour::Window) << 0;
    }

    void amberBeforeTheLimitRunsOut()
    {
        QFETCH(QString, limit);
        QFETCH(QString, now);
        QFETCH(QString, remaining);
        QFETCH(int, colour);
        QFETCH(int, rings);
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::HourlyPrice,
                         QStringLiteral("01,50"));
        f.folder.openTable(4, QStringLiteral("Kirveno"), QStringLiteral("10:00"), limit);
        f.platform.setClock(QStringLiteral("07.12.2026 10:20"));
        BoardWindow &board = f.start();
        f.setClock(QStringLiteral("07.12.2026 ") + now);
        QCOMPARE(f.field(4, 3), remaining);
        QCOMPARE(int(board.slot(4).nameColour()), colour);
        QCOMPARE(f.platform.sounds.size(), rings);
    }

    // Amber is a colour of its own, kept through an edit until the clock has seen the new limit,
    // and the drag's green goes over it.
    void amberKeepsItsPlaceAmongTheColours()
    {
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::HourlyPrice,
                         QStringLiteral("01,50"));
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"));
        f.platform.setClock(QStringLiteral("07.12.2026 11:16"));
        BoardWindow &board = f.start();
        board.show();
        TableSlot &row = board.slot(1);
        QCOMPARE(row.nameColour(), TableSlot::NameColour::RunningOut);
        QSet<QRgb> bases;
        for (auto colour : {TableSlot::NameColour::Window, TableSlot::NameColour::Dragged,
                            TableSlot::NameColour::UsedUp, TableSlot::NameColour::RunningOut}) {
            row.setNameColour(colour);
            bases.insert(row.nameField()->palette().color(QPalette::Base).rgb());
        }
        QCOMPARE(bases.size(), 4);

        // Confirming the edit dialog unchanged does not blink the row.
        QVERIFY(board.refreshRow(1));
        QCOMPARE(row.nameColour(), TableSlot::NameColour::RunningOut);
        // A raised limit: amber until the next tick has counted it.
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("05,00"));
        QVERIFY(board.refreshRow(1));
        QCOMPARE(row.nameColour(), TableSlot::NameColour::RunningOut);
        board.tick();
        QCOMPARE(row.nameColour(), TableSlot::NameColour::Window);
        // The limit removed: the clock passes over the row, so the refresh clears the amber.
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"));
        QVERIFY(board.refreshRow(1));
        board.tick();
        QCOMPARE(row.nameColour(), TableSlot::NameColour::RunningOut);
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"), QStringLiteral("0"));
        QVERIFY(board.refreshRow(1));
        QCOMPARE(row.nameColour(), TableSlot::NameColour::Window);
        QCOMPARE(f.field(1, 3), QString());

        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("02,00"));
        QVERIFY(board.refreshRow(1));
        board.tick();
        sendMouse(row.nameField(), QEvent::MouseButtonPress, QPoint(5, 5));
        sendMouse(row.nameField(), QEvent::MouseMove, QPoint(25, 15));
        QCOMPARE(row.nameColour(), TableSlot::NameColour::Dragged);
        board.tick();
        QCOMPARE(row.nameColour(), TableSlot::NameColour::Dragged);
        sendMouse(row.nameField(), QEvent::MouseButtonRelease, QPoint(25, 15));
        board.tick();
        QCOMPARE(row.nameColour(), TableSlot::NameColour::RunningOut);
        QVERIFY(f.platform.sounds.isEmpty());
    }

    void tickReadsAndWritesNoFile()
    {
        BoardFixture f;
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"),
                           QStringLiteral("01,00"));
        BoardWindow &board = f.start();
        QFile::remove(f.folder.file(QStringLiteral("zaman.dat")));
        f.setClock(QStringLiteral("07.12.2026 10:30"));
        QCOMPARE(f.field(0, 2), QStringLiteral("00:30"));
        QCOMPARE(f.field(0, 3), QStringLiteral("00:00"));
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("zaman.dat"))));
        board.tick();
        QVERIFY(f.platform.errors.isEmpty());
    }

    void slotOperations()
    {
        BoardFixture f;
        f.folder.openTable(2, QStringLiteral("Ali"), QStringLiteral("10:00"),
                           QStringLiteral("00,10"));
        f.platform.setClock(QStringLiteral("07.12.2026 11:00"));
        BoardWindow &board = f.start();
        QCOMPARE(board.slot(2).nameColour(), TableSlot::NameColour::UsedUp);

        // The limit raised in the file: refresh one row takes the record back, the next tick
        // counts down again and the name returns to the window colour.
        f.folder.openTable(2, QStringLiteral("Veli"), QStringLiteral("10:30"), QStringLiteral("0"));
        QVERIFY(board.refreshRow(2));
        QCOMPARE(f.field(2, 0), QStringLiteral("Veli"));
        QCOMPARE(f.field(2, 1), QStringLiteral("10:30"));
        QCOMPARE(f.field(2, 3), QString());
        QCOMPARE(board.slot(2).nameColour(), TableSlot::NameColour::Window);
        QCOMPARE(board.copyCost(2), QStringLiteral("2,00")); // as the clock last showed it
        board.tick();
        QCOMPARE(board.copyCost(2), QStringLiteral("1,00"));

        f.folder.openTable(2, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        QVERIFY(board.clearRow(2));
        board.showClosedState(2);
        QCOMPARE(f.row(2), (QStringList{"", "", "", "", ""}));
        QVERIFY(board.slot(2).actionShown(TableSlot::Action::Open));
        QVERIFY(!board.slot(2).actionShown(TableSlot::Action::Close));
        f.setClock(QStringLiteral("07.12.2026 12:00"));
        QCOMPARE(f.row(2), (QStringList{"", "", "", "", ""}));

        // Opened and closed again before the clock's next tick: the cost is that of now.
        f.folder.openTable(2, QStringLiteral("Quick"), QStringLiteral("11:00"));
        QVERIFY(board.refreshRow(2));
        board.showOpenState(2);
        QCOMPARE(f.field(2, 4), QString());
        QCOMPARE(board.copyCost(2), QStringLiteral("2,00"));

        // A row operation that meets an unreadable file says so and changes nothing.
        QFile::remove(f.folder.file(QStringLiteral("zaman.dat")));
        QVERIFY(!board.refreshRow(2));
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().contains(QStringLiteral("zaman.dat")));
    }

    void oldLanguageFileGivesEnglish()
    {
        BoardFixture f;
        QStringList turkish = f.folder.lines(QStringLiteral("language/turkish.ini"));
        turkish.replaceInStrings(QStringLiteral("Program_Version=1.4"),
                                 QStringLiteral("Program_Version=1.3"));
        f.folder.write(QStringLiteral("language/turkish.ini"), turkish);
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Language,
                         QStringLiteral("turkish"));
        f.start();
        QCOMPARE(f.state.languageName, QStringLiteral("English"));
        QCOMPARE(f.state.text(u"000001"), QStringLiteral("Table Name"));
    }

    void turkishFileIsUsed()
    {
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Language,
                         QStringLiteral("turkish"));
        BoardWindow &board = f.start();
        QCOMPARE(f.state.languageName, QStringLiteral("Turkish"));
        bool found = false;
        for (QLabel *label : board.findChildren<QLabel *>())
            found = found || label->text() == f.state.text(u"000001");
        QVERIFY(found);
        QVERIFY(f.state.text(u"000001") != QStringLiteral("Table Name"));
    }

    void firstStartSetsItsFlagOnce()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QCOMPARE(f.folder.lines(QStringLiteral("ayar.dat"))[SettingsLine::FirstStart],
                 QStringLiteral("1"));
        QCOMPARE(f.state.settings.line(SettingsLine::FirstStart), QStringLiteral("1"));
        QVERIFY(f.platform.notices.isEmpty());
        QVERIFY(board.isVisible());
    }

    // A settings file that cannot take the first-start flag is reported once, not at every
    // activation.
    void firstStartFlagThatCannotBeSavedIsReportedOnce()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        QFile::remove(f.folder.file(QStringLiteral("ayar.dat")));
        QDir(f.folder.path()).mkdir(QStringLiteral("ayar.dat")); // there, but unreadable
        board.show();
        QTRY_COMPARE(f.platform.errors.size(), 1);
        for (int i = 0; i < 2; ++i) {
            QDialog dialog(&board);
            dialog.show();
            dialog.close();
            QTest::qWait(20);
        }
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(board.isVisible());
    }

    void missingDailyLedgerEndsTheProgram()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QVERIFY(f.platform.notices.isEmpty());

        QFile::remove(f.folder.file(QStringLiteral("gunluk.dat")));
        QDialog dialog(&board);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.close();
        QTRY_VERIFY(!board.isVisible());
        QCOMPARE(f.platform.notices,
                 QStringList{"Program need a file. But this file is corrupted or removed. Try to "
                             "install again or contact with programme producer."});
    }

    void missingSettingsAtStartEndTheProgram()
    {
        BoardFixture f;
        QFile::remove(f.folder.file(QStringLiteral("ayar.dat")));
        BoardWindow &board = f.start();
        QCOMPARE(board.tableCount(), 6);
        QCOMPARE(board.windowTitle(), QStringLiteral("Kirveno LT v1.4"));
        board.show();
        QTRY_VERIFY(!board.isVisible());
        QCOMPARE(f.platform.notices.size(), 1);
    }

    // A row's picture sinks while pressed; released elsewhere it stays sunk until the mouse
    // passes over the background: the board's picture, or the gaps around the rows' pictures and
    // figures, but not the figures. The hand shows over the pictures only.
    void actionPicturesSinkWhilePressed()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        board.show();
        const TableSlot &row = board.slot(3);
        QWidget *controls = row.controls();
        const QRect home = row.actionGeometry(TableSlot::Action::Open);
        const auto moveOver = [](QWidget *widget, QPoint boardPoint) {
            const QPoint point = widget->mapFromParent(boardPoint);
            QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        const auto pressAndReleaseElsewhere = [&] {
            QTest::mousePress(controls, Qt::LeftButton, {}, controls->mapFromParent(home.center()));
            QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home.translated(1, 1));
            QTest::mouseRelease(controls, Qt::LeftButton, {},
                                controls->mapFromParent(home.center() + QPoint(200, 0)));
            QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home.translated(1, 1));
        };

        pressAndReleaseElsewhere();
        moveOver(controls, row.figureGeometry(TableSlot::Figure::Passed).center());
        QCOMPARE(controls->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home.translated(1, 1));
        moveOver(controls, home.center() + QPoint(1, 1));
        QCOMPARE(controls->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home.translated(1, 1));
        moveOver(controls, QPoint(home.left() - 1, home.center().y())); // the gap beside it
        QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home);

        pressAndReleaseElsewhere();
        QWidget *background = nullptr;
        for (QWidget *child : board.findChildren<QWidget *>()) {
            if (child->geometry() == QRect(0, 38, 361, 621))
                background = child;
        }
        QVERIFY(background);
        moveOver(background, QPoint(200, 300));
        QCOMPARE(row.actionGeometry(TableSlot::Action::Open), home);
    }

    void toolbarIconsLiftAndMenusPopUpBelowThem()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QList<ToolbarIcon *> icons = board.findChildren<ToolbarIcon *>();
        QCOMPARE(icons.size(), 4);
        QCOMPARE(icons[2]->pos(), QPoint(174, 4));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), icons[2]->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(icons[2], &enter);
        QCOMPARE(icons[2]->pos(), QPoint(175, 5));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(icons[2], &leave);
        QCOMPARE(icons[2]->pos(), QPoint(174, 4));
        QCOMPARE(icons[0]->toolTip(), QStringLiteral("Reports"));
        QCOMPARE(icons[3]->toolTip(), QStringLiteral("Help"));

        QTest::mouseClick(icons[2], Qt::LeftButton);
        QTRY_VERIFY(board.settingsMenu()->isVisible());
        const QRect frame = board.frameGeometry();
        QCOMPARE(board.settingsMenu()->pos(), QPoint(frame.left() + 174, frame.top() + 45));
        board.settingsMenu()->close();
        QTest::mouseClick(icons[3], Qt::LeftButton);
        QTRY_VERIFY(board.helpMenu()->isVisible());
        QCOMPARE(board.helpMenu()->pos(), QPoint(frame.left() + 214, frame.top() + 45));
        board.helpMenu()->close();

        // A popup menu is not a window the board takes over from.
        QFile::remove(f.folder.file(QStringLiteral("gunluk.dat")));
        QTest::mouseClick(icons[2], Qt::LeftButton);
        QTRY_VERIFY(board.settingsMenu()->isVisible());
        QTest::keyClick(board.settingsMenu(), Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(f.platform.notices.isEmpty());
        QVERIFY(board.isVisible());
    }

    void menusAndPages()
    {
        BoardFixture f;
        BoardWindow &board = f.start();
        const QList<QAction *> settings = board.settingsMenu()->actions();
        QCOMPARE(settings.size(), 6);
        QCOMPARE(settings[0]->text(), QStringLiteral("Archive"));
        QCOMPARE(settings[0]->menu()->actions()[0]->text(), QStringLiteral("Backup"));
        QCOMPARE(settings[0]->menu()->actions()[1]->text(), QStringLiteral("Restore"));
        QVERIFY(settings[1]->isSeparator());
        QCOMPARE(settings[2]->text(), QStringLiteral("Language Settings"));
        QCOMPARE(settings[3]->text(), QStringLiteral("Password Settings"));
        QCOMPARE(settings[5]->text(), QStringLiteral("Options"));

        const QList<QAction *> help = board.helpMenu()->actions();
        QCOMPARE(help.size(), 7);
        QCOMPARE(help[0]->text(), QStringLiteral("Help"));
        QCOMPARE(help[3]->text(), QStringLiteral("News"));
        QCOMPARE(help[4]->text(), QStringLiteral("Update"));
        QCOMPARE(help[6]->text(), QStringLiteral("About"));
        help[2]->trigger();
        help[3]->trigger();
        help[4]->trigger();
        for (const QString &url : f.platform.urls)
            QVERIFY2(url.startsWith(QStringLiteral("https://www.kirveno.example/")),
                     qPrintable(url));
        QCOMPARE(f.platform.urls.size(), 3);
        QVERIFY(f.platform.urls[1].contains(QStringLiteral("/en/")));
    }

    void turkishPagesOnlyForExactlyTurkish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("variant");
        QTest::newRow("turkish") << "turkish"
                                 << "/tr/";
        QTest::newRow("capital T") << "Turkish"
                                   << "/en/";
        QTest::newRow("english") << "english"
                                 << "/en/";
    }

    void turkishPagesOnlyForExactlyTurkish()
    {
        QFETCH(QString, language);
        QFETCH(QString, variant);
        BoardFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Language, language);
        BoardWindow &board = f.start();
        board.helpMenu()->actions()[3]->trigger();
        board.helpMenu()->actions()[4]->trigger();
        QCOMPARE(f.platform.urls.size(), 2);
        QVERIFY(f.platform.urls[0].contains(variant));
        QVERIFY(f.platform.urls[1].contains(variant));
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
