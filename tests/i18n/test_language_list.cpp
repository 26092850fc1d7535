#include "i18n/language_file.h"
#include "i18n/languages_folder.h"
#include "support/test_env.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace lorvex;
using namespace lorvex::test;

class TestLanguageList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsLanguageFiles()
    {
        QTemporaryDir dir;
        for (const char *name : {"Deutsch.v2.lng", "English.LNG", "en.us.lng", ".x.lng", "Français.lng", "notes.txt",
                                 "x.lngx", "Italiano.Lng", "Svenska.lng.bak"})
            writeFile(dir.filePath(QString::fromUtf8(name)), "x");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Folder.lng")));

        const QStringList names = listLanguages(dir.path() + QLatin1Char('/'));
        QCOMPARE(names.value(0), QStringLiteral("Türkçe"));
        QStringList files = names.mid(1);
        std::sort(files.begin(), files.end());
        // A hidden ".x.lng" gives an empty entry; it lists (and loads the file ".lng") like any other.
        QCOMPARE(files, (QStringList{QString(), QStringLiteral("Deutsch"), QStringLiteral("Français"),
                                     QStringLiteral("en")}));
        // The entry names the file that choosing it loads.
        QCOMPARE(languageFilePath(dir.path() + QLatin1Char('/'), QStringLiteral("Deutsch")),
                 dir.path() + QStringLiteral("/Deutsch.lng"));
    }

    void listsOnlyTheBuiltInLanguageWithoutAFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing") << QStringLiteral("/nonexistent-lorvex/Languages/");
        QTest::newRow("empty name") << QString();
    }
    void listsOnlyTheBuiltInLanguageWithoutAFolder()
    {
        QFETCH(QString, folder);
        QCOMPARE(listLanguages(folder), QStringList{QStringLiteral("Türkçe")});
    }

    void languageNamesAreNotPaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        const QString folder = QStringLiteral("/opt/lorvex/Languages/");
        QTest::newRow("plain") << QStringLiteral("English") << folder + QStringLiteral("English.lng");
        QTest::newRow("Turkish letters") << QStringLiteral("Türkçe") << folder + QStringLiteral("Türkçe.lng");
        QTest::newRow("empty name") << QString() << folder + QStringLiteral(".lng");
        QTest::newRow("single dot") << QStringLiteral("en.us") << folder + QStringLiteral("en.us.lng");
        QTest::newRow("../x") << QStringLiteral("../x") << QString();
        QTest::newRow("a/b") << QStringLiteral("a/b") << QString();
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << QString();
        QTest::newRow("..") << QStringLiteral("..") << QString();
        QTest::newRow("dots inside") << QStringLiteral("a..b") << QString();
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b") << QString();
    }
    void languageNamesAreNotPaths()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(languageFilePath(QStringLiteral("/opt/lorvex/Languages/"), name), path);
    }

    void languagesFolderBesideTheProgramFirst()
    {
        QTemporaryDir dir;
        const QString bin = dir.path() + QStringLiteral("/usr/bin");
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(resolveLanguagesFolder(bin), dir.path() + QStringLiteral("/usr/share/lorvex/Languages/"));
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/Languages")));
        QCOMPARE(resolveLanguagesFolder(bin), bin + QStringLiteral("/Languages/"));
    }

    void languagesFolderOfThisProgram()
    {
        // The build copies Languages/ beside every binary of the build tree; tests live one level down.
        const QString folder = resolveLanguagesFolder();
        QVERIFY(folder.endsWith(QLatin1Char('/')));
        QCOMPARE(folder, resolveLanguagesFolder(QCoreApplication::applicationDirPath()));
    }
};

QTEST_GUILESS_MAIN(TestLanguageList)
#include "test_language_list.moc"
