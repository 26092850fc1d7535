#include "app/app_info.h"
#include "app/error_text.h"
#include "app/messages.h"

#include <QTest>

using namespace lorvex;

class TestMessages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builtInTexts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("101") << 101 << QStringLiteral("Lorvex");
        QTest::newRow("116")
            << 116
            << QStringLiteral(
                   "PLL'in kilitlenmesi için uygun değerleri seçtiniz. Bilgileriniz aşağıda listelenmiştir.");
        QTest::newRow("133") << 133 << QStringLiteral("Girilen değer 20.000'den (20 Mhz) büyük olamaz!");
        QTest::newRow("141") << 141 << QStringLiteral("Çıkış");
        QTest::newRow("156") << 156
                             << QStringLiteral("İnternet bağlantınız olmadığı için güncelleme kontrol edilemiyor!");
        QTest::newRow("160 keeps its inner quotes")
            << 160
            << QStringLiteral(
                   "Uygulamanın yeni bir sürümü yayımlanmış! Güncel sürümü, \"İndir\" düğmesine tıklayarak indirebilirsiniz.");
        QTest::newRow("169") << 169 << QStringLiteral("E-posta:");
    }
    void builtInTexts()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(MessageTable().text(number), text);
    }

    void everySlotFilledAndSeparate()
    {
        MessageTable t;
        for (int n = MessageTable::first; n <= MessageTable::last; ++n)
            QVERIFY2(!t.text(n).isEmpty(), qPrintable(QString::number(n)));
        QCOMPARE(t.text(134), t.text(138));
        t.set(138, QStringLiteral("x"));
        QCOMPARE(t.text(134), MessageTable::builtIn(134));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.text(100));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, t.text(MessageTable::extraLast + 1));
    }

    void versionAndTitle()
    {
        QCOMPARE(app_info::versionNumber(), 102);
        QCOMPARE(app_info::versionCaption(), QStringLiteral("1.02"));
        QCOMPARE(app_info::windowTitle(QStringLiteral("Lorvex")),
                 QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.02"));
    }

    void errorReportText()
    {
        MessageTable t;
        QCOMPARE(lorvex::errorReportText(t, QStringLiteral("Form-1"), 1001, QStringLiteral("disk")),
                 QStringLiteral("Program aşağıdaki hata nedeniyle devam edemiyor!\r\nHata Kodu: 1001\r\n"
                                "Hata Yeri: Form-1\r\nHata Açıklaması: disk"));
        t.set(163, QStringLiteral("The program cannot continue!"));
        t.set(164, QStringLiteral("Code:"));
        t.set(165, QStringLiteral("Place:"));
        t.set(166, QStringLiteral("Description:"));
        QCOMPARE(lorvex::errorReportText(t, QStringLiteral("Module-1"), -5, QStringLiteral("x")),
                 QStringLiteral("The program cannot continue!\r\nCode: -5\r\nPlace: Module-1\r\nDescription: x"));
    }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "test_messages.moc"
