#include <QTest>

class TestReportsWindow : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestReportsWindow)
#include "test_reportswindow.moc"
