#include <QTest>

class TestOptionsDialog : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
