#include "board/boardwidgets.h"
#include "records/reportswindow.h"
#include "records/takingschart.h"
#include "storage/settingsfile.h"
#include "support/dialogfixture.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QTest>
#include <QToolTip>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString gunluk = QStringLiteral("gunluk.dat");
const QString aylik = QStringLiteral("aylik.dat");
const QString today = QStringLiteral("07.12.2026"); // the scripted platform's date
const QString refusal = QStringLiteral("Cant remove archive informations");

QString record(const QString &name, const QString &total)
{
    return name.leftJustified(15, QLatin1Char(' ')) + QStringLiteral("10:00 ---- 11:00 ---- ")
           + total + QLatin1Char('-');
}

const QStringList todaysLedger = {today, record("Ali", "05,50"), record("Veli", "12,00"),
                                  record("Ayşe", "02,25")};

// The monthly ledger of the example: two days of May and one of June.
const QStringList exampleMonthly = {"Kirveno LT monthly ledger", "01.05.2026 ---- 12,50",
                                    "02.05.2026 ---- 08,00", "01.06.2026 ---- 10,00"};

QStringList rows(const QListView *list)
{
    return qobject_cast<QStringListModel *>(list->model())->stringList();
}

int selectedRow(const QListView *list)
{
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void clickRow(QListView *list, int row)
{
    const QRect item = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

// What the chart shows: its title, the bars' amounts and the labels under them, and the value
// axis' marks.
struct ShownBars
{
    QString title;
    QStringList labels;
    QList<Cents> amounts;
    QStringList marks;
};

ShownBars shownBars(const ReportsWindow &window)
{
    const QChart *chart = window.chart()->chart();
    if (!chart)
        return {};
    ShownBars shown{chart->title(), {}, {}, {}};
    const auto *series = qobject_cast<QBarSeries *>(chart->series().value(0));
    if (series && series->count() == 1) {
        const QBarSet *set = series->barSets().constFirst();
        for (int i = 0; i < set->count(); ++i)
            shown.amounts << Cents(set->at(i));
    }
    if (auto *periods = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).value(0)))
        shown.labels = periods->categoriesLabels();
    if (auto *values = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Vertical).value(0)))
        shown.marks = values->categoriesLabels();
    return shown;
}

// The board with its dialogs, past its first start, and the reports window over it.
struct ReportsFixture : DialogFixture
{
    std::unique_ptr<ReportsWindow> reports;

    ReportsFixture()
    {
        folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart, QStringLiteral("1"));
    }

    // Shows the window as the password prompt does, on the files as the test has prepared them.
    bool showReports()
    {
        startDialogs();
        reports = std::make_unique<ReportsWindow>(state, board.get());
        reports->show();
        reports->activateWindow();
        if (!QTest::qWaitForWindowActive(reports.get()))
            return false;
        QCoreApplication::processEvents(); // the activation comes once the showing is over
        return true;
    }

    QStringList entries() const { return rows(reports->entryList()); }
    QString total() const { return reports->totalField()->text(); }
};

} // namespace

class TestReportsWindow : public QObject
{
    Q_OBJECT

private slots:
    void frame()
    {
        ReportsFixture f;
        QVERIFY(f.showReports());
        ReportsWindow &window = *f.reports;
        QCOMPARE(window.windowTitle(), QStringLiteral("Report"));
        QCOMPARE(window.exportButton()->text(), QStringLiteral("Export"));
        QCOMPARE(window.removeButton()->text(), QStringLiteral("Remove"));
        QCOMPARE(window.closeButton()->text(), QStringLiteral("Close"));
        QVERIFY(window.isWindow());
        QCOMPARE(window.parentWidget(), f.board.get());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.totalField()->isReadOnly());
        QVERIFY(window.totalField()->font().bold());

        // The ledger's columns line up, and a whole record fits without scrolling sideways.
        const QFont font = window.entryList()->font();
        QCOMPARE(font.pixelSize(), 13);
        const QFontMetrics metrics(font);
        QVERIFY(QFontInfo(font).fixedPitch());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
                 metrics.horizontalAdvance(QStringLiteral("MMMM")));
        QVERIFY(metrics.horizontalAdvance(record("Kirveno", "123,45"))
                < window.entryList()->viewport()->width());

        // The chart stands beside the lists, as high as they are, inside the window.
        const QRect chart = window.chart()->geometry();
        const QRect entries = window.entryList()->geometry();
        QVERIFY(chart.left() > entries.right());
        QCOMPARE(chart.top(), entries.top());
        QCOMPARE(chart.height(), entries.height());
        QVERIFY(window.rect().contains(chart));
        QVERIFY(window.totalField()->geometry().right() <= entries.right());
    }

    // Showing the window is its first activation: the daily ledger loses its empty lines on
    // the disk too, the months are listed, none is chosen and the focus is on Close.
    void showingReadsTheLedgers_data()
    {
        QTest::addColumn<QStringList>("daily");
        QTest::addColumn<QStringList>("view");
        QTest::addColumn<QString>("total");
        QTest::newRow("empty lines go")
            << QStringList{today, "", record("Ali", "05,50"), "", "", record("Veli", "12,00"), ""}
            << QStringList{today, record("Ali", "05,50"), record("Veli", "12,00")} << "17,50";
        QTest::newRow("an empty date line stays")
            << QStringList{"", "", record("Ali", "05,50")}
            << QStringList{"", record("Ali", "05,50")} << "5,50";
        QTest::newRow("the date line only") << QStringList{today} << QStringList{today} << "0,00";
        QTest::newRow("exact to the hundredth")
            << QStringList{today, record("Ali", "99,99"), record("Veli", "23,45")}
            << QStringList{today, record("Ali", "99,99"), record("Veli", "23,45")} << "123,44";
        QTest::newRow("thousands")
            << QStringList{today, record("Ali", "12345,67"), record("Veli", "7654,33")}
            << QStringList{today, record("Ali", "12345,67"), record("Veli", "7654,33")}
            << "20.000,00";
    }

    void showingReadsTheLedgers()
    {
        QFETCH(QStringList, daily);
        QFETCH(QStringList, view);
        QFETCH(QString, total);
        ReportsFixture f;
        f.folder.write(gunluk, daily);
        f.folder.write(aylik, exampleMonthly);
        QVERIFY(f.showReports());
        QCOMPARE(f.entries(), view);
        QCOMPARE(f.folder.lines(gunluk), view);
        QCOMPARE(f.total(), total);
        QCOMPARE(rows(f.reports->periodList()), (QStringList{today, "05.2026", "06.2026"}));
        QCOMPARE(selectedRow(f.reports->periodList()), -1);
        QCOMPARE(QApplication::focusWidget(), f.reports->closeButton());
        QVERIFY(f.platform.errors.isEmpty());
    }

    void installedLedgersShowJustToday()
    {
        ReportsFixture f;
        QVERIFY(f.showReports());
        QCOMPARE(rows(f.reports->periodList()), QStringList{today});
        QCOMPARE(f.entries(), QStringList{"01.01.2026"});
        QCOMPARE(f.total(), QStringLiteral("0,00"));
    }

    void monthTotals_data()
    {
        QTest::addColumn<QStringList>("monthly");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QString>("total");
        QTest::newRow("May of the example")
            << exampleMonthly << 1 << QStringList{"01.05.2026 ---- 12,50", "02.05.2026 ---- 08,00"}
            << "20,50";
        QTest::newRow("June of the example")
            << exampleMonthly << 2 << QStringList{"01.06.2026 ---- 10,00"} << "10,00";
        QTest::newRow("1,5 padded")
            << QStringList{"", "01.05.2026 ---- 00,50", "02.05.2026 ---- 01,00"} << 1
            << QStringList{"01.05.2026 ---- 00,50", "02.05.2026 ---- 01,00"} << "01,50";
        QTest::newRow("5,5 padded") << QStringList{"", "01.05.2026 ---- 05,50"} << 1
                                    << QStringList{"01.05.2026 ---- 05,50"} << "05,50";
        QTest::newRow("12") << QStringList{"", "01.05.2026 ---- 12,00"} << 1
                            << QStringList{"01.05.2026 ---- 12,00"} << "12,00";
        QTest::newRow("thousands, exact")
            << QStringList{"", "01.05.2026 ---- 999,99", "02.05.2026 ---- 235,01"} << 1
            << QStringList{"01.05.2026 ---- 999,99", "02.05.2026 ---- 235,01"} << "1.235,00";
    }

    // Chosen with the mouse; choosing today's date afterwards goes back to the daily view.
    void monthTotals()
    {
        QFETCH(QStringList, monthly);
        QFETCH(int, row);
        QFETCH(QStringList, days);
        QFETCH(QString, total);
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        f.folder.write(aylik, monthly);
        QVERIFY(f.showReports());
        clickRow(f.reports->periodList(), row);
        QCOMPARE(f.entries(), days);
        QCOMPARE(f.total(), total);
        clickRow(f.reports->periodList(), 0);
        QCOMPARE(f.entries(), todaysLedger);
        QCOMPARE(f.total(), QStringLiteral("19,75"));
        QCOMPARE(f.folder.lines(aylik), monthly);
    }

    void remove_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("monthView");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("total"); // after the removal; empty when it is refused
        QTest::newRow("a record by the button") << today << false << 2 << "click"
                                                << "7,75";
        QTest::newRow("a record by Enter on Remove") << today << false << 1 << "enter"
                                                     << "14,25";
        QTest::newRow("a record by Backspace in the list") << today << false << 3 << "backspace"
                                                           << "17,50";
        QTest::newRow("the date line") << today << false << 0 << "click"
                                       << "";
        QTest::newRow("the date line by Backspace") << today << false << 0 << "backspace"
                                                    << "";
        QTest::newRow("an earlier day") << "06.12.2026" << false << 1 << "click"
                                        << "";
        QTest::newRow("an earlier day by Backspace") << "06.12.2026" << false << 1 << "backspace"
                                                     << "";
        QTest::newRow("a month view") << today << true << 0 << "click"
                                      << "";
        QTest::newRow("a month view by Backspace") << today << true << 0 << "backspace"
                                                   << "";
    }

    void remove()
    {
        QFETCH(QString, date);
        QFETCH(bool, monthView);
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(QString, total);
        ReportsFixture f;
        QStringList daily = todaysLedger;
        daily[0] = date;
        f.folder.write(gunluk, daily);
        f.folder.write(aylik, exampleMonthly);
        QVERIFY(f.showReports());
        ReportsWindow &window = *f.reports;
        if (monthView)
            clickRow(window.periodList(), 1);
        const QStringList shown = f.entries();
        const QString totalBefore = f.total();
        const QByteArray before = f.folder.bytes(gunluk);

        clickRow(window.entryList(), row);
        if (how == "click") {
            QTest::mouseClick(window.removeButton(), Qt::LeftButton);
        } else if (how == "enter") {
            window.removeButton()->setFocus();
            QTest::keyClick(window.removeButton(), Qt::Key_Return);
        } else {
            QTest::keyClick(window.entryList(), Qt::Key_Backspace);
        }

        if (total.isEmpty()) {
            QCOMPARE(f.platform.notices, QStringList{refusal});
            QCOMPARE(f.folder.bytes(gunluk), before);
            QCOMPARE(f.entries(), shown);
            QCOMPARE(f.total(), totalBefore);
        } else {
            QStringList remaining = daily;
            remaining.removeAt(row);
            QVERIFY(f.platform.notices.isEmpty());
            QCOMPARE(f.folder.lines(gunluk), remaining);
            QCOMPARE(f.entries(), remaining);
            QCOMPARE(f.total(), total);
            // Nothing is selected any more: a second Backspace removes nothing.
            QTest::keyClick(window.entryList(), Qt::Key_Backspace);
            QCOMPARE(f.folder.lines(gunluk), remaining);
        }
        QVERIFY(window.isVisible());
        QVERIFY(f.platform.errors.isEmpty());
    }

    void escapeAndEnterClose_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("key");
        QTest::newRow("Esc in the period list") << "periods" << int(Qt::Key_Escape);
        QTest::newRow("Esc in the entry list") << "entries" << int(Qt::Key_Escape);
        QTest::newRow("Esc on Export") << "export" << int(Qt::Key_Escape);
        QTest::newRow("Esc on Remove") << "remove" << int(Qt::Key_Escape);
        QTest::newRow("Esc on Close") << "close" << int(Qt::Key_Escape);
        QTest::newRow("Enter on Close") << "close" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter on Close") << "close" << int(Qt::Key_Enter);
    }

    void escapeAndEnterClose()
    {
        QFETCH(QString, where);
        QFETCH(int, key);
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        QVERIFY(f.showReports());
        ReportsWindow &window = *f.reports;
        clickRow(window.entryList(), 1); // a selected record stays where it is
        const QHash<QString, QWidget *> targets = {{"periods", window.periodList()},
                                                   {"entries", window.entryList()},
                                                   {"export", window.exportButton()},
                                                   {"remove", window.removeButton()},
                                                   {"close", window.closeButton()}};
        QWidget *target = targets.value(where);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!window.isVisible());
        QCOMPARE(f.folder.lines(gunluk), todaysLedger);
        QVERIFY(f.platform.notices.isEmpty());
    }

    // A table closed on the board while a month is shown is there when the operator comes back
    // to the reports, in the daily view, with no period chosen.
    void comingBackFromTheBoardStartsOverInTheDailyView()
    {
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        f.folder.write(aylik, exampleMonthly);
        f.folder.openTable(2, QStringLiteral("Kirveno"), QStringLiteral("09:00"));
        f.platform.setClock(QStringLiteral("07.12.2026 10:00"));
        QVERIFY(f.showReports());
        ReportsWindow &window = *f.reports;
        clickRow(window.periodList(), 1);
        QCOMPARE(f.total(), QStringLiteral("20,50"));

        f.board->show();
        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        CloseTableDialog &closing = f.dialogs->closeDialog();
        QTimer::singleShot(0, &closing, [&closing] { closing.accept(); });
        f.dialogs->closeTable(2);
        QCOMPARE(f.folder.lines(gunluk).size(), 5);

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList daily = todaysLedger + QStringList{f.folder.lines(gunluk).last()};
        QTRY_COMPARE(f.entries(), daily);
        QCOMPARE(f.total(), QStringLiteral("21,75")); // an hour at the installed 2,00
        QCOMPARE(rows(window.periodList()), (QStringList{today, "05.2026", "06.2026"}));
        QCOMPARE(selectedRow(window.periodList()), -1);
        QCOMPARE(QApplication::focusWidget(), window.closeButton());

        // Closed and shown again: the same.
        clickRow(window.periodList(), 2);
        QTest::keyClick(window.periodList(), Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        window.show();
        QTRY_COMPARE(f.entries(), daily);
        QCOMPARE(selectedRow(window.periodList()), -1);
    }

    // A hand-edited amount is named with its file, line and text; nothing is written, and the
    // rest of the window goes on working.
    void damagedAmounts()
    {
        ReportsFixture f;
        const QStringList daily = {today, record("Ali", "05,50"), record("Veli", "5x,50")};
        const QStringList monthly = {"", "01.05.2026 ---- 12,50", "02.05.2026 ---- 1.500",
                                     "01.06.2026 ---- 10,00"};
        f.folder.write(gunluk, daily);
        f.folder.write(aylik, monthly);
        const QByteArray dailyBefore = f.folder.bytes(gunluk);
        const QString monthlyError = QStringLiteral("Line 3 holds \"02.05.2026 ---- 1.500\"");
        QVERIFY(f.showReports());
        // The chart of the last twelve months reads May too, and says so; it shows no bars.
        QCOMPARE(f.platform.errors.size(), 2);
        QVERIFY(f.platform.errors[0].startsWith(f.folder.file(gunluk)));
        QVERIFY(f.platform.errors[0].contains("Line 3 holds \"" + daily[2] + "\""));
        QVERIFY(f.platform.errors[1].startsWith(f.folder.file(aylik)));
        QVERIFY(f.platform.errors[1].contains(monthlyError));
        QCOMPARE(shownBars(*f.reports).amounts, QList<Cents>{});
        QCOMPARE(f.entries(), daily);
        QCOMPARE(f.total(), QString());
        QCOMPARE(f.folder.bytes(gunluk), dailyBefore);

        clickRow(f.reports->periodList(), 2);
        QCOMPARE(f.total(), QStringLiteral("10,00"));
        QCOMPARE(shownBars(*f.reports).title, QStringLiteral("Takings of 06.2026: 10,00"));
        clickRow(f.reports->periodList(), 1);
        QCOMPARE(f.platform.errors.size(), 3);
        QVERIFY(f.platform.errors[2].startsWith(f.folder.file(aylik)));
        QVERIFY(f.platform.errors[2].contains(monthlyError));
        QCOMPARE(f.entries(), monthly.mid(1, 2));
        QCOMPARE(f.total(), QStringLiteral("10,00")); // the month total keeps its last text
        QCOMPARE(shownBars(*f.reports).amounts, QList<Cents>{});
        QCOMPARE(f.folder.lines(aylik), monthly);
    }

    void missingLedger_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("daily") << gunluk << QStringList{};
        QTest::newRow("monthly") << aylik << todaysLedger;
    }

    void missingLedger()
    {
        QFETCH(QString, missing);
        QFETCH(QStringList, entries);
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        QFile::remove(f.folder.file(missing));
        QVERIFY(f.showReports());
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors[0].startsWith(f.folder.file(missing)));
        QCOMPARE(f.entries(), entries);
        QCOMPARE(rows(f.reports->periodList()), QStringList{});
        QVERIFY(!QFile::exists(f.folder.file(missing)));
    }

    // The daily view charts the twelve months that end with the clock's, a month its days.
    void chartFollowsThePeriod()
    {
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        f.folder.write(aylik, exampleMonthly);
        QVERIFY(f.showReports());
        const QStringList twelveMonths = {"01.2026", "02.2026", "03.2026", "04.2026",
                                          "05.2026", "06.2026", "07.2026", "08.2026",
                                          "09.2026", "10.2026", "11.2026", "12.2026"};
        const QList<Cents> monthTotals = {0, 0, 0, 0, 2050, 1000, 0, 0, 0, 0, 0, 0};
        ShownBars shown = shownBars(*f.reports);
        QCOMPARE(shown.title, QStringLiteral("Takings of the last twelve months: 30,50"));
        QCOMPARE(shown.labels, twelveMonths);
        QCOMPARE(shown.amounts, monthTotals);
        QCOMPARE(shown.marks, (QStringList{"0,00", "5,00", "10,00", "15,00", "20,00", "25,00"}));
        // The pointer on a bar shows its exact amount.
        QBarSet *bars = qobject_cast<QBarSeries *>(f.reports->chart()->chart()->series().value(0))
                            ->barSets()
                            .value(0);
        emit bars->hovered(true, 4);
        QCOMPARE(QToolTip::text(), QStringLiteral("05.2026: 20,50"));
        emit bars->hovered(false, 4);

        clickRow(f.reports->periodList(), 1);
        shown = shownBars(*f.reports);
        QCOMPARE(shown.title, QStringLiteral("Takings of 05.2026: 20,50"));
        // As many day numbers as the width holds.
        QCOMPARE(shown.labels, (QStringList{"1", "5", "10", "15", "20", "25", "31"}));
        QList<Cents> mayDays(31, 0);
        mayDays[0] = 1250;
        mayDays[1] = 800;
        QCOMPARE(shown.amounts, mayDays);
        QCOMPARE(shown.marks, (QStringList{"0,00", "5,00", "10,00", "15,00"}));

        clickRow(f.reports->periodList(), 0);
        shown = shownBars(*f.reports);
        QCOMPARE(shown.labels, twelveMonths);
        QCOMPARE(shown.amounts, monthTotals);
    }

    void exportWritesTheView_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("period");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("today in English")
            << "english" << 0
            << QByteArray("\xEF\xBB\xBFName,Start,Finish,Amount\r\n"
                          "Ali,10:00,11:00,5.50\r\nVeli,10:00,11:00,12.00\r\n"
                          "Ayşe,10:00,11:00,2.25\r\nTotal,,,19.75\r\n");
        QTest::newRow("May in Turkish")
            << "turkish" << 1
            << QByteArray("\xEF\xBB\xBFTarih;Gün Toplamı\r\n01.05.2026;12,50\r\n"
                          "02.05.2026;8,00\r\nToplam;20,50\r\n");
    }

    // A new file is written without a question, in the separators of the language in force.
    void exportWritesTheView()
    {
        QFETCH(QString, language);
        QFETCH(int, period);
        QFETCH(QByteArray, csv);
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        f.folder.write(aylik, exampleMonthly);
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Language, language);
        QVERIFY(f.showReports());
        if (period > 0)
            clickRow(f.reports->periodList(), period);
        f.platform.fileToSave = f.folder.file(QStringLiteral("for the accountant.csv"));
        QTest::mouseClick(f.reports->exportButton(), Qt::LeftButton);
        QCOMPARE(f.folder.bytes(QStringLiteral("for the accountant.csv")), csv);
        QVERIFY(f.platform.questions.isEmpty());
        QVERIFY(f.platform.errors.isEmpty());
        QCOMPARE(f.platform.filters.size(), 1);
        QVERIFY(f.platform.filters[0].contains(QStringLiteral("(*.csv)")));
        QCOMPARE(f.folder.lines(gunluk), todaysLedger);
        QCOMPARE(f.folder.lines(aylik), exampleMonthly);
    }

    void exportAsksBeforeReplacing_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("answer");
        QTest::newRow("replaced on Yes") << false << true;
        QTest::newRow("kept on No") << false << false;
        QTest::newRow("no name chosen") << true << false;
    }

    void exportAsksBeforeReplacing()
    {
        QFETCH(bool, cancelled);
        QFETCH(bool, answer);
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        const QString name = QStringLiteral("takings.csv");
        const QString path = f.folder.file(name);
        f.folder.writeBytes(name, "last month's file");
        QVERIFY(f.showReports());
        f.platform.fileToSave = cancelled ? QString() : path;
        f.platform.answers = {answer};
        QTest::mouseClick(f.reports->exportButton(), Qt::LeftButton);
        if (cancelled)
            QVERIFY(f.platform.questions.isEmpty());
        else
            QCOMPARE(f.platform.questions,
                     QStringList{"Information | The file " + path
                                 + " is already there. The new file will overwrite it. Accept?"});
        QCOMPARE(f.folder.bytes(name).startsWith("\xEF\xBB\xBFName,"), answer);
        QCOMPARE(f.folder.bytes(name) == "last month's file", !answer);
        QCOMPARE(QDir(f.folder.path()).entryList({name + ".tmp-*"}), QStringList{});
        QVERIFY(f.platform.errors.isEmpty());
    }

    void exportErrorNamesTheFile()
    {
        ReportsFixture f;
        f.folder.write(gunluk, todaysLedger);
        QVERIFY(f.showReports());
        const QString path = f.folder.file(QStringLiteral("no such folder/takings.csv"));
        f.platform.fileToSave = path;
        QTest::mouseClick(f.reports->exportButton(), Qt::LeftButton);
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY2(f.platform.errors[0].startsWith(path), qPrintable(f.platform.errors[0]));
        QVERIFY(!QFile::exists(path));
        QVERIFY(f.reports->isVisible());
    }
};

QTEST_MAIN(TestReportsWindow)
#include "test_reportswindow.moc"
