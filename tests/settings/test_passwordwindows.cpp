#include <QTest>

class TestPasswordWindows : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestPasswordWindows)
#include "test_passwordwindows.moc"
