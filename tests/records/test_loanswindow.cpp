#include <QTest>

class TestLoansWindow : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestLoansWindow)
#include "test_loanswindow.moc"
