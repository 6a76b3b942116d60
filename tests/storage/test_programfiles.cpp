#include "storage/datafileerror.h"
#include "storage/programfiles.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace kirveno;
using kirveno::testing::ProgramFolder;

namespace {

const QStringList everyFile{
    QStringLiteral("ayar.dat"),
    QStringLiteral("zaman.dat"),
    QStringLiteral("gunluk.dat"),
    QStringLiteral("aylik.dat"),
    QStringLiteral("borc.dat"),
    QStringLiteral("zil01.wav"),
    QStringLiteral("yazarkasa01.wav"),
    QStringLiteral("language/english.ini"),
    QStringLiteral("language/turkish.ini"),
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "<root>/usr" as a package lays it out: the executable in bin, the defaults in share/kirveno.
QString installInto(const QString &root)
{
    const QString share = root + QStringLiteral("/usr/share/kirveno/");
    const QString assets = QStringLiteral(KIRVENO_ASSETS "/");
    for (const QString &name : {QStringLiteral("english.ini"), QStringLiteral("turkish.ini")})
        writeBytes(share + QStringLiteral("language/") + name,
                   bytesOf(assets + QStringLiteral("language/") + name));
    for (const QString &name : {QStringLiteral("zil01.wav"), QStringLiteral("yazarkasa01.wav")})
        writeBytes(share + name, bytesOf(assets + QStringLiteral("sounds/") + name));
    QDir().mkpath(root + QStringLiteral("/usr/bin"));
    return root + QStringLiteral("/usr/bin/");
}

} // namespace

class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheFolder_data()
    {
        QTest::addColumn<QString>("layout"); // installed, portable or lone
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("folder");   // "exe", "user" or "named"
        QTest::addColumn<QString>("defaults"); // "exe", "share" or ""
        QTest::newRow("portable") << "portable"
                                  << ""
                                  << "exe"
                                  << "exe";
        QTest::newRow("installed") << "installed"
                                   << ""
                                   << "user"
                                   << "share";
        QTest::newRow("lone executable") << "lone"
                                         << ""
                                         << "user"
                                         << "";
        QTest::newRow("installed, named") << "installed"
                                          << "stick"
                                          << "named"
                                          << "share";
        QTest::newRow("portable, named") << "portable"
                                         << "stick"
                                         << "named"
                                         << "exe";
    }
    void choosesTheFolder()
    {
        QFETCH(QString, layout);
        QFETCH(QString, named);
        QFETCH(QString, folder);
        QFETCH(QString, defaults);
        QTemporaryDir root;
        ProgramFolder portable;
        QString executableFolder = root.path() + QStringLiteral("/lone/");
        QDir().mkpath(executableFolder);
        if (layout == QLatin1String("installed"))
            executableFolder = installInto(root.path());
        else if (layout == QLatin1String("portable"))
            executableFolder = portable.path();
        const QString userData = root.path() + QStringLiteral("/data/");
        const QString namedFolder = named.isEmpty() ? QString() : root.filePath(named);

        const ProgramLocation location =
            chooseProgramLocation(namedFolder, executableFolder, userData);

        const QHash<QString, QString> expected{
            {QStringLiteral("exe"), executableFolder},
            {QStringLiteral("user"), userData + QStringLiteral("kirveno/")},
            {QStringLiteral("named"), namedFolder + QLatin1Char('/')},
            {QStringLiteral("share"), root.path() + QStringLiteral("/usr/share/kirveno/")},
            {QString(), QString()},
        };
        QCOMPARE(location.folder, expected[folder]);
        QCOMPARE(location.defaults, expected[defaults]);
    }

    void aNamedFolderIsMadeAbsolute()
    {
        QTemporaryDir root;
        QVERIFY(QDir::setCurrent(root.path()));
        const ProgramLocation location =
            chooseProgramLocation(QStringLiteral("stick/cafe"), root.path() + QStringLiteral("/"),
                                  root.path() + QStringLiteral("/data/"));
        QCOMPARE(location.folder, root.path() + QStringLiteral("/stick/cafe/"));
    }

    void aPortableFolderThatCannotBeWrittenGivesAFolderOfTheOperator()
    {
        if (geteuid() == 0)
            QSKIP("root writes into any folder");
        ProgramFolder portable;
        QFile::setPermissions(portable.path(), QFile::ReadOwner | QFile::ExeOwner);
        const ProgramLocation location =
            chooseProgramLocation(QString(), portable.path(), QStringLiteral("/home/x/.data/"));
        QFile::setPermissions(portable.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(location.folder, QStringLiteral("/home/x/.data/kirveno/"));
        QCOMPARE(location.defaults, portable.path());
    }

    void aNewFolderIsFilledWithTheFilesAsFirstInstalled()
    {
        QTemporaryDir root;
        const QString executableFolder = installInto(root.path());
        const ProgramLocation location = chooseProgramLocation(
            QString(), executableFolder, root.path() + QStringLiteral("/data/"));

        fillProgramFolder(location);

        for (const QString &name : everyFile) {
            const QString source = name.endsWith(QLatin1String(".dat"))
                                       ? QStringLiteral(KIRVENO_ASSETS "/data/") + name
                                       : location.defaults + name;
            QVERIFY2(bytesOf(location.folder + name) == bytesOf(source), qPrintable(name));
        }
        QCOMPARE(QDir(location.folder).entryList(QDir::Files).size(), 7);
    }

    void filesThatExistAreNeverReplaced()
    {
        QTemporaryDir root;
        const ProgramLocation location{root.path() + QStringLiteral("/cafe/"),
                                       installInto(root.path() + QStringLiteral("/prefix"))
                                           + QStringLiteral("../share/kirveno/")};
        const QByteArray books("Kendi Kafem\r\n");
        const QByteArray edited("[Texts]\r\nLanguage=Turkish, edited\r\n");
        writeBytes(location.folder + QStringLiteral("ayar.dat"), books);
        writeBytes(location.folder + QStringLiteral("gunluk.dat"), QByteArray());
        writeBytes(location.folder + QStringLiteral("language/turkish.ini"), edited);

        fillProgramFolder(location);
        fillProgramFolder(location);

        QCOMPARE(bytesOf(location.folder + QStringLiteral("ayar.dat")), books);
        QCOMPARE(bytesOf(location.folder + QStringLiteral("gunluk.dat")), QByteArray());
        QCOMPARE(bytesOf(location.folder + QStringLiteral("language/turkish.ini")), edited);
        QCOMPARE(bytesOf(location.folder + QStringLiteral("zaman.dat")),
                 bytesOf(QStringLiteral(KIRVENO_ASSETS "/data/zaman.dat")));
        QVERIFY(QFile::exists(location.folder + QStringLiteral("language/english.ini")));
    }

    void aPortableFolderIsUsedAsItStands()
    {
        ProgramFolder portable;
        QFile::remove(portable.file(QStringLiteral("borc.dat")));
        fillProgramFolder(chooseProgramLocation(QString(), portable.path(), QStringLiteral("/x/")));
        QVERIFY(!QFile::exists(portable.file(QStringLiteral("borc.dat"))));
    }

    void aFolderThatCannotBeMadeIsNamed()
    {
        QTemporaryDir root;
        const QString blocker = root.filePath(QStringLiteral("stick"));
        writeBytes(blocker, "a file where the folder should be");
        const ProgramLocation location{blocker + QStringLiteral("/cafe/"), QString()};
        try {
            fillProgramFolder(location);
            QFAIL("no error");
        } catch (const DataFileError &error) {
            QCOMPARE(error.file(), location.folder);
            QCOMPARE(error.sentences().first().key, QStringLiteral("000280"));
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "test_programfiles.moc"
