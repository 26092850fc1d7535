#include "app/app_info.h"
#include "app/messages.h"

#include <QTest>

using namespace lorvex;

class TestMessages : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

    // The title names the product in the loaded language's words.
    void titleInTheLanguage() { QCOMPARE(app_info::windowTitle("X"), QString("Tavoran - X (MC 145151-2) 1.02")); }
};

QTEST_GUILESS_MAIN(TestMessages)
#include "test_messages.moc"
