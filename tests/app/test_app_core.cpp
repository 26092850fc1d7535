// The settings store and the message table.
#include "app/failure.h"
#include "app/messages.h"
#include "app/settings.h"
#include "support/test_env.h"

#include <QSettings>
#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

class TestAppCore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every read goes to the file as it is now, every write reaches it or fails.
    void theStoreIsTheFile()
    {
        TestHome home;
        const Settings reader(home.settingsPath(), turkish);
        QStringList defaults; // those computed when read (positions, dates, the running version) are empty
        for (const KeyDefault &d : keyDefaults)
            defaults << reader.read(d.key);
        QCOMPARE(defaults, l("||2048|2050|2|5000|5500|500|Türkçe||1||0|"));
        QVERIFY2(!QFile::exists(home.settingsPath()), "reading must not create the store");
        // Edited by hand meanwhile; QSettings takes the comma for a list, we take one text.
        writeFile(home.settingsPath(), "[Ayarlar]\nReferans%20Baslama=2,048\n");
        QCOMPARE(reader.read(keys::ReferansBaslama), "2,048");
        // Written by another object after the reader looked: nothing is cached.
        const QString value = s("  Türkçe 2,048;b=c");
        Settings(home.settingsPath(), turkish).write(keys::DilDosyasi, value);
        QCOMPARE(reader.read(keys::DilDosyasi), value);
        QCOMPARE(QSettings(home.settingsPath(), QSettings::IniFormat).value("Ayarlar/Dil Dosyasi").toString(), value);
        // A folder cannot be made under a regular file, even as root.
        try {
            Settings(home.settingsPath() + "/Lorvex.ini", turkish).write(keys::DilDosyasi, "English");
            QFAIL("write did not fail");
        } catch (const Failure &f) {
            QCOMPARE(f.number(), failure_code::settingsWrite);
        }
    }

    // Typed values in the user's locale: the top of each range reads back, and a damaged
    // value reads exactly as an absent key (one row per way of being damaged).
    void typedValues_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("good");          // 7657.5, monthly, 255, 103 and 31 January 2027
        QTest::addColumn<QStringList>("stored"); // position, schedule, result, version, date
        QTest::newRow("tr") << turkish << true << l("7657,5|2|255| 103|31.01.2027");
        QTest::newRow("en") << english << true << l("7657.5|2|255| 103|1/31/2027");
        QTest::newRow("nothing stored") << turkish << false << QStringList();
        QTest::newRow("not a number") << turkish << false << l("abc|weekly|yes|1.0.3|someday");
        QTest::newRow("above the range") << turkish << false << l("1e60|3|256|32768|31.02.2026");
        QTest::newRow("below the range") << turkish << false << l("-1e60|-1|-1|-32769");
        QTest::newRow("not finite") << turkish << false << l("nan");
    }
    void typedValues()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, good);
        QFETCH(QStringList, stored);
        TestHome home;
        Settings s(home.settingsPath(), locale);
        const char *const order[] = {keys::UstBosluk, keys::GuncellemeZamani, keys::GuncellemeSonucu,
                                     keys::SurumBilgisi, keys::GuncellemeTarihi};
        for (int k = 0; k < stored.size(); ++k)
            s.write(order[k], stored[k]);
        QCOMPARE(s.readPosition(keys::UstBosluk), good ? std::optional(7657.5) : std::nullopt);
        QCOMPARE(s.readSchedule(), good ? std::optional(UpdateSchedule::monthly) : std::nullopt);
        QCOMPARE(s.readUpdateResult(), good ? static_cast<UpdateResult>(255) : UpdateResult::none);
        QCOMPARE(s.readPublishedVersion(102), good ? 103 : 102);
        QCOMPARE(s.readDate(keys::GuncellemeTarihi), good ? QDate(2027, 1, 31) : QDate());
        // The writers give the good texts: no group separator, all four digits of the year.
        s.writePosition(keys::SolBosluk, 7657.5);
        s.writeDate(keys::GuncellemeKontrolu, QDate(2027, 1, 31));
        if (good)
            QCOMPARE(s.read(keys::SolBosluk) + '|' + s.read(keys::GuncellemeKontrolu), stored[0] + '|' + stored[4]);
    }

    void everyNumberHasATextOfItsOwn()
    {
        MessageTable t;
        for (int n = MessageTable::first; n <= MessageTable::extraLast; ++n)
            QVERIFY2(!t.text(n).isEmpty(), qPrintable(QString::number(n)));
        // 134 and 138 read alike in Turkish, yet a language may word them apart.
        t.set(138, QStringLiteral("x"));
        QCOMPARE(t.text(134), MessageTable::builtIn(134));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.text(MessageTable::first - 1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.text(MessageTable::extraLast + 1));
    }
};

QTEST_GUILESS_MAIN(TestAppCore)
#include "test_app_core.moc"
