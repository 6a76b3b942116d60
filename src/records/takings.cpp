#include "takings.h"

#include "settings/texttable.h"
#include "storage/ledgers.h"

#include <QRegularExpression>

namespace kirveno {
namespace {

// Characters 4 to 10 of a day's line, where the period list finds its month.
QStringView monthOfLine(const QString &line)
{
    return QStringView(line).mid(3, 7);
}

struct Day
{
    QString date;
    Cents total = 0;
};

// The days of one month in file order, with their totals.
QList<Day> daysOf(const QStringList &monthly, const QString &month, const QString &file)
{
    QList<Day> days;
    for (int i = 1; i < monthly.size(); ++i) {
        if (monthOfLine(monthly[i]) == month)
            days.append({monthly[i].left(10), monthlyLineAmount(monthly[i], i, file)});
    }
    return days;
}

// The name padded to 15 characters (or longer), then "HH:MM ---- HH:MM ---- amount-".
const QRegularExpression
    dailyRecordForm(QStringLiteral("^(.*?) *(\\d\\d:\\d\\d) ---- (\\d\\d:\\d\\d) ---- [^-]*-.*$"));

bool needsQuotes(const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('"')
            || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    }
    return false;
}

QString csvField(const CsvCell &cell, CsvFormat format)
{
    if (const Cents *amount = std::get_if<Cents>(&cell))
        return plainAmount(*amount).replace(QLatin1Char(','), QLatin1Char(format.decimalMark));
    QString text = std::get<QString>(cell);
    // A name typed as "=1+2" or "@sum" would run as a formula in the spreadsheet: the leading
    // apostrophe keeps it a text there.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (!needsQuotes(text))
        return text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

CsvFormat csvFormat(const QString &languageName)
{
    // The language chooser stores the language's name in lower case; "turkish" is the one
    // whose spreadsheets take the decimal comma.
    if (languageName.toLower() == QLatin1String("turkish"))
        return {';', ','};
    return {',', '.'};
}

QList<CsvRow> dailyTable(const QStringList &view, const TextTable &texts, const QString &file)
{
    QList<CsvRow> rows{
        {texts.text(u"000241"), texts.text(u"000242"), texts.text(u"000243"),
         texts.text(u"000244")},
    };
    Cents total = 0;
    for (int i = 1; i < view.size(); ++i) {
        const QString &line = view[i];
        const Cents amount = dailyRecordAmount(line, i, file);
        total += amount;
        const QRegularExpressionMatch record = dailyRecordForm.match(line);
        if (record.hasMatch())
            rows.append({record.captured(1), record.captured(2), record.captured(3), amount});
        else
            rows.append({line, QString(), QString(), amount});
    }
    rows.append({texts.text(u"000247"), QString(), QString(), total});
    return rows;
}

QList<CsvRow> monthTable(const QStringList &monthly, const QString &month, const TextTable &texts,
                         const QString &file)
{
    QList<CsvRow> rows{{texts.text(u"000245"), texts.text(u"000246")}};
    Cents total = 0;
    for (const Day &day : daysOf(monthly, month, file)) {
        rows.append({day.date, day.total});
        total += day.total;
    }
    rows.append({texts.text(u"000247"), total});
    return rows;
}

QByteArray csvBytes(const QList<CsvRow> &rows, CsvFormat format)
{
    QString text;
    for (const CsvRow &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text.append(QLatin1Char(format.separator));
            text.append(csvField(row[i], format));
        }
        text.append(QLatin1String("\r\n"));
    }
    // The byte-order mark tells a spreadsheet that the file is UTF-8, not the system's code page.
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString csvFileName(const QString &period)
{
    const auto name = [](const QString &stamp) {
        return QStringLiteral("takings-") + stamp + QStringLiteral(".csv");
    };
    const QDate day = QDate::fromString(period, QStringLiteral("dd.MM.yyyy"));
    if (day.isValid())
        return name(day.toString(QStringLiteral("yyyy-MM-dd")));
    const QDate month =
        QDate::fromString(QStringLiteral("01.") + period, QStringLiteral("dd.MM.yyyy"));
    if (month.isValid())
        return name(month.toString(QStringLiteral("yyyy-MM")));
    return QStringLiteral("takings.csv");
}

QList<TakingsBar> monthBars(const QStringList &monthly, const QString &month, const QString &file)
{
    const QDate first =
        QDate::fromString(QStringLiteral("01.") + month, QStringLiteral("dd.MM.yyyy"));
    QList<TakingsBar> bars;
    for (int day = 1; day <= first.daysInMonth(); ++day)
        bars.append({QString::number(day), 0});
    for (const Day &day : daysOf(monthly, month, file)) {
        bool isNumber = false;
        const int number = day.date.left(2).toInt(&isNumber);
        if (isNumber && number >= 1 && number <= bars.size())
            bars[number - 1].amount += day.total;
    }
    return bars;
}

QList<TakingsBar> twelveMonthBars(const QStringList &monthly, QDate today, const QString &file)
{
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-11);
    QList<TakingsBar> bars;
    for (int i = 0; i < 12; ++i)
        bars.append({first.addMonths(i).toString(QStringLiteral("MM.yyyy")), 0});
    for (int i = 1; i < monthly.size(); ++i) {
        const QStringView month = monthOfLine(monthly[i]);
        for (TakingsBar &bar : bars) {
            if (bar.label == month) {
                bar.amount += monthlyLineAmount(monthly[i], i, file);
                break;
            }
        }
    }
    return bars;
}

QList<Cents> axisMarks(Cents highest)
{
    constexpr Cents multiples[] = {1, 2, 5};
    Cents power = 100;
    int multiple = 0;
    while (power * multiples[multiple] * 5 < highest) {
        if (++multiple == 3) {
            multiple = 0;
            power *= 10;
        }
    }
    const Cents step = power * multiples[multiple];
    QList<Cents> marks{0};
    while (marks.last() < highest || marks.size() == 1)
        marks.append(marks.last() + step);
    return marks;
}

} // namespace kirveno
