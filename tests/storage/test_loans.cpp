#include <QTest>

class TestLoans : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestLoans)
#include "test_loans.moc"
