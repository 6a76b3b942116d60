#pragma once

#include "money.h"

#include <QList>
#include <QStringList>

// borc.dat: a header line that is kept as it is, then one record of three lines for each loan,
// in the order the loans were added: the name, the amount (two digits, a comma and two digits:
// 05,50) and a note, empty or not. Loan k owns lines 3k+1 to 3k+3.
namespace kirveno {

// The header line of a file the program creates.
inline constexpr auto loansHeader = "Kirveno LT loans";
// The limits of the window's fields.
inline constexpr int loanNameLength = 15;
inline constexpr int loanNoteLength = 20;

struct Loan
{
    QString name;
    Cents amount = 0; // up to 99,95
    QString note;

    friend bool operator==(const Loan &, const Loan &) = default;
};

class LoansFile
{
public:
    // A new file: the header line and no loans.
    LoansFile();
    // A file whose lines after the header are all empty (or absent) holds no loans. Otherwise
    // throws DataFileError naming the file, and the line and its text, when a name is empty, an
    // amount is not of its form, or the last record lacks lines.
    static LoansFile fromLines(const QStringList &lines, const QString &file);
    static LoansFile load(const QString &path);
    // The header line, then the records.
    QStringList lines() const;
    void save(const QString &path) const;

    const QList<Loan> &loans() const { return m_loans; }
    bool isEmpty() const { return m_loans.isEmpty(); }
    void append(const Loan &loan) { m_loans.append(loan); }
    void replace(int index, const Loan &loan) { m_loans[index] = loan; }
    // The later loans move up by one.
    void remove(int index) { m_loans.remove(index); }

private:
    QString m_header;
    QList<Loan> m_loans;
};

} // namespace kirveno
