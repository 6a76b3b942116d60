#include <QTest>

class TestArchiveCommands : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestArchiveCommands)
#include "test_archivecommands.moc"
