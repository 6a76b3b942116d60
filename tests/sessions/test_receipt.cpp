#include "sessions/receipt.h"
#include "settings/texttable.h"
#include "support/programfolder.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

constexpr qreal pointsPerMm = 72 / 25.4;

struct Word
{
    QString text;
    QRectF box; // in points from the page's top left
};

// The words of a one-page PDF with their places, as pdftotext finds them.
struct PdfPage
{
    QSizeF size;
    QList<Word> words;

    QString text() const
    {
        QStringList texts;
        for (const Word &word : words)
            texts << word.text;
        return texts.join(QLatin1Char(' '));
    }
    Word word(const QString &text) const
    {
        for (const Word &word : words) {
            if (word.text == text)
                return word;
        }
        return {};
    }
    QRectF inked() const
    {
        QRectF all;
        for (const Word &word : words)
            all |= word.box;
        return all;
    }
};

PdfPage readPdf(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    PdfPage page;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes at = xml.attributes();
        const auto number = [&](const char *name) {
            return at.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("page"))
            page.size = QSizeF(number("width"), number("height"));
        else if (xml.name() == QLatin1String("word"))
            page.words.append(
                {xml.readElementText(), QRectF(QPointF(number("xMin"), number("yMin")),
                                               QPointF(number("xMax"), number("yMax")))});
    }
    return page;
}

} // namespace

class TestReceipt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; the printed receipts cannot be read "
                  "back");
    }

    // The receipt printed to a PDF file on each paper, read back: every figure of the bill is
    // there, nothing leaves the paper, a roll ends below the last line, and the amounts stand
    // flush right under each other.
    void printedOnEachPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("widthMm");
        QTest::addColumn<qreal>("sideMm");
        QTest::addColumn<QStringList>("captions");
        const QStringList english = {
            "Date",   "Table",    "Table Name", "Start",
            "Finish", "Addition", "Total",      "Thank you for your visit!"};
        QTest::newRow("80 mm roll") << int(ReceiptPaper::Roll80) << "english"
                                    << "Kirveno" << 80.0 << 4.0 << english;
        QTest::newRow("58 mm roll, longest name") << int(ReceiptPaper::Roll58) << "english"
                                                  << "Ahmet Yilmazer1" << 58.0 << 5.0 << english;
        QTest::newRow("58 mm roll, a long name from a hand-edited file")
            << int(ReceiptPaper::Roll58) << "english"
            << "A name much longer than any that the dialogs take" << 58.0 << 5.0 << english;
        QTest::newRow("58 mm roll in Turkish")
            << int(ReceiptPaper::Roll58) << "turkish"
            << "Ayşe Gül" << 58.0 << 5.0
            << QStringList{
                   "Tarih", "Masa",     "Masa Adı", "Başlangıç",
                   "Bitiş", "Ek Ücret", "Toplam",   "Bizi tercih ettiğiniz için teşekkür ederiz!"};
        QTest::newRow("A4") << int(ReceiptPaper::A4) << "english"
                            << "Kirveno" << 210.0 << 15.0 << english;
    }

    void printedOnEachPaper()
    {
        QFETCH(int, paper);
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(qreal, widthMm);
        QFETCH(qreal, sideMm);
        QFETCH(QStringList, captions);
        const ProgramFolder folder;
        const TextTable texts = loadActiveTexts(folder.path(), language).table;
        const Receipt receipt = receiptOf(
            texts, QStringLiteral("Kirveno Internet Cafe and Games Hall"), QDate(2026, 12, 7), 17,
            {name, QStringLiteral("21:07"), QStringLiteral("23:15"), 123480}, 50);

        const QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("receipt.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        setReceiptPage(printer, ReceiptPaper(paper), receipt);
        QVERIFY(paintReceipt(printer, receipt));
        const PdfPage page = readPdf(pdf);

        QCOMPARE(qRound(page.size.width() / pointsPerMm), qRound(widthMm));
        const QString text = page.text();
        for (const QString &expected :
             captions
                 + QStringList{"Kirveno Internet Cafe", "07.12.2026", "17", name, "21:07", "23:15",
                               "0,50", "1234,80"})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));

        const QRectF inked = page.inked();
        const qreal side = sideMm * pointsPerMm;
        QVERIFY2(inked.left() >= side - 1 && inked.right() <= page.size.width() - side + 1,
                 qPrintable(QStringLiteral("%1 to %2").arg(inked.left()).arg(inked.right())));
        const qreal total = page.word(QStringLiteral("1234,80")).box.right();
        for (const char *value : {"21:07", "23:15", "0,50"})
            QVERIFY2(qAbs(page.word(QLatin1String(value)).box.right() - total) < 1, value);

        const qreal bodyHeight = page.word(QStringLiteral("21:07")).box.height();
        if (ReceiptPaper(paper) == ReceiptPaper::A4) {
            // A block of the size of a receipt at the top of the sheet, in type read at arm's
            // length: not a strip, not the sheet's width.
            QVERIFY(inked.width() > 60 * pointsPerMm && inked.width() < 100 * pointsPerMm);
            QVERIFY(inked.bottom() < page.size.height() / 2);
            QVERIFY(bodyHeight > 10);
        } else {
            QVERIFY(page.size.height() - inked.bottom() < 12 * pointsPerMm);
            QVERIFY(page.size.height() - inked.bottom() > 3 * pointsPerMm);
            QVERIFY(bodyHeight > 8);
        }
    }

    // A file that cannot be made is a failed print, not a silent one.
    void aPdfThatCannotBeWrittenFails()
    {
        const Receipt receipt = receiptOf(
            TextTable::builtInEnglish(), QStringLiteral("Cafe"), QDate(2026, 12, 7), 1,
            {QStringLiteral("A"), QStringLiteral("10:00"), QStringLiteral("11:00"), 200}, 0);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/receipt.pdf"));
        setReceiptPage(printer, ReceiptPaper::Roll80, receipt);
        QVERIFY(!paintReceipt(printer, receipt));
    }
};

QTEST_MAIN(TestReceipt)
#include "test_receipt.moc"
