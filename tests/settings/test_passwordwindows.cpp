#include "settings/passwordwindows.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"
#include "widgets/storedtextfield.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString ayar = QStringLiteral("ayar.dat");

// A board with the password windows; plain windows stand for the reports and the loans window.
struct PasswordFixture : BoardFixture
{
    explicit PasswordFixture(const QString &password = QString())
    {
        setStoredPassword(password);
        folder.setLine(ayar, SettingsLine::FirstStart, QStringLiteral("1"));
        start();
        reports.setWindowTitle(QStringLiteral("reports"));
        loans.setWindowTitle(QStringLiteral("loans"));
        windows = std::make_unique<PasswordWindows>(
            state, *board, [this]() -> QWidget & { return reports; },
            [this]() -> QWidget & { return loans; });
    }

    void setStoredPassword(const QString &password) const
    {
        SettingsFile settings = SettingsFile::load(folder.file(ayar));
        settings.setPassword(password, passwordRandom());
        settings.save(folder.file(ayar));
    }

    QString decodedPassword() const { return SettingsFile::load(folder.file(ayar)).password(); }

    QWidget reports;
    QWidget loans;
    std::unique_ptr<PasswordWindows> windows;
};

// Types the text as keys; letters beyond ASCII come as the text of their key events.
void type(QWidget *entry, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, entry, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

const QString incorrect =
    QString(14, QLatin1Char(' ')) + QStringLiteral("Incorrect password") + QString(13, ' ');

} // namespace

class TestPasswordWindows : public QObject
{
    Q_OBJECT

private slots:
    void thePromptComparesExactly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("no password, empty entry") << ""
                                                  << "" << true;
        QTest::newRow("no password, some entry") << ""
                                                 << "x" << false;
        QTest::newRow("right") << "abc"
                               << "abc" << true;
        QTest::newRow("letter case counts") << "abc"
                                            << "ABC" << false;
        QTest::newRow("empty entry") << "abc"
                                     << "" << false;
        QTest::newRow("a blank more") << "abc"
                                      << "abc " << false;
        QTest::newRow("eight characters above 127") << "ĞüşİçöÇ1"
                                                    << "ĞüşİçöÇ1" << true;
    }

    void thePromptComparesExactly()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        PasswordFixture f(stored);
        PasswordPrompt &prompt = f.windows->prompt();
        f.whileOpen([&](QDialog &) {
            type(prompt.entry(), typed);
            QTest::keyClick(prompt.entry(), Qt::Key_Return);
        });
        f.windows->openGuarded(QStringLiteral("4"));
        QCOMPARE(f.reports.isVisible(), opens);
        QCOMPARE(f.platform.notices, opens ? QStringList() : QStringList{incorrect});
        QVERIFY(!f.loans.isVisible());
    }

    void theTargetCodeChoosesTheWindow_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("reports");
        QTest::newRow("4 opens the reports") << "4" << true;
        QTest::newRow("7 opens the loans") << "7" << false;
        QTest::newRow("any other code opens the loans") << "x" << false;
    }

    void theTargetCodeChoosesTheWindow()
    {
        QFETCH(QString, code);
        QFETCH(bool, reports);
        PasswordFixture f;
        f.whileOpen([](QDialog &prompt) { QTest::keyClick(&prompt, Qt::Key_Return); });
        f.windows->openGuarded(code);
        QCOMPARE(f.reports.isVisible(), reports);
        QCOMPARE(f.loans.isVisible(), !reports);
    }

    // A wrong try keeps the prompt open with the text typed; the next showing starts empty.
    void aWrongTryKeepsTheEntryUntilTheNextShowing()
    {
        PasswordFixture f(QStringLiteral("secret"));
        PasswordPrompt &prompt = f.windows->prompt();
        QString kept;
        f.whileOpen([&](QDialog &dialog) {
            type(prompt.entry(), QStringLiteral("guess"));
            QTest::mouseClick(prompt.okButton(), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            kept = prompt.entry()->text();
            QCOMPARE(prompt.entry()->displayText(), QStringLiteral("*****"));
        });
        f.windows->openGuarded(QStringLiteral("7"));
        QCOMPARE(kept, QStringLiteral("guess"));
        QCOMPARE(f.platform.notices, QStringList{incorrect});

        QString atNextShowing = QStringLiteral("?");
        f.whileOpen([&](QDialog &) { atNextShowing = prompt.entry()->text(); });
        f.windows->openGuarded(QStringLiteral("7"));
        QCOMPARE(atNextShowing, QString());
        QVERIFY(!f.loans.isVisible());
    }

    void theEntryTakesEightCharacters()
    {
        PasswordFixture f;
        type(f.windows->prompt().entry(), QStringLiteral("123456789"));
        QCOMPARE(f.windows->prompt().entry()->text(), QStringLiteral("12345678"));
    }

    // A damaged file never lets anyone in, and says where it is damaged.
    void damagedPasswordLinesOpenNothing()
    {
        PasswordFixture f;
        f.folder.setLine(ayar, SettingsLine::PasswordLength, QStringLiteral("9x"));
        bool shown = false;
        QTimer::singleShot(0, f.board.get(), [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                shown = true;
                dialog->close();
            }
        });
        f.windows->openGuarded(QStringLiteral("4"));
        f.windows->changePassword();
        QCoreApplication::processEvents();
        QVERIFY(!shown);
        QVERIFY(!f.reports.isVisible());
        QCOMPARE(f.platform.errors.size(), 2);
        QVERIFY(f.platform.errors.first().contains(QStringLiteral("ayar.dat")));
        QVERIFY(f.platform.errors.first().contains(QStringLiteral("Line 14 holds \"9x\"")));
    }

    // The checks come in their order: the repeated entry first, then the old password, then
    // the question; each stops the change with nothing written and the entries kept.
    void theChangeChecksInOrder_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<int>("questions");
        QTest::newRow("differing entries and a wrong old password")
            << "wrong"
            << "other" << true << QStringList{"Password verification failed"} << 0;
        QTest::newRow("wrong old password")
            << "wrong"
            << "new1" << true << QStringList{"Old password is wrong. Check please!"} << 0;
        QTest::newRow("answered No") << "old1"
                                     << "new1" << false << QStringList() << 1;
    }

    void theChangeChecksInOrder()
    {
        QFETCH(QString, old);
        QFETCH(QString, repeated);
        QFETCH(bool, yes);
        QFETCH(QStringList, notices);
        QFETCH(int, questions);
        PasswordFixture f(QStringLiteral("old1"));
        const QByteArray before = f.folder.bytes(ayar);
        PasswordChangeDialog &change = f.windows->changeDialog();
        f.platform.answers = {yes};
        f.whileOpen([&](QDialog &dialog) {
            type(change.oldEntry(), old);
            type(change.newEntry(), QStringLiteral("new1"));
            type(change.repeatedEntry(), repeated);
            QTest::keyClick(change.repeatedEntry(), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
        });
        f.windows->changePassword();
        QCOMPARE(f.platform.notices, notices);
        QCOMPARE(f.platform.questions.size(), questions);
        QCOMPARE(f.folder.bytes(ayar), before);
        QCOMPARE(f.platform.restarts, 0);
        // The entries are not cleared between showings.
        QCOMPARE(change.oldEntry()->text(), old);
        QCOMPARE(change.repeatedEntry()->text(), repeated);
    }

    void aConfirmedChangeIsStoredAndRestarts_data()
    {
        QTest::addColumn<QString>("newPassword");
        QTest::newRow("eight characters above 127") << "ŞİĞÜöçı9";
        QTest::newRow("both entries empty remove the password") << "";
    }

    void aConfirmedChangeIsStoredAndRestarts()
    {
        QFETCH(QString, newPassword);
        PasswordFixture f(QStringLiteral("old1"));
        f.board->show();
        // Changed on disk after the start: the change must keep what the file holds now.
        f.folder.setLine(ayar, SettingsLine::Language, QStringLiteral("turkish"));
        const QStringList before = f.folder.lines(ayar);
        PasswordChangeDialog &change = f.windows->changeDialog();
        f.platform.answers = {true};
        f.whileOpen([&](QDialog &) {
            type(change.oldEntry(), QStringLiteral("old1"));
            type(change.newEntry(), newPassword);
            type(change.repeatedEntry(), newPassword);
            QTest::mouseClick(change.okButton(), Qt::LeftButton);
        });
        f.windows->changePassword();
        QCOMPARE(f.platform.questions, QStringList{"Information | Password will change. Accept?"});
        QCOMPARE(f.platform.lastIcon, QuestionIcon::Question);
        QCOMPARE(f.decodedPassword(), newPassword);
        const QStringList after = f.folder.lines(ayar);
        QCOMPARE(after.size(), before.size());
        for (int line = 0; line < after.size(); ++line) {
            if (line < SettingsLine::PasswordFirst || line > SettingsLine::Filler)
                QCOMPARE(after[line], before[line]);
        }
        QCOMPARE(f.platform.restarts, 1);
        QVERIFY(!f.board->isVisible());
    }
};

QTEST_MAIN(TestPasswordWindows)
#include "test_passwordwindows.moc"
