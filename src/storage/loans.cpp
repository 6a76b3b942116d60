#include "loans.h"

#include "datafileerror.h"
#include "linefile.h"

#include <algorithm>

namespace kirveno {
namespace {

constexpr int linesPerLoan = 3;

// Exactly two digits, a comma and two digits; parseAmount alone would also take blanks around
// a shorter amount.
std::optional<Cents> loanAmount(QStringView text)
{
    if (text.size() != 5 || text[2] != QLatin1Char(','))
        return std::nullopt;
    for (const int i : {0, 1, 3, 4}) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return std::nullopt;
    }
    return parseAmount(text);
}

} // namespace

LoansFile::LoansFile()
    : m_header(QLatin1String(loansHeader))
{}

LoansFile LoansFile::fromLines(const QStringList &lines, const QString &file)
{
    LoansFile loans;
    if (lines.isEmpty())
        return loans;
    loans.m_header = lines[0];
    if (std::all_of(lines.begin() + 1, lines.end(), [](const QString &l) { return l.isEmpty(); }))
        return loans;
    for (int first = 1; first < lines.size(); first += linesPerLoan) {
        if (first + linesPerLoan > lines.size())
            throw DataFileError(file, u"000221", {QString::number(lines.size())});
        const QString &name = lines[first];
        if (name.isEmpty())
            throwBadLine(file, first, name, u"000222");
        const std::optional<Cents> amount = loanAmount(lines[first + 1]);
        if (!amount)
            throwBadLine(file, first + 1, lines[first + 1], u"000223");
        loans.m_loans.append({name, *amount, lines[first + 2]});
    }
    return loans;
}

LoansFile LoansFile::load(const QString &path)
{
    return fromLines(readLines(path), path);
}

QStringList LoansFile::lines() const
{
    QStringList lines;
    lines.reserve(1 + linesPerLoan * m_loans.size());
    lines.append(m_header);
    for (const Loan &loan : m_loans)
        lines << loan.name << paddedAmount(loan.amount) << loan.note;
    return lines;
}

void LoansFile::save(const QString &path) const
{
    writeLines(path, lines());
}

} // namespace kirveno
