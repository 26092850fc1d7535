#include "app/failure.h"
#include "app/settings.h"
#include "support/test_env.h"

#include <QSettings>
#include <QTest>

using namespace lorvex;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsOnEmptyStore_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Referans Baslama") << keys::ReferansBaslama << "2048";
        QTest::newRow("Referans Bitis") << keys::ReferansBitis << "2050";
        QTest::newRow("Referans Adim") << keys::ReferansAdim << "2";
        QTest::newRow("Giris Baslama") << keys::GirisBaslama << "5000";
        QTest::newRow("Giris Bitis") << keys::GirisBitis << "5500";
        QTest::newRow("Giris Adim") << keys::GirisAdim << "500";
        QTest::newRow("Dil Dosyasi") << keys::DilDosyasi << "Türkçe";
        QTest::newRow("Guncelleme Zamani") << keys::GuncellemeZamani << "1";
        QTest::newRow("Guncelleme Sonucu") << keys::GuncellemeSonucu << "0";
    }
    void defaultsOnEmptyStore()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        const QByteArray k = key.toUtf8();
        QCOMPARE(s.read(k.constData()), expected);
        QVERIFY(!s.contains(k.constData()));
        QVERIFY2(!QFile::exists(home.settingsPath()), "reading must not create the store");
    }

    void typedDefaultsOnEmptyStore()
    {
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        QVERIFY(!s.readPosition(keys::UstBosluk));
        QVERIFY(!s.readSchedule());
        QCOMPARE(s.readUpdateResult(), 0);
        QCOMPARE(s.readPublishedVersion(102), 102);
        QVERIFY(!s.readDate(keys::GuncellemeTarihi).isValid());
    }

    void writeThenRead_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("Turkish language name") << turkish << keys::DilDosyasi << "Türkçe";
        QTest::newRow("range text with a comma, en") << english << keys::ReferansBaslama << "2,048";
        QTest::newRow("range text with a dot, tr") << turkish << keys::GirisBitis << "500.000";
        QTest::newRow("empty text") << turkish << keys::DilDosyasi << "";
        QTest::newRow("leading blanks kept") << turkish << keys::GirisAdim << "  5";
        QTest::newRow("semicolon and equals") << turkish << keys::DilDosyasi << "a;b=c";
    }
    void writeThenRead()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, key);
        QFETCH(QString, value);
        test::TestHome home;
        const QByteArray k = key.toUtf8();
        Settings s(home.settingsPath(), locale);
        s.write(k.constData(), value);
        QCOMPARE(s.read(k.constData(), QStringLiteral("x")), value);
        // A second store object on the same file sees it at once: nothing is cached.
        Settings again(home.settingsPath(), locale);
        QCOMPARE(again.read(k.constData(), QStringLiteral("x")), value);
        // And the raw INI file holds it in group Ayarlar.
        QSettings raw(home.settingsPath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Ayarlar/") + key).toString(), value);
    }

    void handEditedCommaValueReadsAsText()
    {
        test::TestHome home;
        test::writeFile(home.settingsPath(), "[Ayarlar]\nReferans%20Baslama=2,048\n");
        Settings s(home.settingsPath(), english);
        QCOMPARE(s.read(keys::ReferansBaslama), QStringLiteral("2,048"));
    }

    void datesReadBackAsTheSameDate_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("date");
        QTest::newRow("tr 7 Dec 2026") << turkish << QDate(2026, 12, 7);
        QTest::newRow("tr 31 Jan 2027") << turkish << QDate(2027, 1, 31);
        QTest::newRow("en 7 Dec 2026") << english << QDate(2026, 12, 7);
        QTest::newRow("en 31 Jan 2027") << english << QDate(2027, 1, 31);
        QTest::newRow("en 29 Feb 2028") << english << QDate(2028, 2, 29);
    }
    void datesReadBackAsTheSameDate()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, date);
        test::TestHome home;
        Settings s(home.settingsPath(), locale);
        s.writeDate(keys::GuncellemeTarihi, date);
        QVERIFY2(s.read(keys::GuncellemeTarihi).contains(QString::number(date.year())),
                 qPrintable(s.read(keys::GuncellemeTarihi)));
        QCOMPARE(s.readDate(keys::GuncellemeTarihi), date);
    }

    void shortDateForms()
    {
        QCOMPARE(dateText(QDate(2026, 12, 7), turkish), QStringLiteral("7.12.2026"));
        QCOMPARE(dateText(QDate(2026, 12, 7), english), QStringLiteral("12/7/2026"));
        QCOMPARE(readDateText(QStringLiteral("7.12.2026"), turkish), QDate(2026, 12, 7));
        QVERIFY(!readDateText(QStringLiteral("31.02.2026"), turkish).isValid());
        QVERIFY(!readDateText(QStringLiteral("yesterday"), turkish).isValid());
    }

    // A damaged value behaves exactly as an absent key.
    void damagedValuesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("position letters") << keys::UstBosluk << "abc";
        QTest::newRow("position inf") << keys::SolBosluk << "inf";
        QTest::newRow("position beyond float") << keys::SolBosluk << "1e60";
        QTest::newRow("schedule letters") << keys::GuncellemeZamani << "weekly";
        QTest::newRow("schedule empty") << keys::GuncellemeZamani << "";
        QTest::newRow("schedule 5") << keys::GuncellemeZamani << "5";
        QTest::newRow("schedule 99999") << keys::GuncellemeZamani << "99999";
        QTest::newRow("schedule -1") << keys::GuncellemeZamani << "-1";
        QTest::newRow("result 256") << keys::GuncellemeSonucu << "256";
        QTest::newRow("result -1") << keys::GuncellemeSonucu << "-1";
        QTest::newRow("result letters") << keys::GuncellemeSonucu << "yes";
        QTest::newRow("version letters") << keys::SurumBilgisi << "1.0.3";
        QTest::newRow("version 40000") << keys::SurumBilgisi << "40000";
        QTest::newRow("date letters") << keys::GuncellemeTarihi << "someday";
    }
    void damagedValuesReadAsDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        const QByteArray k = key.toUtf8();
        s.write(k.constData(), stored);
        QVERIFY(!s.readPosition(keys::UstBosluk));
        QVERIFY(!s.readPosition(keys::SolBosluk));
        QVERIFY(!s.readSchedule());
        QCOMPARE(s.readUpdateResult(), 0);
        QCOMPARE(s.readPublishedVersion(102), 102);
        QVERIFY(!s.readDate(keys::GuncellemeTarihi).isValid());
    }

    void goodTypedValues()
    {
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        s.write(keys::GuncellemeZamani, QStringLiteral("2"));
        s.write(keys::GuncellemeSonucu, QStringLiteral("255"));
        s.write(keys::SurumBilgisi, QStringLiteral(" 103"));
        s.writePosition(keys::UstBosluk, 7657.5);
        QCOMPARE(s.read(keys::UstBosluk), QStringLiteral("7657,5"));
        QCOMPARE(s.readSchedule(), 2);
        QCOMPARE(s.readUpdateResult(), 255);
        QCOMPARE(s.readPublishedVersion(102), 103);
        QCOMPARE(*s.readPosition(keys::UstBosluk), 7657.5);
        s.writePosition(keys::SolBosluk, 123456.0);
        QCOMPARE(s.read(keys::SolBosluk), QStringLiteral("123456"));
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
            QVERIFY(f.description().contains(QStringLiteral("plain/Lorvex.ini")));
        }
    }

    void noKeyIsEverDeleted()
    {
        test::TestHome home;
        Settings s(home.settingsPath(), turkish);
        s.write(keys::GirisAdim, QStringLiteral("7"));
        s.write(keys::ReferansAdim, QStringLiteral("3"));
        QCOMPARE(s.read(keys::GirisAdim), QStringLiteral("7"));
        QSettings raw(home.settingsPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Ayarlar"));
        QCOMPARE(raw.childKeys().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
