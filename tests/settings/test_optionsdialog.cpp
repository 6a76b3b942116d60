#include "settings/optionsdialog.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"
#include "widgets/arrowfield.h"
#include "widgets/layout.h"
#include "widgets/storedtextfield.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString ayar = QStringLiteral("ayar.dat");
const QString question = QStringLiteral("Information | New settings will done. Accept ?");

// A board with the options window over a settings file with known business lines.
struct OptionsFixture : BoardFixture
{
    explicit OptionsFixture(const QStringList &businessLines = {"Çay Ocağı", "10", "00,75", "01,99",
                                                                "1"})
    {
        for (int line = 0; line < businessLines.size(); ++line)
            folder.setLine(ayar, line, businessLines[line]);
        folder.setLine(ayar, SettingsLine::FirstStart, QStringLiteral("1"));
        start();
        dialog = new OptionsDialog(state, *board);
    }

    QStringList shownFields() const
    {
        return {dialog->nameField()->text(),
                dialog->tableArrows()->text(),
                dialog->priceWholeArrows()->text(),
                dialog->priceHundredthsArrows()->text(),
                dialog->minimumWholeArrows()->text(),
                dialog->minimumHundredthsArrows()->text(),
                dialog->soundBox()->isChecked() ? "on" : "off"};
    }

    OptionsDialog *dialog; // a child of the board
};

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QWidget *entry, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

using Edit = void (*)(OptionsDialog &);

QImage pictureImage(const char *name)
{
    return picture(QString::fromLatin1(name)).toImage();
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestOptionsDialog : public QObject
{
    Q_OBJECT

private slots:
    // What OK finds changed, against a file of "Çay Ocağı", 10, 00,75, 01,99 and sound on.
    void okSavesOnlyAChange_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("saved"); // empty: nothing changed, no question

        QTest::newRow("nothing changed") << Edit([](OptionsDialog &) {}) << QStringList();
        QTest::newRow("a table more and back again") << Edit([](OptionsDialog &d) {
            click(d.tableArrows()->upArrow());
            click(d.tableArrows()->downArrow());
        }) << QStringList();
        QTest::newRow("only the sound switch")
            << Edit([](OptionsDialog &d) { click(d.soundBox()); })
            << QStringList{"Çay Ocağı", "10", "00,75", "01,99", "0"};
        QTest::newRow("the hourly price down from 00")
            << Edit([](OptionsDialog &d) { click(d.priceWholeArrows()->downArrow()); })
            << QStringList{"Çay Ocağı", "10", "99,75", "01,99", "1"};
        QTest::newRow("the minimum charge's hundredths up from 99")
            << Edit([](OptionsDialog &d) { click(d.minimumHundredthsArrows()->upArrow()); })
            << QStringList{"Çay Ocağı", "10", "00,75", "01,00", "1"};
        QTest::newRow("a table more, with the Up key")
            << Edit([](OptionsDialog &d) { QTest::keyClick(d.tableArrows()->field(), Qt::Key_Up); })
            << QStringList{"Çay Ocağı", "11", "00,75", "01,99", "1"};
        QTest::newRow("a name of 16 characters keeps 15") << Edit([](OptionsDialog &d) {
            d.nameField()->selectAll();
            type(d.nameField(), QStringLiteral("Şirin Kahve Evim"));
        }) << QStringList{"Şirin Kahve Evi", "10", "00,75", "01,99", "1"};
    }

    void okSavesOnlyAChange()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, saved);
        OptionsFixture f;
        f.board->show();
        const QStringList before = f.folder.lines(ayar);
        const QByteArray beforeBytes = f.folder.bytes(ayar);
        f.platform.answers = {true};
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            edit(*f.dialog);
            // Changed on disk while the window is open: the save must keep it.
            f.folder.setLine(ayar, SettingsLine::Language, QStringLiteral("turkish"));
            QTest::keyClick(f.dialog->nameField(), Qt::Key_Return);
            QVERIFY(!f.dialog->isVisible());
        });
        f.dialog->ask();
        if (saved.isEmpty()) {
            QCOMPARE(f.platform.questions, QStringList());
            QCOMPARE(f.folder.lines(ayar).mid(0, SettingsLine::Language),
                     before.mid(0, SettingsLine::Language));
            QCOMPARE(f.platform.restarts, 0);
            QVERIFY(f.board->isVisible());
            return;
        }
        QCOMPARE(f.platform.questions, QStringList{question});
        QCOMPARE(f.platform.lastIcon, QuestionIcon::Question);
        QStringList expected = before;
        std::copy(saved.cbegin(), saved.cend(), expected.begin());
        expected[SettingsLine::Language] = QStringLiteral("turkish");
        QCOMPARE(f.folder.lines(ayar), expected);
        QVERIFY(f.folder.bytes(ayar) != beforeBytes);
        QCOMPARE(f.platform.restarts, 1);
        // The new process keeps the folder this one was started with.
        QCOMPARE(f.platform.restartFolder, f.folder.path());
        QVERIFY(!f.board->isVisible());
    }

    // The table count stops at 6 and at 30, and is saved without a leading zero.
    void theTableCountStopsAtItsEnds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("saved"); // empty: nothing changed
        QTest::newRow("down from 6") << "6" << false << "";
        QTest::newRow("up from 30") << "30" << true << "";
        QTest::newRow("up from 29") << "29" << true << "30";
        QTest::newRow("down from 8") << "8" << false << "6";
    }

    void theTableCountStopsAtItsEnds()
    {
        QFETCH(QString, stored);
        QFETCH(bool, up);
        QFETCH(QString, saved);
        OptionsFixture f({"Kahve", stored});
        f.platform.answers = {true};
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            QToolButton *arrow =
                up ? f.dialog->tableArrows()->upArrow() : f.dialog->tableArrows()->downArrow();
            click(arrow);
            click(arrow);
            click(f.dialog->okButton());
        });
        f.dialog->ask();
        QCOMPARE(f.platform.questions.size(), saved.isEmpty() ? 0 : 1);
        QCOMPARE(f.folder.lines(ayar)[SettingsLine::TableCount], saved.isEmpty() ? stored : saved);
    }

    // No keeps the file as it is; the next showing shows the file's values, not the edits.
    void noDiscardsTheEdits()
    {
        OptionsFixture f;
        const QByteArray before = f.folder.bytes(ayar);
        QStringList atFirstShowing;
        f.platform.answers = {false};
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            atFirstShowing = f.shownFields();
            QCOMPARE(f.dialog->focusWidget(), f.dialog->nameField());
            type(f.dialog->nameField(), QStringLiteral("x"));
            click(f.dialog->tableArrows()->upArrow());
            click(f.dialog->priceWholeArrows()->downArrow());
            click(f.dialog->minimumHundredthsArrows()->upArrow());
            click(f.dialog->soundBox());
            click(f.dialog->okButton());
            QVERIFY(!f.dialog->isVisible());
        });
        f.dialog->ask();
        QCOMPARE(atFirstShowing, (QStringList{"Çay Ocağı", "10", "00", "75", "01", "99", "on"}));
        QCOMPARE(f.platform.questions, QStringList{question});
        QCOMPARE(f.folder.bytes(ayar), before);
        QCOMPARE(f.platform.restarts, 0);

        QStringList atNextShowing;
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            atNextShowing = f.shownFields();
        });
        f.dialog->ask();
        QCOMPARE(atNextShowing, atFirstShowing);
    }

    // Enter confirms from the fields and the check box; Esc cancels; on Cancel both cancel.
    void theKeys_data()
    {
        QTest::addColumn<int>("target"); // 0 name, 1 tables, 2 price, 3 sound, 4 Cancel
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("asks");
        QTest::newRow("Enter in the name") << 0 << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in the table count") << 1 << int(Qt::Key_Enter) << true;
        QTest::newRow("Enter in the price") << 2 << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in the sound switch") << 3 << int(Qt::Key_Return) << true;
        QTest::newRow("Esc in the name") << 0 << int(Qt::Key_Escape) << false;
        QTest::newRow("Esc in the sound switch") << 3 << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter on Cancel") << 4 << int(Qt::Key_Return) << false;
        QTest::newRow("Esc on Cancel") << 4 << int(Qt::Key_Escape) << false;
    }

    void theKeys()
    {
        QFETCH(int, target);
        QFETCH(int, key);
        QFETCH(bool, asks);
        OptionsFixture f;
        const QByteArray before = f.folder.bytes(ayar);
        f.platform.answers = {true};
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            click(f.dialog->soundBox());
            QWidget *const targets[] = {f.dialog->nameField(), f.dialog->tableArrows()->field(),
                                        f.dialog->priceWholeArrows()->field(), f.dialog->soundBox(),
                                        f.dialog->cancelButton()};
            targets[target]->setFocus();
            QTest::keyClick(targets[target], Qt::Key(key));
            QVERIFY(!f.dialog->isVisible());
        });
        f.dialog->ask();
        QCOMPARE(f.platform.questions.size(), asks ? 1 : 0);
        QCOMPARE(f.folder.bytes(ayar) == before, !asks);
    }

    void theSoundPictureFollowsTheSwitch()
    {
        OptionsFixture f;
        QImage ticked;
        QImage cleared;
        f.whileOpen([&](QDialog &open) {
            QCOMPARE(&open, static_cast<QDialog *>(f.dialog));
            ticked = f.dialog->soundPicture()->pixmap().toImage();
            click(f.dialog->soundBox());
            cleared = f.dialog->soundPicture()->pixmap().toImage();
        });
        f.dialog->ask();
        QCOMPARE(ticked, pictureImage("sound-on"));
        QCOMPARE(cleared, pictureImage("sound-off"));
        QVERIFY(ticked != cleared);
    }

    // A file the window cannot read opens nothing and says which line is wrong.
    void aDamagedFileOpensNothing()
    {
        OptionsFixture f;
        f.folder.setLine(ayar, SettingsLine::HourlyPrice, QStringLiteral("2.50"));
        bool shown = false;
        QTimer::singleShot(0, f.board.get(), [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                shown = true;
                dialog->close();
            }
        });
        f.dialog->ask();
        QCoreApplication::processEvents();
        QVERIFY(!shown);
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().contains(QStringLiteral("ayar.dat")));
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
