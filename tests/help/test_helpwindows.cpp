#include <QTest>

class TestHelpWindows : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestHelpWindows)
#include "test_helpwindows.moc"
