#include "help/aboutwindow.h"
#include "help/helpwindow.h"
#include "storage/settingsfile.h"
#include "support/boardfixture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

enum Page { Usage, Tips, FromMaker };

// A board whose help and about windows are made on the texts the test gives.
struct HelpFixture : BoardFixture
{
    explicit HelpFixture(const QStringList &texts = {})
    {
        start();
        if (!texts.isEmpty())
            state.texts = TextTable::fromLines(texts);
        help = std::make_unique<HelpWindow>(state, board.get());
        about = std::make_unique<AboutWindow>(state, board.get());
    }

    QTextEdit *page(Page which) const
    {
        return std::array{help->usagePage(), help->tipsPage(), help->makerPage()}[which];
    }

    std::unique_ptr<HelpWindow> help;
    std::unique_ptr<AboutWindow> about;
};

const QString site = QStringLiteral("https://www.kirveno.example/");

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void pagesTakeTheirKeysByTheRules_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("an empty text adds no line, a space adds one")
            << QStringList{"000076=first", "000077=", "000078= ", "000079=last"} << int(Usage)
            << QStringList{"first", " ", "last"};
        QTest::newRow("usage: 76 to 90, then 100 to 111")
            << QStringList{"000075=no", "000076=a", "000090=b", "000091=no",
                           "000099=no", "000100=c", "000111=d", "000112=no"}
            << int(Usage) << QStringList{"a", "b", "c", "d"};
        QTest::newRow("tips: 112 to 133")
            << QStringList{"000111=no", "000112=a", "000120= ", "000133=b", "000134=no"}
            << int(Tips) << QStringList{"a", " ", "b"};
        QTest::newRow("from the maker: 63 to 75, the donation line before 73")
            << QStringList{"000062=no", "000063=a",  "000072=b",     "000073=c",
                           "000075=d",  "000076=no", "000157=donate"}
            << int(FromMaker) << QStringList{"a", "b", "donate", "c", "d"};
        QTest::newRow("the donation line stands even when empty")
            << QStringList{"000072=b", "000073=c", "000157="} << int(FromMaker)
            << QStringList{"b", "", "c"};
        QTest::newRow("the donation line stands when 73 is empty")
            << QStringList{"000064=a", "000074=b", "000157=donate"} << int(FromMaker)
            << QStringList{"a", "donate", "b"};
        QTest::newRow("values keep their spaces")
            << QStringList{"000112=  indented ", "000113=ESC button for cancel and exit. "}
            << int(Tips) << QStringList{"  indented ", "ESC button for cancel and exit. "};
    }

    void pagesTakeTheirKeysByTheRules()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, page);
        QFETCH(QStringList, lines);
        HelpFixture f(texts);
        QCOMPARE(f.page(Page(page))->toPlainText().split(QLatin1Char('\n')), lines);
    }

    void theBuiltInMakerPageHasTheDonationLineBeforeTheLastStars()
    {
        HelpFixture f;
        const QStringList lines = f.help->makerPage()->toPlainText().split(QLatin1Char('\n'));
        const qsizetype donation = lines.indexOf(f.state.text(u"000157"));
        QVERIFY(donation > 0);
        QCOMPARE(lines.at(donation + 1), f.state.text(u"000073"));
        QCOMPARE(lines.first(), f.state.text(u"000063"));
        QCOMPARE(lines.last(), f.state.text(u"000075"));
    }

    void theHelpWindowOpensOnTheMakerPageAndTheButtonsTurnPages()
    {
        HelpFixture f;
        f.help->tipsButton()->click();
        f.whileOpen([&](QDialog &dialog) {
            QCOMPARE(&dialog, f.help.get());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Help"));
            QCOMPARE(f.help->shownPage(), f.help->makerPage());
            QVERIFY(f.help->makerPage()->isVisible());
            QCOMPARE(dialog.focusWidget(), f.help->donateButton());
            QCOMPARE(f.help->makerPage()->alignment(), Qt::AlignHCenter);

            f.help->usageButton()->click();
            QCOMPARE(f.help->shownPage(), f.help->usagePage());
            QVERIFY(!f.help->makerPage()->isVisible());
            QCOMPARE(f.help->usagePage()->height(), 195);
            QVERIFY(f.help->usagePage()->verticalScrollBar()->isVisible());
            // Enter on a button acts as that button.
            f.help->tipsButton()->setFocus();
            QTest::keyClick(f.help->tipsButton(), Qt::Key_Return);
            QCOMPARE(f.help->shownPage(), f.help->tipsPage());
            QVERIFY(f.help->tipsPage()->verticalScrollBar()->isVisible());
            f.help->makerButton()->click();
            QCOMPARE(f.help->shownPage(), f.help->makerPage());
            QVERIFY(dialog.isVisible());
        });
        f.help->ask();
        QVERIFY(!f.help->isVisible());
        QVERIFY(f.platform.urls.isEmpty());
    }

    void escClosesTheHelpWindowFromAPageOrAButton_data()
    {
        QTest::addColumn<bool>("inPage");
        QTest::newRow("in a page") << true;
        QTest::newRow("on a button") << false;
    }

    void escClosesTheHelpWindowFromAPageOrAButton()
    {
        QFETCH(bool, inPage);
        HelpFixture f;
        bool closed = false;
        f.whileOpen([&](QDialog &) {
            f.help->usageButton()->click();
            QWidget *target =
                inPage ? static_cast<QWidget *>(f.help->usagePage()) : f.help->usageButton();
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
            closed = !f.help->isVisible();
        });
        f.help->ask();
        QVERIFY(closed);
    }

    void theDonationPageIsTurkishOnlyForTurkish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page");
        QTest::newRow("turkish") << "turkish" << site + "tr/bagis";
        QTest::newRow("english") << "english" << site + "en/donate";
        QTest::newRow("other letter case") << "Turkish" << site + "en/donate";
        QTest::newRow("a blank more") << "turkish " << site + "en/donate";
    }

    void theDonationPageIsTurkishOnlyForTurkish()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        HelpFixture f;
        f.state.settings.setLine(SettingsLine::Language, language);
        f.whileOpen([&](QDialog &dialog) {
            QTest::keyClick(f.help->donateButton(), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
        });
        f.help->ask();
        QCOMPARE(f.platform.urls, QStringList{page});
    }

    void theMemoryLineCountsThousandthsOfMegabytes_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("number");
        QTest::newRow("512 MiB") << Q_UINT64_C(536870912) << "524,288";
        QTest::newRow("16 GiB") << Q_UINT64_C(17179869184) << "16777,216";
        QTest::newRow("one thousandth") << Q_UINT64_C(1024) << "0,001";
        QTest::newRow("rounded to the nearest thousandth") << Q_UINT64_C(1535) << "0,001";
        QTest::newRow("half a thousandth rounds up") << Q_UINT64_C(512) << "0,001";
        QTest::newRow("none") << Q_UINT64_C(0) << "0,000";
    }

    void theMemoryLineCountsThousandthsOfMegabytes()
    {
        QFETCH(quint64, bytes);
        QFETCH(QString, number);
        HelpFixture f;
        f.platform.memory = bytes;
        QString shown;
        f.whileOpen([&](QDialog &) { shown = f.about->memoryLine()->text(); });
        f.about->ask();
        QCOMPARE(shown, QStringLiteral("Available Memory     :    ") + number + " MB");
    }

    void theAboutWindowShowsTheProgramAndTheMachine()
    {
        HelpFixture f({"000059=Sürüm", "000061=İşletim Sistemi", "000062=Bellek"});
        f.whileOpen([&](QDialog &dialog) {
            QCOMPARE(&dialog, f.about.get());
            QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(dialog.size(), QSize(641, 257));
            QCOMPARE(dialog.geometry().center(),
                     QGuiApplication::primaryScreen()->availableGeometry().center());
            QCOMPARE(f.about->versionLine()->text(), QStringLiteral("Sürüm 1.4"));
            QCOMPARE(f.about->systemLine()->text(),
                     QStringLiteral("İşletim Sistemi : Test OS 1.0"));
            QCOMPARE(f.about->memoryLine()->text(), QStringLiteral("Bellek     :    524,288 MB"));
            QTest::mouseClick(f.about->okButton(), Qt::LeftButton);
        });
        f.about->ask();
        QVERIFY(!f.about->isVisible());

        // The machine is asked again at every showing.
        f.platform.memory = Q_UINT64_C(1073741824);
        f.whileOpen([&](QDialog &) {
            QCOMPARE(f.about->memoryLine()->text(), QStringLiteral("Bellek     :    1048,576 MB"));
        });
        f.about->ask();
        QVERIFY(f.platform.urls.isEmpty());
    }

    void theWebLinkTurnsBoldUnderTheMouseAndOpensTheSite()
    {
        HelpFixture f;
        f.whileOpen([&](QDialog &) {
            QLabel *link = f.about->webLink();
            QCOMPARE(link->text(), site);
            QVERIFY(link->font().underline());
            QVERIFY(!link->font().bold());
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
            QApplication::sendEvent(link, &enter);
            QVERIFY(link->font().bold());
            QVERIFY(link->font().underline());
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(link, &leave);
            QVERIFY(!link->font().bold());
            QVERIFY(link->font().underline());
            QTest::mouseClick(link, Qt::LeftButton);
            QCOMPARE(f.platform.urls, QStringList{site});
        });
        f.about->ask();
    }
};

QTEST_MAIN(TestHelpWindows)
#include "test_helpwindows.moc"
