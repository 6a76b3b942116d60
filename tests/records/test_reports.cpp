#include <QTest>

class TestReports : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestReports)
#include "test_reports.moc"
