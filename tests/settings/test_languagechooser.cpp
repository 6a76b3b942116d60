#include "app/programwindows.h"
#include "settings/languagechooser.h"
#include "settings/languages.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString ayar = QStringLiteral("ayar.dat");

struct ChooserFixture : BoardFixture
{
    explicit ChooserFixture(const QString &firstStart = QStringLiteral("1"))
    {
        folder.setLine(ayar, SettingsLine::FirstStart, firstStart);
    }

    ProgramWindows &startWindows()
    {
        start();
        windows = std::make_unique<ProgramWindows>(state, *board);
        return *windows;
    }

    void writeLanguage(const QString &file, const QString &language, const QString &local,
                       const QString &writer) const
    {
        folder.write(QStringLiteral("language/") + file,
                     {"<?", "Program_Name=Kirveno LT", "Program_Version=1.4",
                      "Language=" + language, "Language(local)=" + local, "Translate=" + writer});
    }

    std::unique_ptr<ProgramWindows> windows;
};

QStringList rowsOf(const QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows.append(item->text(0) + '|' + item->text(1) + '|' + item->text(2));
    }
    return rows;
}

} // namespace

class TestLanguageChooser : public QObject
{
    Q_OBJECT

private slots:
    // Each row comes from one file, whatever the order of the file names.
    void theListIsSortedByLanguageName()
    {
        ChooserFixture f;
        for (const char *installed : {"english.ini", "turkish.ini"})
            QFile::remove(f.folder.file(QStringLiteral("language/") + QLatin1String(installed)));
        f.writeLanguage("a.ini", "Zulu", "isiZulu", "Z writer");
        f.writeLanguage("b.ini", "arabic", "Arabi", "A writer");
        f.writeLanguage("c.ini", "Basque", "Euskara", "B writer");
        f.folder.write(QStringLiteral("language/notes.txt"), {"Language=Klingon"});
        ProgramWindows &windows = f.startWindows();
        QStringList rows;
        f.whileOpen([&](QDialog &) { rows = rowsOf(windows.languages().languageList()); });
        windows.chooseLanguage();
        QCOMPARE(rows, (QStringList{"arabic|Arabi|A writer", "Basque|Euskara|B writer",
                                    "Zulu|isiZulu|Z writer"}));
    }

    void theInstalledLanguagesAndTheOneInForce()
    {
        ChooserFixture f;
        f.folder.setLine(ayar, SettingsLine::Language, QStringLiteral("turkish"));
        ProgramWindows &windows = f.startWindows();
        QStringList rows;
        QString chosen;
        f.whileOpen([&](QDialog &) {
            rows = rowsOf(windows.languages().languageList());
            chosen = windows.languages().chosenField()->text();
        });
        windows.chooseLanguage();
        QCOMPARE(rows, (QStringList{"English|English|Kirveno Software",
                                    "Turkish|Türkçe|Kirveno Software"}));
        QCOMPARE(chosen, QStringLiteral("Turkish"));
    }

    void oneFileOrNone_data()
    {
        QTest::addColumn<bool>("oneFile");
        QTest::newRow("one file") << true;
        QTest::newRow("no file") << false;
    }

    void oneFileOrNone()
    {
        QFETCH(bool, oneFile);
        ChooserFixture f;
        QDir(f.folder.file(QStringLiteral("language"))).removeRecursively();
        if (oneFile) {
            QDir(f.folder.path()).mkdir(QStringLiteral("language"));
            f.writeLanguage("only.ini", "Only", "Yalniz", "W");
        }
        QCOMPARE(languageFiles(f.folder.file(QStringLiteral("language/"))).size(), oneFile);
        const QByteArray before = f.folder.bytes(ayar);
        ProgramWindows &windows = f.startWindows();
        f.whileOpen([&](QDialog &dialog) {
            QCOMPARE(rowsOf(windows.languages().languageList()).size(), oneFile ? 1 : 0);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        windows.chooseLanguage();
        QVERIFY(!windows.languages().isVisible());
        QCOMPARE(f.folder.bytes(ayar), before);
        QCOMPARE(f.platform.restarts, 0);
    }

    void choosingTheLanguageInForceChangesNothing()
    {
        ChooserFixture f;
        ProgramWindows &windows = f.startWindows();
        const QByteArray before = f.folder.bytes(ayar);
        f.whileOpen(
            [&](QDialog &) { QTest::mouseClick(windows.languages().okButton(), Qt::LeftButton); });
        windows.chooseLanguage();
        QVERIFY(f.platform.questions.isEmpty());
        QCOMPARE(f.folder.bytes(ayar), before);
    }

    void aNewLanguageIsStoredAfterTheQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void aNewLanguageIsStoredAfterTheQuestion()
    {
        QFETCH(bool, yes);
        ChooserFixture f;
        ProgramWindows &windows = f.startWindows();
        f.board->show();
        // Changed on disk after the start: the choice keeps what the file holds now.
        f.folder.setLine(ayar, SettingsLine::BusinessName, QStringLiteral("Restored"));
        const QStringList before = f.folder.lines(ayar);
        LanguageChooser &chooser = windows.languages();
        f.platform.answers = {yes};
        bool stayed = false;
        f.whileOpen([&](QDialog &dialog) {
            QTreeWidget *list = chooser.languageList();
            const QRect turkish = list->visualItemRect(list->topLevelItem(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, turkish.center());
            QCOMPARE(chooser.chosenField()->text(), QStringLiteral("Turkish"));
            QTest::keyClick(chooser.okButton(), Qt::Key_Return);
            stayed = dialog.isVisible();
        });
        windows.chooseLanguage();
        QCOMPARE(f.platform.questions, QStringList{"Information | Language will change. Apply?"});
        QCOMPARE(stayed, !yes);
        QStringList expected = before;
        if (yes)
            expected[SettingsLine::Language] = QStringLiteral("turkish");
        QCOMPARE(f.folder.lines(ayar), expected);
        QCOMPARE(f.platform.restarts, yes ? 1 : 0);
    }

    void theTranslatorsPageIsTurkishOnlyForTurkish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("turkish") << "turkish"
                                 << "https://www.kirveno.example/tr/cevirmenler";
        QTest::newRow("Turkish") << "Turkish"
                                 << "https://www.kirveno.example/en/translators";
        QTest::newRow("english") << "english"
                                 << "https://www.kirveno.example/en/translators";
    }

    void theTranslatorsPageIsTurkishOnlyForTurkish()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        ChooserFixture f;
        f.folder.setLine(ayar, SettingsLine::Language, language);
        ProgramWindows &windows = f.startWindows();
        f.whileOpen([&](QDialog &) {
            QTest::mouseClick(windows.languages().translatorsButton(), Qt::LeftButton);
        });
        windows.chooseLanguage();
        QCOMPARE(f.platform.urls, QStringList{page});
    }

    // The first start opens the chooser once by itself; cancelled, it leaves the language alone
    // and the next start does not open it.
    void theFirstStartOpensTheChooserOnce()
    {
        ChooserFixture f(QStringLiteral("0"));
        ProgramWindows &windows = f.startWindows();
        // The chooser comes from the board's activation, after the show.
        int opened = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened += dialog == &windows.languages();
                dialog->close();
            }
        });
        poll.start(10);
        f.board->show();
        QTRY_COMPARE(opened, 1);
        QCOMPARE(f.folder.lines(ayar)[SettingsLine::FirstStart], QStringLiteral("1"));
        QCOMPARE(f.folder.lines(ayar)[SettingsLine::Language], QStringLiteral("english"));

        ChooserFixture again;
        again.folder.write(ayar, f.folder.lines(ayar));
        again.startWindows();
        bool shown = false;
        QTimer::singleShot(50, again.board.get(), [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                shown = true;
                dialog->close();
            }
        });
        again.board->show();
        QTest::qWait(100);
        QVERIFY(!shown);
    }
};

QTEST_MAIN(TestLanguageChooser)
#include "test_languagechooser.moc"
