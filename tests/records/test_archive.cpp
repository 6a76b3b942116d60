#include <QTest>

class TestArchive : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestArchive)
#include "test_archive.moc"
