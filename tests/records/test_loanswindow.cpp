#include "records/loanswindow.h"
#include "storage/atomicfile.h"
#include "support/boardfixture.h"
#include "widgets/arrowfield.h"
#include "widgets/storedtextfield.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString borc = QStringLiteral("borc.dat");
const QByteArray header = "Kirveno LT loans\r\n";

// Loans "Person 0" to "Person n-1"; loan k owes k,05 and has the note "note k".
QStringList loanLines(int count)
{
    QStringList lines{QString::fromLatin1(header.trimmed())};
    for (int k = 0; k < count; ++k)
        lines << QStringLiteral("Person %1").arg(k) << QStringLiteral("0%1,05").arg(k)
              << QStringLiteral("note %1").arg(k);
    return lines;
}

// QTest::keyClicks passes Latin-1 only.
void typeInto(QWidget *field, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A board and its loans window, the window shown and activated as the password prompt leaves
// it.
struct LoansFixture : BoardFixture
{
    LoansWindow *window = nullptr;

    explicit LoansFixture(int loans = -1)
    {
        if (loans >= 0)
            folder.write(borc, loanLines(loans));
        start();
        window = new LoansWindow(state, board.get());
    }

    bool show()
    {
        window->show();
        window->activateWindow();
        const bool active = QTest::qWaitForWindowActive(window);
        QCoreApplication::processEvents(); // the activation that the showing asked for
        return active;
    }

    QStringList visibleButtons() const
    {
        QStringList shown;
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            if (button->isVisible())
                shown.append(button->text().trimmed());
        }
        return shown;
    }

    // Name, whole part, hundredths and note as the window shows them.
    QStringList fields() const
    {
        return {window->nameField()->text(), window->wholeArrows()->text(),
                window->hundredthsArrows()->text(), window->noteField()->text()};
    }

    bool fieldsReadOnly() const
    {
        return window->nameField()->isReadOnly() && window->noteField()->isReadOnly();
    }
    bool fieldsEditable() const
    {
        return !window->nameField()->isReadOnly() && !window->noteField()->isReadOnly();
    }

    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < window->loanList()->count(); ++row)
            names.append(window->loanList()->item(row)->text());
        return names;
    }

    void choose(int row) const
    {
        QListWidget *list = window->loanList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    void click(QPushButton *button) const { QTest::mouseClick(button, Qt::LeftButton); }

    // Replaces the text of a field as the operator does: select all, type.
    void type(QLineEdit *field, const QString &text) const
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        typeInto(field, text);
    }
};

void step(ArrowField *arrows, int times)
{
    for (int i = 0; i < std::abs(times); ++i)
        QTest::mouseClick(times > 0 ? arrows->upArrow() : arrows->downArrow(), Qt::LeftButton);
}

} // namespace

class TestLoansWindow : public QObject
{
    Q_OBJECT

private slots:
    void modesShowTheirButtons()
    {
        LoansFixture f(2);
        QVERIFY(f.show());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Loans"));
        const QStringList view{"Add", "Edit", "Remove", "Close"};
        QCOMPARE(f.visibleButtons(), view);
        QVERIFY(f.fieldsReadOnly());
        QVERIFY(f.window->closeButton()->hasFocus());
        QCOMPARE(f.fields(), (QStringList{"Person 0", "00", "05", "note 0"}));

        f.click(f.window->addButton());
        QCOMPARE(f.visibleButtons(), (QStringList{"Ok", "Cancel", "Close"}));
        QVERIFY(f.fieldsEditable());
        QCOMPARE(f.fields(), (QStringList{"", "00", "00", ""}));
        QVERIFY(f.window->nameField()->hasFocus());

        // Cancel shows the selected loan again, over what was typed.
        f.type(f.window->nameField(), QStringLiteral("Typed"));
        f.click(f.window->cancelButton());
        QCOMPARE(f.visibleButtons(), view);
        QVERIFY(f.fieldsReadOnly());
        QCOMPARE(f.fields(), (QStringList{"Person 0", "00", "05", "note 0"}));

        f.choose(1);
        f.click(f.window->editButton());
        QCOMPARE(f.visibleButtons(), (QStringList{"Ok", "Cancel", "Close"}));
        QVERIFY(f.fieldsEditable());
        QCOMPARE(f.fields(), (QStringList{"Person 1", "01", "05", "note 1"}));
        f.click(f.window->cancelButton());
        QCOMPARE(f.visibleButtons(), view);
        QCOMPARE(f.window->loanList()->currentRow(), 1);
    }

    void arrowsStepTheAmount_data()
    {
        QTest::addColumn<bool>("hundredths");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("hundredthsShown");
        // The loan shown owes 00,05 (whole part 0, hundredths 5).
        QTest::newRow("whole up") << false << 5 << "05"
                                  << "05";
        QTest::newRow("whole stops at 99") << false << 102 << "99"
                                           << "05";
        QTest::newRow("whole stops at 00") << false << -1 << "00"
                                           << "05";
        QTest::newRow("hundredths by 5") << true << 9 << "00"
                                         << "50";
        QTest::newRow("hundredths up from 95 to 00") << true << 19 << "00"
                                                     << "00";
        QTest::newRow("hundredths down from 00 to 95") << true << -2 << "00"
                                                       << "95";
    }

    // The arrows step in every mode; only an Ok stores the amount.
    void arrowsStepTheAmount()
    {
        QFETCH(bool, hundredths);
        QFETCH(int, steps);
        QFETCH(QString, whole);
        QFETCH(QString, hundredthsShown);
        LoansFixture f(1);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        step(hundredths ? f.window->hundredthsArrows() : f.window->wholeArrows(), steps);
        QCOMPARE(f.window->wholeArrows()->text(), whole);
        QCOMPARE(f.window->hundredthsArrows()->text(), hundredthsShown);
        QCOMPARE(f.folder.bytes(borc), before);

        f.click(f.window->editButton());
        f.click(f.window->okButton());
        QCOMPARE(f.folder.lines(borc)[2], whole + ',' + hundredthsShown);
    }

    // Typed the way an operator would: Enter goes from the name to the amount and from the note
    // to Ok, the arrow keys step.
    void addingAppendsTheLoanAndSelectsIt()
    {
        LoansFixture f(2);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        f.click(f.window->addButton());
        typeInto(f.window->nameField(), QStringLiteral("Çağlar Yılmaz-Öztürk"));
        QCOMPARE(f.window->nameField()->text(), QStringLiteral("Çağlar Yılmaz-Ö"));
        QTest::keyClick(f.window->nameField(), Qt::Key_Return);
        QWidget *whole = f.window->wholeArrows()->field();
        QVERIFY(whole->hasFocus());
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(whole, Qt::Key_Up);
        QTest::keyClick(whole, Qt::Key_Tab);
        QWidget *hundredths = f.window->hundredthsArrows()->field();
        QVERIFY(hundredths->hasFocus());
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(hundredths, Qt::Key_Up);
        QTest::keyClick(hundredths, Qt::Key_Tab);
        QVERIFY(f.window->noteField()->hasFocus());
        typeInto(f.window->noteField(), QStringLiteral("☕"));
        typeInto(f.window->noteField(), QStringLiteral("çay, simit ve iki tost"));
        QTest::keyClick(f.window->noteField(), Qt::Key_Return);
        QVERIFY(f.window->okButton()->hasFocus());
        QTest::keyClick(f.window->okButton(), Qt::Key_Return);

        QCOMPARE(f.folder.bytes(borc), before
                                           + "\xC7"
                                             "a\xF0"
                                             "lar Y\xFDlmaz-\xD6\r\n05,50\r\n"
                                             "\xE7"
                                             "ay, simit ve iki to\r\n");
        QCOMPARE(f.visibleButtons(), (QStringList{"Add", "Edit", "Remove", "Close"}));
        QCOMPARE(f.listed(), (QStringList{"Person 0", "Person 1", "Çağlar Yılmaz-Ö"}));
        QCOMPARE(f.window->loanList()->currentRow(), 2);
        QCOMPARE(f.fields(), (QStringList{"Çağlar Yılmaz-Ö", "05", "50", "çay, simit ve iki to"}));
        // The code page of the file has no cup of tea.
        QCOMPARE(f.platform.notices.size(), 1);
        QVERIFY(f.platform.notices.first().contains(QStringLiteral("☕")));
    }

    void editingLoanTwoOfFiveChangesOnlyLinesSevenToNine()
    {
        LoansFixture f(5);
        QVERIFY(f.show());
        QStringList expected = f.folder.lines(borc);
        f.choose(2);
        QCOMPARE(f.fields(), (QStringList{"Person 2", "02", "05", "note 2"}));
        f.click(f.window->editButton());
        f.type(f.window->nameField(), QStringLiteral("Paid half"));
        step(f.window->wholeArrows(), -1);
        step(f.window->hundredthsArrows(), 1);
        f.type(f.window->noteField(), QString());
        f.click(f.window->okButton());

        expected[7] = QStringLiteral("Paid half");
        expected[8] = QStringLiteral("01,10");
        expected[9] = QString();
        QCOMPARE(f.folder.bytes(borc), (expected.join("\r\n") + "\r\n").toLatin1());
        QCOMPARE(f.window->loanList()->currentRow(), 2);
        QCOMPARE(f.listed()[2], QStringLiteral("Paid half"));
        QCOMPARE(f.fields(), (QStringList{"Paid half", "01", "10", ""}));
        QVERIFY(f.fieldsReadOnly());
    }

    // In add or edit mode another loan can be chosen; Ok then stores what the fields hold, in
    // edit mode over the loan chosen last.
    void choosingAnotherLoanWhileEditing()
    {
        LoansFixture f(3);
        QVERIFY(f.show());
        f.click(f.window->editButton());
        f.type(f.window->nameField(), QStringLiteral("Dropped"));
        f.choose(1);
        QCOMPARE(f.fields(), (QStringList{"Person 1", "01", "05", "note 1"}));
        QVERIFY(f.fieldsEditable());
        f.type(f.window->noteField(), QStringLiteral("changed"));
        f.click(f.window->okButton());
        QStringList expected = loanLines(3);
        expected[6] = QStringLiteral("changed");
        QCOMPARE(f.folder.lines(borc), expected);
    }

    void okNeedsAName()
    {
        LoansFixture f(1);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        f.click(f.window->addButton());
        f.click(f.window->okButton());
        f.click(f.window->cancelButton());
        f.click(f.window->editButton());
        f.type(f.window->nameField(), QString());
        f.click(f.window->okButton());
        QCOMPARE(f.platform.notices, QStringList(2, "Please fill the Name and Loan area!"));
        QCOMPARE(f.visibleButtons(), (QStringList{"Ok", "Cancel", "Close"}));
        QCOMPARE(f.folder.bytes(borc), before);
    }

    void removing_data()
    {
        QTest::addColumn<int>("loans");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("listedAfter");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("nameShown");
        QTest::newRow("the middle one")
            << 3 << 1 << true << QStringList{"Person 0", "Person 2"} << 1 << "Person 2";
        QTest::newRow("the last one")
            << 3 << 2 << true << QStringList{"Person 0", "Person 1"} << 0 << "Person 0";
        QTest::newRow("the first one")
            << 3 << 0 << true << QStringList{"Person 1", "Person 2"} << 0 << "Person 1";
        QTest::newRow("answered No")
            << 3 << 1 << false << QStringList{"Person 0", "Person 1", "Person 2"} << 1
            << "Person 1";
        QTest::newRow("the only one") << 1 << 0 << true << QStringList{""} << 0 << "";
        QTest::newRow("none") << 0 << 0 << true << QStringList{""} << 0 << "";
    }

    void removing()
    {
        QFETCH(int, loans);
        QFETCH(int, chosen);
        QFETCH(bool, yes);
        QFETCH(QStringList, listedAfter);
        QFETCH(int, selectedAfter);
        QFETCH(QString, nameShown);
        LoansFixture f(loans);
        QVERIFY(f.show());
        f.choose(chosen);
        QStringList expected = f.folder.lines(borc);
        if (yes && loans > 0)
            expected.remove(1 + 3 * chosen, 3);
        f.platform.answers.push_back(yes);
        f.click(f.window->removeButton());
        QCOMPARE(f.platform.questions,
                 QStringList{"Warning | This person's information will remove. Accept?"});
        QCOMPARE(f.platform.lastIcon, QuestionIcon::Warning);
        QCOMPARE(f.folder.lines(borc), expected);
        QCOMPARE(f.listed(), listedAfter);
        QCOMPARE(f.window->loanList()->currentRow(), selectedAfter);
        QCOMPARE(f.window->nameField()->text(), nameShown);
        if (listedAfter == QStringList{""})
            QCOMPARE(f.fields(), (QStringList{"", "00", "00", ""}));
    }

    void removingTheOnlyLoanLeavesTheHeader()
    {
        LoansFixture f(1);
        QVERIFY(f.show());
        f.platform.answers.push_back(true);
        f.click(f.window->removeButton());
        QCOMPARE(f.folder.bytes(borc), header);
        // Edit has nothing to edit.
        f.click(f.window->editButton());
        QCOMPARE(f.visibleButtons(), (QStringList{"Add", "Edit", "Remove", "Close"}));
    }

    void aWriteThatFailsKeepsTheMode()
    {
        LoansFixture f(1);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        f.click(f.window->addButton());
        f.type(f.window->nameField(), QStringLiteral("Ali"));
        setWriteStepHook([](WriteStep step, const QString &) { return step == WriteStep::Rename; });
        f.click(f.window->okButton());
        setWriteStepHook(nullptr);
        QCOMPARE(f.platform.errors.size(), 1);
        QVERIFY(f.platform.errors.first().startsWith(f.folder.file(borc)));
        QCOMPARE(f.folder.bytes(borc), before);
        QCOMPARE(f.visibleButtons(), (QStringList{"Ok", "Cancel", "Close"}));
        QCOMPARE(f.listed(), QStringList{"Person 0"});

        f.click(f.window->okButton());
        QCOMPARE(f.listed(), (QStringList{"Person 0", "Ali"}));
    }

    void closingDropsAnEditAndTheNextShowingStartsOver()
    {
        LoansFixture f(3);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        f.choose(2);
        f.click(f.window->editButton());
        f.type(f.window->nameField(), QStringLiteral("Not stored"));
        f.click(f.window->closeButton());
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.window->nameField()->text(), QString());
        QVERIFY(f.fieldsReadOnly());
        QCOMPARE(f.folder.bytes(borc), before);

        QVERIFY(f.show());
        QCOMPARE(f.visibleButtons(), (QStringList{"Add", "Edit", "Remove", "Close"}));
        QCOMPARE(f.window->loanList()->currentRow(), 0);
        QCOMPARE(f.fields(), (QStringList{"Person 0", "00", "05", "note 0"}));
    }

    // Coming back from the board re-reads the file (a restore may have written it) and drops an
    // add in progress.
    void comingBackFromTheBoardStartsOver()
    {
        LoansFixture f(1);
        f.board->show();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        QVERIFY(f.show());
        f.click(f.window->addButton());
        f.type(f.window->nameField(), QStringLiteral("Not stored"));
        f.folder.write(borc, loanLines(2));

        f.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.board.get()));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QTRY_COMPARE(f.visibleButtons(), (QStringList{"Add", "Edit", "Remove", "Close"}));
        QCOMPARE(f.listed(), (QStringList{"Person 0", "Person 1"}));
        QCOMPARE(f.window->nameField()->text(), QStringLiteral("Person 0"));
        QCOMPARE(f.folder.lines(borc), loanLines(2));
    }

    void keys_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect"); // "closes", or the control that takes the focus
        QTest::newRow("Enter in the name") << "name" << int(Qt::Key_Return) << "whole";
        QTest::newRow("keypad Enter in the note") << "note" << int(Qt::Key_Enter) << "ok";
        QTest::newRow("Esc in the name") << "name" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Esc in the note") << "note" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Esc in the list") << "list" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Esc on Ok") << "ok" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Esc on Cancel") << "cancel" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Enter on Close") << "close" << int(Qt::Key_Return) << "closes";
        QTest::newRow("Esc on Close") << "close" << int(Qt::Key_Escape) << "closes";
        QTest::newRow("Enter with no control focused")
            << "window" << int(Qt::Key_Return) << "closes";
        QTest::newRow("Enter in the list") << "list" << int(Qt::Key_Return) << "list";
    }

    // Keys in add mode: none of them writes.
    void keys()
    {
        QFETCH(QString, where);
        QFETCH(int, key);
        QFETCH(QString, effect);
        LoansFixture f(1);
        QVERIFY(f.show());
        const QByteArray before = f.folder.bytes(borc);
        f.click(f.window->addButton());
        f.type(f.window->nameField(), QStringLiteral("Typed"));
        const QHash<QString, QWidget *> controls = {{"name", f.window->nameField()},
                                                    {"note", f.window->noteField()},
                                                    {"list", f.window->loanList()},
                                                    {"ok", f.window->okButton()},
                                                    {"cancel", f.window->cancelButton()},
                                                    {"close", f.window->closeButton()},
                                                    {"whole", f.window->wholeArrows()->field()},
                                                    {"window", f.window}};
        QWidget *target = controls.value(where);
        if (target == f.window) {
            if (QWidget *focused = f.window->focusWidget())
                focused->clearFocus();
        } else {
            target->setFocus();
        }
        QTest::keyClick(target, Qt::Key(key));
        if (effect == QLatin1String("closes")) {
            QVERIFY(!f.window->isVisible());
        } else {
            QVERIFY(f.window->isVisible());
            QVERIFY(controls.value(effect)->hasFocus());
        }
        QCOMPARE(f.folder.bytes(borc), before);
    }

    void aMissingFileIsCreatedByTheFirstAdd()
    {
        LoansFixture f;
        QFile::remove(f.folder.file(borc));
        QVERIFY(f.show());
        QCOMPARE(f.platform.notices,
                 QStringList{"The loans file is not there: " + f.folder.file(borc)
                             + ". The list is empty; the first loan added creates the file."});
        QCOMPARE(f.listed(), QStringList{""});
        QCOMPARE(f.window->loanList()->currentRow(), 0);
        QVERIFY(!QFile::exists(f.folder.file(borc)));

        f.click(f.window->addButton());
        f.type(f.window->nameField(), QStringLiteral("Ali"));
        f.click(f.window->okButton());
        QCOMPARE(f.folder.bytes(borc), header + "Ali\r\n00,00\r\n\r\n");
        QCOMPARE(f.platform.notices.size(), 1);
    }

    void aDamagedFileIsShownAsSuchAndNotWritten()
    {
        LoansFixture f(3);
        f.folder.setLine(borc, 5, QStringLiteral("1,50"));
        const QByteArray before = f.folder.bytes(borc);
        QVERIFY(f.show());
        QCOMPARE(f.platform.errors,
                 QStringList{f.folder.file(borc)
                             + "\n\nLine 6 holds \"1,50\", where a loan of two digits, a comma "
                               "and two digits, such as 05,50 was expected. The file was left as "
                               "it is."});
        QCOMPARE(f.listed(), QStringList{""});
        for (QPushButton *command :
             {f.window->addButton(), f.window->editButton(), f.window->removeButton()})
            QVERIFY(!command->isEnabled());
        QTest::keyClick(f.window->closeButton(), Qt::Key_Return);
        QCOMPARE(f.folder.bytes(borc), before);

        // Mended by hand, the file is read at the next showing.
        f.folder.setLine(borc, 5, QStringLiteral("01,50"));
        QVERIFY(f.show());
        QCOMPARE(f.listed(), (QStringList{"Person 0", "Person 1", "Person 2"}));
        QVERIFY(f.window->addButton()->isEnabled());
        QCOMPARE(f.platform.errors.size(), 1);
    }
};

QTEST_MAIN(TestLoansWindow)
#include "test_loanswindow.moc"
