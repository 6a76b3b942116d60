#include "sessions/tabledialogs.h"
#include "storage/atomicfile.h"
#include "storage/datafileerror.h"
#include "storage/settingsfile.h"
#include "support/dialogfixture.h"
#include "widgets/arrowfield.h"
#include "widgets/storedtextfield.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString zaman = QStringLiteral("zaman.dat");
const QString gunluk = QStringLiteral("gunluk.dat");

void click(QToolButton *arrow, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(arrow, Qt::LeftButton);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void steppingRules()
    {
        ArrowField hour(0, 23, ArrowField::Ends::Wrap);
        hour.setValue(23);
        click(hour.upArrow());
        QCOMPARE(hour.text(), QStringLiteral("00"));
        click(hour.downArrow());
        QCOMPARE(hour.text(), QStringLiteral("23"));

        ArrowField minute(0, 59, ArrowField::Ends::Wrap);
        minute.setValue(59);
        click(minute.upArrow());
        QCOMPARE(minute.text(), QStringLiteral("00"));
        click(minute.downArrow());
        QCOMPARE(minute.text(), QStringLiteral("59"));
        minute.setValue(6);
        click(minute.upArrow());
        QCOMPARE(minute.text(), QStringLiteral("07"));

        ArrowField money(0, 99, ArrowField::Ends::Stop);
        click(money.downArrow());
        QCOMPARE(money.text(), QStringLiteral("00"));
        money.setValue(98);
        click(money.upArrow(), 3);
        QCOMPARE(money.text(), QStringLiteral("99"));

        // The arrow keys step the field the focus is in.
        QTest::keyClick(money.field(), Qt::Key_Down);
        QCOMPARE(money.value(), 98);
        QTest::keyClick(money.field(), Qt::Key_5);
        QCOMPARE(money.text(), QStringLiteral("98"));
    }

    void openingDefaultsOnEveryShowing()
    {
        DialogFixture f;
        f.platform.setClock(QStringLiteral("07.12.2026 23:59"));
        f.startDialogs();
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(2);
        open.show();
        QCOMPARE(open.nameField()->text(), QStringLiteral("Kirveno"));
        QCOMPARE(open.nameField()->selectedText(), QStringLiteral("Kirveno"));
        QCOMPARE(open.hourField()->text(), QStringLiteral("23"));
        QCOMPARE(open.minuteField()->text(), QStringLiteral("59"));
        click(open.hourField()->upArrow());
        click(open.minuteField()->upArrow());
        QCOMPARE(open.hourField()->text(), QStringLiteral("00"));
        QCOMPARE(open.minuteField()->text(), QStringLiteral("00"));
        click(open.limitWholeField()->upArrow(), 5);
        click(open.limitHundredthsField()->upArrow(), 50);
        open.reject();

        open.prepare(2);
        QCOMPARE(open.limitWholeField()->text(), QStringLiteral("00"));
        QCOMPARE(open.limitHundredthsField()->text(), QStringLiteral("00"));
        click(open.limitWholeField()->upArrow());
        QCOMPARE(open.limitWholeField()->text(), QStringLiteral("01"));
        QCOMPARE(open.hourField()->text(), QStringLiteral("23"));
    }

    void openingStoresTheAmountRule_data()
    {
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("hundredths");
        QTest::addColumn<QString>("stored");
        QTest::newRow("00,00 is no limit") << 0 << 0 << "0";
        QTest::newRow("00,05") << 0 << 5 << "00,05";
        QTest::newRow("12,00") << 12 << 0 << "12,00";
    }

    void openingStoresTheAmountRule()
    {
        QFETCH(int, whole);
        QFETCH(int, hundredths);
        QFETCH(QString, stored);
        DialogFixture f;
        f.platform.setClock(QStringLiteral("07.12.2026 21:07"));
        f.startDialogs();
        const QStringList before = f.folder.lines(zaman);
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(2);
        open.show();
        click(open.limitWholeField()->upArrow(), whole);
        click(open.limitHundredthsField()->upArrow(), hundredths);
        QTest::keyClick(open.nameField(), Qt::Key_Return);
        QVERIFY(!open.isVisible());
        QCOMPARE(f.record(2), (QStringList{"Kirveno", "21:07", stored, "0"}));
        QStringList after = f.folder.lines(zaman);
        QCOMPARE(after.size(), 120);
        for (int i = 0; i < 120; ++i) {
            if (i < 8 || i > 11)
                QCOMPARE(after[i], before[i]);
        }
        QVERIFY(f.board->slot(2).isOpenState());
        QCOMPARE(f.field(2, 0), QStringLiteral("Kirveno"));
        QCOMPARE(f.field(2, 1), QStringLiteral("21:07"));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirms");
        QTest::newRow("Enter in the name") << "name" << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter in the name") << "name" << int(Qt::Key_Enter) << true;
        QTest::newRow("Esc in the name") << "name" << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter in a stepped field") << "hour" << int(Qt::Key_Return) << true;
        QTest::newRow("Esc in a stepped field") << "hour" << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on OK") << "ok" << int(Qt::Key_Return) << true;
        QTest::newRow("Esc on OK") << "ok" << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on Cancel") << "cancel" << int(Qt::Key_Return) << false;
        QTest::newRow("Esc on Cancel") << "cancel" << int(Qt::Key_Escape) << false;
    }

    void keys()
    {
        QFETCH(QString, where);
        QFETCH(int, key);
        QFETCH(bool, confirms);
        DialogFixture f;
        f.startDialogs();
        const QByteArray before = f.folder.bytes(zaman);
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(0);
        open.show();
        QVERIFY(QTest::qWaitForWindowActive(&open));
        const QHash<QString, QWidget *> targets = {{"name", open.nameField()},
                                                   {"hour", open.hourField()->field()},
                                                   {"ok", open.okButton()},
                                                   {"cancel", open.cancelButton()}};
        QWidget *target = targets.value(where);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!open.isVisible());
        QCOMPARE(open.result(), confirms ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(f.folder.bytes(zaman) != before, confirms);
    }

    void emptyNameOpensTheTable()
    {
        DialogFixture f;
        f.startDialogs();
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(5);
        open.show();
        open.nameField()->clear();
        open.accept();
        QCOMPARE(f.record(5)[0], QString());
        QVERIFY(f.board->slot(5).isOpenState());
    }

    void namesAreLimitedToWhatTheFilesHold()
    {
        DialogFixture f;
        f.startDialogs();
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(0);
        open.nameField()->clear();
        open.nameField()->insert(QStringLiteral("Çağlar"));
        open.nameField()->insert(QStringLiteral(" ☕"));
        QCOMPARE(open.nameField()->text(), QStringLiteral("Çağlar"));
        open.nameField()->insert(QStringLiteral(" and friends"));
        QCOMPARE(open.nameField()->text(), QStringLiteral("Çağlar and frie"));
        QCOMPARE(f.platform.notices.size(), 1);
        QVERIFY(f.platform.notices.first().contains(QStringLiteral("☕")));

        // A pasted line break would split the record over two lines of zaman.dat.
        open.nameField()->setText(QStringLiteral("Ali"));
        open.nameField()->insert(QStringLiteral("\r\nVeli"));
        QCOMPARE(open.nameField()->text(), QStringLiteral("Ali"));
        QCOMPARE(f.platform.notices.size(), 2);
        QVERIFY(f.platform.notices.last().contains(QStringLiteral("Line breaks")));
    }

    void openingReportsAnUnwritableFileAndStaysOpen()
    {
        DialogFixture f;
        f.startDialogs();
        OpenTableDialog &open = f.dialogs->openDialog();
        open.prepare(0);
        open.show();
        QFile::remove(f.folder.file(zaman));
        open.accept();
        QVERIFY(open.isVisible());
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().contains(f.folder.file(zaman)));
        QVERIFY(!f.board->slot(0).isOpenState());
        QVERIFY(!QFile::exists(f.folder.file(zaman)));
    }

    void editingLoadsAndRewritesTheRecord()
    {
        DialogFixture f;
        f.folder.openTable(3, QStringLiteral("Kirveno"), QStringLiteral("21:07"),
                           QStringLiteral("05,50"));
        f.startDialogs();
        EditTableDialog &edit = f.dialogs->editDialog();
        QVERIFY(edit.prepare(3));
        edit.show();
        QCOMPARE(edit.nameField()->selectedText(), QStringLiteral("Kirveno"));
        const QStringList shown = {
            edit.hourField()->text(),          edit.minuteField()->text(),
            edit.limitWholeField()->text(),    edit.limitHundredthsField()->text(),
            edit.additionWholeField()->text(), edit.additionHundredthsField()->text()};
        QCOMPARE(shown, (QStringList{"21", "07", "05", "50", "00", "00"}));
        const QByteArray before = f.folder.bytes(zaman);
        QTest::keyClick(edit.nameField(), Qt::Key_Return);
        QCOMPARE(f.folder.bytes(zaman), before);

        QVERIFY(edit.prepare(3));
        click(edit.additionHundredthsField()->upArrow(), 50);
        click(edit.hourField()->upArrow(), 3); // 21 -> 00
        edit.accept();
        QCOMPARE(f.record(3), (QStringList{"Kirveno", "00:07", "05,50", "00,50"}));
        QCOMPARE(f.field(3, 1), QStringLiteral("00:07"));
        QVERIFY(f.board->slot(3).isOpenState());
    }

    // A name the field would refuse from the keyboard (a hand-edited tab) is loaded as stored,
    // not replaced by the name of the session edited before.
    void editingKeepsAStoredNameAsItIs()
    {
        DialogFixture f;
        f.folder.openTable(1, QStringLiteral("Ali"), QStringLiteral("10:00"));
        f.folder.openTable(2, QStringLiteral("Veli\tand co"), QStringLiteral("10:30"));
        f.startDialogs();
        EditTableDialog &edit = f.dialogs->editDialog();
        QVERIFY(edit.prepare(1));
        QVERIFY(edit.prepare(2));
        QCOMPARE(edit.nameField()->text(), QStringLiteral("Veli\tand co"));
        edit.accept();
        QCOMPARE(f.record(2)[0], QStringLiteral("Veli\tand co"));
        QVERIFY(f.platform.notices.isEmpty());
    }

    void removingTheLimitEmptiesTheRemainingTime()
    {
        DialogFixture f;
        f.folder.openTable(1, QStringLiteral("A"), QStringLiteral("10:00"),
                           QStringLiteral("00,01"));
        f.platform.setClock(QStringLiteral("07.12.2026 10:05"));
        f.startDialogs();
        QCOMPARE(f.field(1, 3), QStringLiteral("00:00"));
        EditTableDialog &edit = f.dialogs->editDialog();
        QVERIFY(edit.prepare(1));
        click(edit.limitHundredthsField()->downArrow());
        edit.accept();
        QCOMPARE(f.record(1)[2], QStringLiteral("0"));
        QCOMPARE(f.field(1, 3), QString());
        QCOMPARE(f.board->slot(1).nameColour(), TableSlot::NameColour::Window);
    }

    void closeTheTableHandsOverWithoutWriting()
    {
        DialogFixture f;
        f.folder.openTable(3, QStringLiteral("Stored"), QStringLiteral("21:07"));
        f.platform.setClock(QStringLiteral("07.12.2026 23:15"));
        f.startDialogs();
        const QByteArray before = f.folder.bytes(zaman);
        QTimer::singleShot(0, [&] {
            EditTableDialog &edit = f.dialogs->editDialog();
            edit.nameField()->setText(QStringLiteral("Changed"));
            edit.closeTableButton()->setFocus();
            QTest::keyClick(edit.closeTableButton(), Qt::Key_Return);
            QTimer::singleShot(0, [&] {
                CloseTableDialog &close = f.dialogs->closeDialog();
                QVERIFY(close.isVisible());
                QCOMPARE(close.nameField()->text(), QStringLiteral("Stored"));
                close.reject();
            });
        });
        f.dialogs->editTable(3);
        QCOMPARE(f.folder.bytes(zaman), before);
    }

    void closingBillsBooksAndFrees()
    {
        DialogFixture f;
        f.folder.write(gunluk, {"07.12.2026"});
        f.folder.openTable(6, QStringLiteral("Kirveno"), QStringLiteral("21:07"),
                           QStringLiteral("0"), QStringLiteral("00,50"));
        f.platform.setClock(QStringLiteral("07.12.2026 23:15"));
        f.startDialogs();
        const QStringList before = f.folder.lines(zaman);
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(6));
        close.show();
        // 128 minutes at 02,00 an hour owe 4,30; with the addition 4,80.
        QCOMPARE(close.totalField()->text(), QStringLiteral("4,80"));
        QCOMPARE(close.additionField()->text(), QStringLiteral("00,50"));
        QCOMPARE(close.finishHourField()->text(), QStringLiteral("23"));
        QCOMPARE(close.finishMinuteField()->text(), QStringLiteral("15"));
        QVERIFY(QTest::qWaitForWindowActive(&close));
        QVERIFY(close.okButton()->hasFocus());
        // The bill is that of the moment the dialog came up.
        f.setClock(QStringLiteral("07.12.2026 23:45"));
        QTest::keyClick(close.okButton(), Qt::Key_Return);
        QVERIFY(!close.isVisible());
        QCOMPARE(f.folder.lines(gunluk),
                 (QStringList{"07.12.2026", "Kirveno        21:07 ---- 23:15 ---- 04,80-"}));
        const QStringList after = f.folder.lines(zaman);
        for (int i = 0; i < 120; ++i)
            QCOMPARE(after[i], i >= 24 && i < 28 ? QStringLiteral("0") : before[i]);
        QCOMPARE(f.platform.sounds, QStringList{f.folder.file(QStringLiteral("yazarkasa01.wav"))});
        QCOMPARE(f.row(6), (QStringList{"", "", "", "", ""}));
        QVERIFY(!f.board->slot(6).isOpenState());
    }

    // Printing the receipt books nothing and changes nothing: the dialog stays open, and Enter
    // and Esc then confirm and cancel as ever, wherever the focus is (the Print button never
    // takes Enter). The paper chosen is the page printed on.
    void printingLeavesTheClosingAsItWas_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<qreal>("pageWidth");
        QTest::newRow("80 mm, then Enter") << 0 << true << "" << int(Qt::Key_Return) << 80.0;
        QTest::newRow("58 mm, then Esc") << 1 << true << "" << int(Qt::Key_Escape) << 58.0;
        QTest::newRow("A4, Enter on Print") << 2 << true << "print" << int(Qt::Key_Return) << 210.0;
        QTest::newRow("Enter in the paper list")
            << 1 << true << "paper" << int(Qt::Key_Return) << 58.0;
        QTest::newRow("Esc in the paper list")
            << 0 << true << "paper" << int(Qt::Key_Escape) << 80.0;
        QTest::newRow("print dialog cancelled") << 0 << false << "" << int(Qt::Key_Return) << 80.0;
    }

    void printingLeavesTheClosingAsItWas()
    {
        QFETCH(int, paper);
        QFETCH(bool, printed);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(qreal, pageWidth);
        DialogFixture f;
        f.folder.write(gunluk, {"07.12.2026"});
        f.folder.openTable(6, QStringLiteral("Kirveno"), QStringLiteral("21:07"),
                           QStringLiteral("0"), QStringLiteral("00,50"));
        f.platform.setClock(QStringLiteral("07.12.2026 23:15"));
        f.startDialogs();
        const QByteArray zamanBefore = f.folder.bytes(zaman);
        const QByteArray gunlukBefore = f.folder.bytes(gunluk);
        const QString pdf = f.folder.file(QStringLiteral("receipt.pdf"));
        f.platform.printDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return printed;
        };
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(6));
        close.show();
        QVERIFY(QTest::qWaitForWindowActive(&close));
        close.paperField()->setCurrentIndex(paper);
        QTest::mouseClick(close.printButton(), Qt::LeftButton);

        if (printed) {
            // The page's width in points, as the PDF file states it.
            const auto mediaBox =
                QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+))"))
                    .match(QString::fromLatin1(f.folder.bytes(QStringLiteral("receipt.pdf"))));
            QVERIFY(mediaBox.hasMatch());
            QCOMPARE(qRound(mediaBox.captured(1).toDouble() * 25.4 / 72), qRound(pageWidth));
        } else {
            QVERIFY(!QFileInfo::exists(pdf));
        }
        QVERIFY(close.isVisible());
        QCOMPARE(f.folder.bytes(zaman), zamanBefore);
        QCOMPARE(f.folder.bytes(gunluk), gunlukBefore);
        QCOMPARE(close.totalField()->text(), QStringLiteral("4,80"));
        QCOMPARE(close.finishMinuteField()->text(), QStringLiteral("15"));
        QVERIFY(f.board->slot(6).isOpenState());
        QVERIFY(f.platform.sounds.isEmpty());
        QVERIFY(f.platform.errors.isEmpty());
        QVERIFY(close.okButton()->hasFocus());
        QVERIFY(!close.printButton()->isDefault());

        const QHash<QString, QWidget *> targets = {
            {"print", close.printButton()}, {"paper", close.paperField()}, {"", close.okButton()}};
        QWidget *target = targets.value(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!close.isVisible());
        if (key == Qt::Key_Return) {
            QCOMPARE(f.folder.lines(gunluk),
                     (QStringList{"07.12.2026", "Kirveno        21:07 ---- 23:15 ---- 04,80-"}));
        } else {
            QCOMPARE(f.folder.bytes(zaman), zamanBefore);
            QCOMPARE(f.folder.bytes(gunluk), gunlukBefore);
        }
    }

    void aReceiptThatCannotBePrintedIsReported()
    {
        DialogFixture f;
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"));
        f.startDialogs();
        const QByteArray zamanBefore = f.folder.bytes(zaman);
        const QString pdf = f.folder.file(QStringLiteral("no such folder/receipt.pdf"));
        f.platform.printDialog = [&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(0));
        close.show();
        QTest::mouseClick(close.printButton(), Qt::LeftButton);
        QCOMPARE(f.platform.errors,
                 QStringList{QStringLiteral("The receipt could not be printed on %1.").arg(pdf)});
        QVERIFY(close.isVisible());
        QCOMPARE(f.folder.bytes(zaman), zamanBefore);
    }

    void closingWithSoundOffAndCancelling()
    {
        DialogFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Sound, QStringLiteral("0"));
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"));
        f.startDialogs();
        CloseTableDialog &close = f.dialogs->closeDialog();
        const QByteArray zamanBefore = f.folder.bytes(zaman);
        const QByteArray gunlukBefore = f.folder.bytes(gunluk);
        QVERIFY(close.prepare(0));
        close.show();
        QTest::keyClick(close.okButton(), Qt::Key_Escape);
        QCOMPARE(f.folder.bytes(zaman), zamanBefore);
        QCOMPARE(f.folder.bytes(gunluk), gunlukBefore);
        QVERIFY(f.board->slot(0).isOpenState());

        QVERIFY(close.prepare(0));
        close.accept();
        QVERIFY(f.platform.sounds.isEmpty());
        QVERIFY(!f.board->slot(0).isOpenState());
    }

    // The program's own messages come in the café's language too.
    void closingBooksOnlyAnOpenTable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("notice");
        QTest::newRow("english") << "english"
                                 << "Table 1 is not open any more; nothing was booked.";
        QTest::newRow("turkish") << "turkish"
                                 << "1 numaralı masa artık açık değil; hiçbir şey kaydedilmedi.";
    }

    void closingBooksOnlyAnOpenTable()
    {
        QFETCH(QString, language);
        QFETCH(QString, notice);
        DialogFixture f;
        f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::Language, language);
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"));
        f.startDialogs();
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(0));
        close.show();
        f.folder.openTable(0, QStringLiteral("0"), QStringLiteral("0")); // closed meanwhile
        const QByteArray gunlukBefore = f.folder.bytes(gunluk);
        close.accept();
        QCOMPARE(f.folder.bytes(gunluk), gunlukBefore);
        QCOMPARE(f.platform.notices, QStringList{notice});
        QVERIFY(f.platform.sounds.isEmpty());
        QVERIFY(!close.isVisible());
        QVERIFY(!f.board->slot(0).isOpenState());
    }

    // The daily ledger is written, then zaman.dat fails: the booking is taken back and the table
    // stays open, so that confirming again books the session once.
    void aTableThatCouldNotBeFreedIsNotBooked()
    {
        DialogFixture f;
        f.folder.write(gunluk, {"07.12.2026"});
        for (int table = 0; table < 30; ++table)
            f.folder.openTable(table, QStringLiteral("A long name %1").arg(table),
                               QStringLiteral("10:00"));
        f.platform.setClock(QStringLiteral("07.12.2026 11:00"));
        f.startDialogs();
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(0));
        close.show();

        setWriteStepHook([](WriteStep step, const QString &path) {
            return step == WriteStep::Rename && path.endsWith(QStringLiteral("zaman.dat"));
        });
        close.accept();
        setWriteStepHook(nullptr);

        QVERIFY(close.isVisible());
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().contains(f.folder.file(zaman)));
        QCOMPARE(f.folder.lines(gunluk), QStringList{"07.12.2026"});
        QVERIFY(f.board->slot(0).isOpenState());

        close.accept();
        QVERIFY(!close.isVisible());
        QCOMPARE(f.folder.lines(gunluk).size(), 2);
        QCOMPARE(f.record(0), QStringList(4, QStringLiteral("0")));
        QVERIFY(!f.board->slot(0).isOpenState());
    }

    void aFailedRollOverLeavesTheTableOpen()
    {
        DialogFixture f;
        f.folder.write(gunluk, {"06.12.2026", "A              10:00 ---- 11:00 ---- 5x,50-"});
        f.folder.openTable(0, QStringLiteral("A"), QStringLiteral("10:00"));
        f.startDialogs();
        CloseTableDialog &close = f.dialogs->closeDialog();
        QVERIFY(close.prepare(0));
        close.show();
        const QByteArray zamanBefore = f.folder.bytes(zaman);
        close.accept();
        QVERIFY(close.isVisible());
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().contains(QStringLiteral("5x,50")));
        QCOMPARE(f.folder.bytes(zaman), zamanBefore);
        QVERIFY(f.board->slot(0).isOpenState());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
