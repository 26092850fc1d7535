#include "app/failure.h"
#include "app/settings.h"
#include "support/test_env.h"

#include <QSettings>
#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

namespace {
QByteArray utf8(const QString &s) { return s.toUtf8(); }
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsOnEmptyStore()
    {
        test::TestHome home;
        const Settings s(home.settingsPath(), turkish);
        const QStringList expected{"2048", "2050", "2", "5000", "5500", "500", "Türkçe", "1", "0"};
        const char *const keys[] = {keys::ReferansBaslama, keys::ReferansBitis,    keys::ReferansAdim,
                                    keys::GirisBaslama,    keys::GirisBitis,       keys::GirisAdim,
                                    keys::DilDosyasi,      keys::GuncellemeZamani, keys::GuncellemeSonucu};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(s.read(keys[i]), expected[i]);
        QVERIFY2(!QFile::exists(home.settingsPath()), "reading must not create the store");
    }

    void writeThenRead_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("Turkish letters") << turkish << keys::DilDosyasi << "Türkçe";
        QTest::newRow("range with a comma, en") << english << keys::ReferansBaslama << "2,048";
        QTest::newRow("range with a dot, tr") << turkish << keys::GirisBitis << "500.000";
        QTest::newRow("blanks, semicolon, equals") << turkish << keys::DilDosyasi << "  a;b=c";
    }
    void writeThenRead()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, key);
        QFETCH(QString, value);
        test::TestHome home;
        Settings s(home.settingsPath(), locale);
        s.write(utf8(key).constData(), value);
        QCOMPARE(s.read(utf8(key).constData(), QStringLiteral("x")), value);
        // Another store object on the same file sees it at once: nothing is cached.
        QCOMPARE(Settings(home.settingsPath(), locale).read(utf8(key).constData(), QStringLiteral("x")), value);
        QCOMPARE(QSettings(home.settingsPath(), QSettings::IniFormat)
                     .value(QStringLiteral("Ayarlar/") + key)
                     .toString(),
                 value);
    }

    void handEditedCommaValueReadsAsText()
    {
        test::TestHome home;
        test::writeFile(home.settingsPath(), "[Ayarlar]\nReferans%20Baslama=2,048\n");
        QCOMPARE(Settings(home.settingsPath(), english).read(keys::ReferansBaslama), QStringLiteral("2,048"));
    }

    void datesReadBackAsTheSameDate_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("tr 7 Dec 2026") << turkish << QDate(2026, 12, 7) << "7.12.2026";
        QTest::newRow("tr 31 Jan 2027") << turkish << QDate(2027, 1, 31) << "31.01.2027";
        QTest::newRow("en 7 Dec 2026") << english << QDate(2026, 12, 7) << "12/7/2026";
        QTest::newRow("en 31 Jan 2027") << english << QDate(2027, 1, 31) << "1/31/2027";
    }
    void datesReadBackAsTheSameDate()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        test::TestHome home;
        Settings s(home.settingsPath(), locale);
        s.writeDate(keys::GuncellemeTarihi, date);
        QCOMPARE(s.read(keys::GuncellemeTarihi), text);
        QCOMPARE(s.readDate(keys::GuncellemeTarihi), date);
    }

    // A damaged value behaves exactly as an absent key.
    void damagedValuesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("nothing stored") << ""
                                        << "";
        for (const char *v : {"abc", "inf", "1e60"})
            QTest::addRow("position %s", v) << keys::UstBosluk << v;
        for (const char *v : {"", "weekly", "3", "99999", "-1"})
            QTest::addRow("schedule '%s'", v) << keys::GuncellemeZamani << v;
        for (const char *v : {"256", "-1", "yes"})
            QTest::addRow("result %s", v) << keys::GuncellemeSonucu << v;
        for (const char *v : {"1.0.3", "40000"})
            QTest::addRow("version %s", v) << keys::SurumBilgisi << v;
        QTest::newRow("date letters") << keys::GuncellemeTarihi << "someday";
        QTest::newRow("date 31 February") << keys::GuncellemeTarihi << "31.02.2026";
    }
    void damagedValuesReadAsDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        if (!key.isEmpty())
            s.write(utf8(key).constData(), stored);
        QVERIFY(!s.readPosition(keys::UstBosluk));
        QVERIFY(!s.readSchedule());
        QCOMPARE(s.readUpdateResult(), UpdateResult::none);
        QCOMPARE(s.readPublishedVersion(102), 102);
        QVERIFY(!s.readDate(keys::GuncellemeTarihi).isValid());
    }

    void goodTypedValues()
    {
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        s.write({{keys::GuncellemeZamani, QStringLiteral("2")},
                 {keys::GuncellemeSonucu, QStringLiteral("255")},
                 {keys::SurumBilgisi, QStringLiteral(" 103")}});
        s.writePosition(keys::UstBosluk, 7657.5);
        QCOMPARE(s.read(keys::UstBosluk), QStringLiteral("7657,5"));
        QCOMPARE(*s.readPosition(keys::UstBosluk), 7657.5);
        QCOMPARE(s.readSchedule(), UpdateSchedule::monthly);
        QCOMPARE(s.readUpdateResult(), static_cast<UpdateResult>(255));
        QCOMPARE(s.readPublishedVersion(102), 103);
    }

    void refusedWriteRaisesAFailure()
    {
        test::TestHome home;
        // A folder cannot be made under a regular file, even as root.
        test::writeFile(home.file(QStringLiteral("plain")), "x");
        Settings s(home.file(QStringLiteral("plain/Lorvex.ini")), turkish);
        try {
            s.write(keys::DilDosyasi, QStringLiteral("English"));
            QFAIL("write did not fail");
        } catch (const Failure &f) {
            QCOMPARE(f.number(), failure_code::settingsWrite);
        }
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
